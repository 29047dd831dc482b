#include "pictureclip.h"

#include "picturefile.h"

PictureClip::PictureClip(QObject *parent)
    : QObject(parent)
{
}

QImage PictureClip::Clip()
{
    if (m_picture.isNull())
        throw PictureError(QStringLiteral("the clip holds no picture"));
    const QRect rect(m_x, m_y, m_width, m_height);
    if (m_width <= 0 || m_height <= 0 || !m_picture.rect().contains(rect)) {
        if (m_lastCut) {
            m_x = qint16(m_lastCut->x());
            m_y = qint16(m_lastCut->y());
            m_width = qint16(m_lastCut->width());
            m_height = qint16(m_lastCut->height());
        }
        throw PictureError(QStringLiteral("the rectangle does not lie inside the picture"));
    }
    m_lastCut = rect;
    const QImage piece = m_picture.copy(rect);
    if (!m_stretched)
        return piece;
    if (m_stretchX <= 0 || m_stretchY <= 0)
        throw PictureError(QStringLiteral("no stretch size"));
    return piece.scaled(m_stretchX, m_stretchY, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
