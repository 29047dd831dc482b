#include "stretchimage.h"

#include <QPainter>

StretchImage::StretchImage(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void StretchImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void StretchImage::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(contentsRect(), m_picture);
}
