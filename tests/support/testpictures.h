#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// What the header of a BMP file on disk says.
struct BmpHeader
{
    bool valid = false;  // "BM" and a 40-byte info header
    quint32 fileSize = 0;
    quint32 pixelOffset = 0;
    qint32 width = 0;
    qint32 height = 0;
    quint16 bitsPerPixel = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
};

// Test pictures whose neighbouring pixels all differ and that hold no
// template's fill colour: a 24-bit one in which no two pixels share a colour
// (up to 1024 x 1024), and an 8-bit indexed one with 256 different palette
// entries.
QImage distinctColours(QSize size);
QImage indexedColours(QSize size);

// Writes the picture as a BMP file; 8-bit indexed pictures stay 8-bit.
bool writeBmp(const QImage &image, const QString &path);
bool writeFile(const QString &path, const QByteArray &bytes);

BmpHeader readBmpHeader(const QString &path);

// The bounding rectangle of all pixels whose colour differs (null when none).
// Both pictures are compared as RGB; they must have the same size.
QRect changedArea(const QImage &before, const QImage &after);

// True when the size x size area of `a` at `atA` has the colours of the area
// of `b` at `atB`.
bool sameArea(const QImage &a, QPoint atA, const QImage &b, QPoint atB, QSize size);

// True when every pixel of the picture has this colour.
bool isEvenColour(const QImage &image, QRgb colour);
