#include "pictureview.h"

#include "rectshape.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace {

int shiftState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

bool isViewKey(int qtKey)
{
    const int code = PictureView::keyCodeFor(qtKey);
    return code == 13 || (code >= 37 && code <= 40);
}

// Inverts the one-pixel outline of `rect`, each pixel once.
void drawInvertedOutline(QPainter &painter, const QRect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int l = rect.left();
    const int t = rect.top();
    const int w = rect.width();
    const int h = rect.height();
    painter.fillRect(QRect(l, t, w, 1), Qt::white);
    if (h > 1)
        painter.fillRect(QRect(l, t + h - 1, w, 1), Qt::white);
    if (h > 2) {
        painter.fillRect(QRect(l, t + 1, 1, h - 2), Qt::white);
        if (w > 1)
            painter.fillRect(QRect(l + w - 1, t + 1, 1, h - 2), Qt::white);
    }
}

} // namespace

PictureView::PictureView(QWidget *parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const QImage &picture)
{
    m_picture = picture.isNull() ? QImage() : picture.convertToFormat(QImage::Format_RGB32);
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.width() + 2 * m_border, m_picture.height() + 2 * m_border);
    rebuildSurface();
}

void PictureView::clearPicture()
{
    setPicture(QImage());
}

QImage PictureView::image() const
{
    if (!m_keepsSurface)
        return freshSurface();
    if (!surfaceFits())
        m_surface = freshSurface();
    return m_surface;
}

void PictureView::PaintPicture(const QImage &source, int x, int y, int w, int h)
{
    if (source.isNull() || w <= 0 || h <= 0 || !m_keepsSurface)
        return;
    if (!surfaceFits())
        m_surface = freshSurface();
    QPainter painter(&m_surface);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(x, y, w, h), source);
    painter.end();
    update(QRect(x + m_border, y + m_border, w, h));
}

void PictureView::setBackgroundColor(const QColor &color)
{
    m_background = color;
    rebuildSurface();
}

RectShape *PictureView::addShape(const QString &objectName, double left, double top,
                                 double width, double height)
{
    auto *shape = new RectShape(this);
    shape->setObjectName(objectName);
    shape->setGeometry(left, top, width, height);
    connect(shape, &RectShape::changed, this, qOverload<>(&QWidget::update));
    m_shapes.append(shape);
    return shape;
}

int PictureView::keyCodeFor(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    default:
        break;
    }
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    return 0;
}

bool PictureView::event(QEvent *event)
{
    // The arrow keys and Enter belong to the view: no shortcut or focus chain
    // may take them away.
    if (event->type() == QEvent::ShortcutOverride) {
        auto *keyEvent = static_cast<QKeyEvent *>(event);
        if (isViewKey(keyEvent->key())) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void PictureView::setDrawingSurface(bool on)
{
    m_keepsSurface = on;
    rebuildSurface();
}

void PictureView::setBorder(bool on)
{
    m_border = on ? 2 : 0;
    rebuildSurface();
}

void PictureView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_border) {
        qDrawShadePanel(&painter, rect(), palette(), true, m_border);
        painter.translate(m_border, m_border);
        painter.setClipRect(QRect(0, 0, scaleWidth(), scaleHeight()));
    }
    const QRect dirty = event->rect().translated(-m_border, -m_border);
    if (m_keepsSurface) {
        painter.drawImage(dirty, m_surface, dirty);
    } else {
        painter.fillRect(dirty, m_background);
        const QRect shown = dirty & m_picture.rect();
        if (!shown.isEmpty())
            painter.drawImage(shown.topLeft(), m_picture, shown);
    }
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const RectShape *shape : qAsConst(m_shapes)) {
        if (shape->isVisible())
            drawInvertedOutline(painter, shape->pixelRect());
    }
}

void PictureView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // A hidden view gets its resize event only when first shown; what was
    // painted into it by then must survive.
    if (!surfaceFits())
        rebuildSurface();
}

void PictureView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(keyCodeFor(event->key()), shiftState(event->modifiers()));
    event->accept();
}

void PictureView::mousePressEvent(QMouseEvent *event)
{
    m_pressed = true;
    int button = 0;
    if (event->button() == Qt::LeftButton)
        button = 1;
    else if (event->button() == Qt::RightButton)
        button = 2;
    else if (event->button() == Qt::MiddleButton)
        button = 4;
    const QPoint pos = event->position().toPoint() - QPoint(m_border, m_border);
    emit mouseDown(button, shiftState(event->modifiers()), pos.x(), pos.y());
}

void PictureView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureView::rebuildSurface()
{
    m_surface = m_keepsSurface ? freshSurface() : QImage();
    update();
}

bool PictureView::surfaceFits() const
{
    if (!m_keepsSurface)
        return true;
    return m_surface.size() == QSize(scaleWidth(), scaleHeight()).expandedTo(QSize(1, 1));
}

// The picture on the background colour, at the inner size.
QImage PictureView::freshSurface() const
{
    const QSize size = QSize(scaleWidth(), scaleHeight()).expandedTo(QSize(1, 1));
    // A picture that fills the view is the surface as it stands; the first
    // paint gives the surface its own copy.
    if (m_picture.size() == size)
        return m_picture;
    QImage surface(size, QImage::Format_RGB32);
    surface.fill(m_background);
    if (!m_picture.isNull()) {
        QPainter painter(&surface);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, m_picture);
    }
    return surface;
}
