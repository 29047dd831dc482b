#pragma once

#include <QObject>
#include <QRect>

// An outlined rectangle laid over a picture view (selector, insert frame,
// cursor). It lives in the view's picture coordinates and is drawn inverted
// over whatever lies beneath; it never becomes part of the view's pictures.
class RectShape : public QObject
{
    Q_OBJECT
public:
    explicit RectShape(QObject *parent = nullptr);

    double left() const { return m_left; }
    double top() const { return m_top; }
    double width() const { return m_width; }
    double height() const { return m_height; }
    bool isVisible() const { return m_visible; }

    void setLeft(double left);
    void setTop(double top);
    void setWidth(double width);
    void setHeight(double height);
    void setGeometry(double left, double top, double width, double height);
    // Place the shape by its right or bottom edge, keeping its size. The edge
    // is kept as given: for a huge size, right - width + width need not
    // come back to it.
    void setRight(double right);
    void setBottom(double bottom);
    void setVisible(bool visible);

    // The pixels the outline covers, in the view's coordinates.
    QRect pixelRect() const;

signals:
    void changed();

private:
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
    double m_right = 0;    // m_left + m_width, unless set by setRight
    double m_bottom = 0;   // m_top + m_height, unless set by setBottom
    bool m_visible = true;
};
