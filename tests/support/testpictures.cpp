#include "testpictures.h"

#include <QFile>
#include <QtEndian>

QImage distinctColours(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            // The blue part carries the high bits and keeps 0x40 set, so no
            // pixel can be a template fill (blue 153, 0 or 165).
            const int blue = 0x40 | (x >> 8) | ((y >> 8) << 2);
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, blue));
        }
    }
    return image;
}

QImage indexedColours(QSize size)
{
    QImage image(size, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, 255 - i, 0x30 | (i & 0x0f)));
    image.setColorTable(table);
    for (int y = 0; y < size.height(); ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < size.width(); ++x)
            line[x] = uchar((x * 7 + y * 31) & 0xff);
    }
    return image;
}

bool writeBmp(const QImage &image, const QString &path)
{
    return image.save(path, "BMP");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

BmpHeader readBmpHeader(const QString &path)
{
    BmpHeader header;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return header;
    const QByteArray bytes = file.read(54);
    if (bytes.size() < 54 || !bytes.startsWith("BM"))
        return header;
    const char *data = bytes.constData();
    header.fileSize = qFromLittleEndian<quint32>(data + 2);
    header.pixelOffset = qFromLittleEndian<quint32>(data + 10);
    header.valid = qFromLittleEndian<quint32>(data + 14) == 40;
    header.width = qFromLittleEndian<qint32>(data + 18);
    header.height = qFromLittleEndian<qint32>(data + 22);
    header.bitsPerPixel = qFromLittleEndian<quint16>(data + 28);
    header.compression = qFromLittleEndian<quint32>(data + 30);
    header.coloursUsed = qFromLittleEndian<quint32>(data + 46);
    return header;
}

QRect changedArea(const QImage &before, const QImage &after)
{
    const QImage a = before.convertToFormat(QImage::Format_RGB32);
    const QImage b = after.convertToFormat(QImage::Format_RGB32);
    if (a.size() != b.size())
        return a.rect().united(b.rect());
    QRect area;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if ((a.pixel(x, y) ^ b.pixel(x, y)) & 0xffffff)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

bool sameArea(const QImage &a, QPoint atA, const QImage &b, QPoint atB, QSize size)
{
    if (!a.rect().contains(QRect(atA, size)) || !b.rect().contains(QRect(atB, size)))
        return false;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if ((a.pixel(atA.x() + x, atA.y() + y) ^ b.pixel(atB.x() + x, atB.y() + y)) & 0xffffff)
                return false;
        }
    }
    return true;
}

bool isEvenColour(const QImage &image, QRgb colour)
{
    if (image.isNull())
        return false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) ^ colour) & 0xffffff)
                return false;
        }
    }
    return true;
}
