#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

class RectShape;

// A picture view working in pixels: shows its picture unscaled at the top-left
// corner on its background colour, keeps a persistent drawing surface that
// painting goes into, and reports clicks, keys and mouse presses with the key
// codes and button numbers the pages test for.
class PictureView : public QWidget
{
    Q_OBJECT
public:
    explicit PictureView(QWidget *parent = nullptr);

    // Picture: what was last set. Setting it starts the drawing surface afresh.
    void setPicture(const QImage &picture);
    void clearPicture();
    QImage picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    // Image: the drawing surface, the picture plus everything painted since,
    // at the view's own inner size.
    QImage image() const;

    // Draws the whole of `source` at (x, y) scaled to w x h, replacing the
    // pixels there; what falls outside the view is cut off.
    void PaintPicture(const QImage &source, int x, int y, int w, int h);

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_background; }

    // The inner size in pixels: the view less its border.
    int scaleWidth() const { return width() - 2 * m_border; }
    int scaleHeight() const { return height() - 2 * m_border; }

    // A sunken border of two pixels around the inner area (off by default).
    void setBorder(bool on);

    // AutoSize: every picture set gives the view its size; the view keeps its
    // place. Off by default.
    void setAutoSize(bool on) { m_autoSize = on; }

    // A view without a drawing surface only shows its picture and keeps no
    // second copy of it (for pictures of any size); nothing paints into it,
    // and image() is built afresh at each call. On by default.
    void setDrawingSurface(bool on);

    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

    // Shapes laid over this view, drawn in their order of creation.
    RectShape *addShape(const QString &objectName, double left, double top,
                        double width, double height);

    // Key codes the handlers see for Qt's keys: arrows 37 to 40, Enter 13.
    static int keyCodeFor(int qtKey);

signals:
    void clicked();
    void keyDown(int keyCode, int shift);
    void mouseDown(int button, int shift, int x, int y);

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void rebuildSurface();
    QImage freshSurface() const;
    bool surfaceFits() const;

    QImage m_picture;
    // Built on first use where no resize event came yet (a view never shown).
    mutable QImage m_surface;
    QColor m_background = Qt::white;
    QList<RectShape *> m_shapes;
    int m_tabIndex = 0;
    int m_border = 0;
    bool m_pressed = false;
    bool m_autoSize = false;
    bool m_keepsSurface = true;
};
