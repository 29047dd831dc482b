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
    bool m_visible = true;
};
