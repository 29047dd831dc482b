#include "stretchimage.h"

#include <QPainter>

StretchImage::StretchImage(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::NoFrame);
}

void StretchImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void StretchImage::setBorder(bool on)
{
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
    update();
}

void StretchImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_picture.isNull())
        painter.drawImage(rect(), m_picture);
    drawFrame(&painter);
}
