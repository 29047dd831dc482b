#pragma once

#include <QImage>
#include <QObject>
#include <QRect>

#include <optional>

// Cuts a rectangle out of its picture, stretched to a given size where one is
// set. It refuses (throws PictureError) while it holds no picture, for a
// rectangle without area and for one that does not lie wholly inside its
// picture; every page treats that refusal as the end of its routine. A refused
// rectangle is not kept: the clip goes back to the rectangle of its last
// successful cut, so a later cut gives the piece the last preview showed.
class PictureClip : public QObject
{
    Q_OBJECT
public:
    explicit PictureClip(QObject *parent = nullptr);

    void setPicture(const QImage &picture) { m_picture = picture; }
    QImage picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }

    void setClipX(int x) { m_x = qint16(x); }
    void setClipY(int y) { m_y = qint16(y); }
    void setClipWidth(int width) { m_width = qint16(width); }
    void setClipHeight(int height) { m_height = qint16(height); }
    void setStretchX(int width) { m_stretchX = qint16(width); m_stretched = true; }
    void setStretchY(int height) { m_stretchY = qint16(height); m_stretched = true; }

    int clipX() const { return m_x; }
    int clipY() const { return m_y; }
    int clipWidth() const { return m_width; }
    int clipHeight() const { return m_height; }

    QImage Clip();

private:
    QImage m_picture;
    qint16 m_x = 0;
    qint16 m_y = 0;
    qint16 m_width = 0;
    qint16 m_height = 0;
    qint16 m_stretchX = 0;
    qint16 m_stretchY = 0;
    bool m_stretched = false;
    std::optional<QRect> m_lastCut;
};
