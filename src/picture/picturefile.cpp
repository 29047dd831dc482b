#include "picturefile.h"

#include "embeddedassets.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

#include <limits>

PictureError::PictureError(const QString &what)
    : std::runtime_error(what.toStdString())
{
}

namespace {

// Large enough for any sheet or screenshot, small enough that a file claiming
// absurd dimensions is refused before anything is allocated.
constexpr int kAllocationLimitMb = 256;

// Picture coordinates are 16-bit throughout (clips, selectors, views).
constexpr int kMaxSide = 32767;

QString g_programFolder;

// Whether the working format is reached from this one without a second copy.
bool convertsInPlace(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
}

// What one load holds at its peak: the decoded picture, and beside it the
// picture in the working format while the conversion runs.
qint64 loadBytes(const QSize &size, QImage::Format decoded)
{
    const qint64 working = qint64(size.width()) * size.height() * 4;
    if (decoded == QImage::Format_Invalid)
        decoded = QImage::Format_RGB32;
    const int depth = QImage::toPixelFormat(decoded).bitsPerPixel();
    const qint64 held = (qint64(size.width()) * depth + 31) / 32 * 4 * size.height();
    return convertsInPlace(decoded) ? held : held + working;
}

// Whether a picture of this size, decoded in the given format, can be loaded
// within the allocation limit. The reader's own limit counts the decoded
// picture only, which for a 1-bit file is a thirty-second of the working one.
bool fitsWorkingFormat(const QSize &size, QImage::Format decoded)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxSide
        || size.height() > kMaxSide)
        return false;
    return loadBytes(size, decoded) <= qint64(kAllocationLimitMb) * 1024 * 1024;
}

QImage toWorkingFormat(QImage image)
{
    // In place where the depth allows, so a large picture is not held twice.
    image.convertTo(QImage::Format_RGB32);
    return image;
}

// The fields of a BMP header that the loader looks at itself.
struct BmpHeader
{
    bool bmp = false;     // the file starts as a BMP does
    bool valid = false;   // and has a header this loader knows
    qint64 offset = 0;
    quint32 infoSize = 0;
    qint64 width = 0;
    qint64 height = 0;   // negative for a top-down picture
    int bits = 0;
    quint32 compression = 0;
    quint32 colours = 0;  // palette entries; 0 for as many as the depth has
};

quint16 u16At(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32At(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// Whether a 16-bit picture with this header goes to our own decoder
// (readBmp16) instead of Qt's.
bool decodesBmp16Here(quint32 infoSize, int bits, quint32 compression)
{
    return bits == 16 && (compression == 0 || compression == 3)
        && (infoSize == 12 || infoSize == 40 || infoSize == 52 || infoSize == 56
            || infoSize == 108 || infoSize == 124);
}

// Reads the header the way the decoder that will read the pixels does. Qt's
// BMP reader takes 40, 64, 108 and 124 bytes as a header with 32-bit sides
// and any other size as the old 12-byte one with signed 16-bit sides; the
// 52- and 56-byte headers are only read by our own 16-bit decoder. A header
// that fits none of these is not valid: two readers could see two pictures in
// it (a few bytes taken for a large blank one), so it is refused.
BmpHeader peekBmpHeader(QIODevice &device)
{
    BmpHeader header;
    const QByteArray head = device.peek(50);
    header.bmp = head.startsWith("BM");
    if (head.size() < 18 || !header.bmp)
        return header;
    header.offset = u32At(head, 10);
    header.infoSize = u32At(head, 14);
    switch (header.infoSize) {
    case 12:
        if (head.size() < 26)
            return header;
        header.width = qint16(u16At(head, 18));
        header.height = qint16(u16At(head, 20));
        header.bits = u16At(head, 24);
        header.valid = true;
        return header;
    case 40: case 52: case 56: case 64: case 108: case 124:
        if (head.size() < 50)
            return header;
        header.width = qint32(u32At(head, 18));
        header.height = qint32(u32At(head, 22));
        header.bits = u16At(head, 28);
        header.compression = u32At(head, 30);
        header.colours = u32At(head, 46);
        header.valid = (header.infoSize != 52 && header.infoSize != 56)
            || decodesBmp16Here(header.infoSize, header.bits, header.compression);
        return header;
    default:
        return header;
    }
}

// Where the rows start. Neither decoder seeks backwards: a pixel offset that
// points into the info header, the bit masks or the palette is read as
// pointing right after them.
qint64 rowsStart(const BmpHeader &header)
{
    qint64 end = 14 + qint64(header.infoSize);
    // The masks follow a 40- or 64-byte header and sit inside the others.
    if (header.compression == 3 && (header.infoSize == 40 || header.infoSize == 64)
        && (header.bits == 16 || header.bits == 32))
        end += 12;
    if (header.bits <= 8) {
        const qint64 colours = header.colours ? header.colours : qint64(1) << header.bits;
        end += colours * (header.infoSize == 12 ? 3 : 4);
    }
    return qMax(header.offset, end);
}

// Sides of 1 to 32767 pixels (a top-down picture announces a negative
// height), and for an uncompressed picture every row its header announces:
// Qt's reader would fill missing rows with black and report success, so a
// cut-off file would quietly replace a sheet with a damaged one.
// Throws PictureError for anything else. Returns whether the rows were
// counted, that is whether every pixel of the picture is in the file.
bool vouchForBmp(const BmpHeader &header, qint64 fileSize, const QString &name)
{
    if (!header.valid)
        throw PictureError(QStringLiteral("%1: not a BMP header this program reads").arg(name));
    const qint64 height = qAbs(header.height);
    if (header.width < 1 || header.width > kMaxSide || height < 1 || height > kMaxSide)
        throw PictureError(QStringLiteral("%1: picture too large or empty").arg(name));
    // Run-length and embedded formats have no size to check in advance.
    if (header.compression != 0 && header.compression != 3 && header.compression != 6)
        return false;
    if (header.bits <= 0 || header.bits > 32)
        return false;
    const qint64 stride = (header.width * header.bits + 31) / 32 * 4;
    if (fileSize < rowsStart(header) + stride * height)
        throw PictureError(QStringLiteral("%1: the file is cut off").arg(name));
    return true;
}

// A 16-bit BMP of the kinds Windows writes: 5-5-5 without bit fields, or any
// channel masks with them.
bool isBmp16(const BmpHeader &header)
{
    return header.valid && decodesBmp16Here(header.infoSize, header.bits, header.compression);
}

// Qt's reader widens the 5- and 6-bit channels of a 16-bit BMP by shifting, so
// white would come back as 248; here every channel is scaled to 0..255.
QImage readBmp16(QIODevice &device, const BmpHeader &header, const QString &name)
{
    quint32 masks[3] = {0x7c00, 0x03e0, 0x001f};
    if (header.compression == 3) {
        // At 54 both after a 40-byte header and inside the longer ones.
        const QByteArray head = device.peek(66);
        if (head.size() < 66)
            throw PictureError(QStringLiteral("%1: the file is cut off").arg(name));
        for (int i = 0; i < 3; ++i)
            masks[i] = u32At(head, 54 + 4 * i);
    }
    const QSize size(int(qMin<qint64>(header.width, kMaxSide + 1)),
                     int(qMin<qint64>(qAbs(header.height), kMaxSide + 1)));
    if (!fitsWorkingFormat(size, QImage::Format_RGB32))
        throw PictureError(QStringLiteral("%1: picture too large").arg(name));

    // The colour of every 16-bit value, worked out once per load.
    QList<QRgb> colours(1 << 16);
    const auto channel = [](quint32 value, quint32 mask) {
        if (!mask)
            return 0;
        const int shift = qCountTrailingZeroBits(mask);
        const quint64 top = mask >> shift;
        return int((((value & mask) >> shift) * quint64(255) + top / 2) / top);
    };
    for (quint32 value = 0; value < (1u << 16); ++value)
        colours[int(value)] = qRgb(channel(value, masks[0]), channel(value, masks[1]),
                                   channel(value, masks[2]));

    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw PictureError(QStringLiteral("%1: picture too large").arg(name));
    if (!device.seek(rowsStart(header)))
        throw PictureError(QStringLiteral("%1: the file is cut off").arg(name));
    const int stride = (size.width() * 16 + 31) / 32 * 4;
    QByteArray row(stride, '\0');
    const uchar *bytes = reinterpret_cast<const uchar *>(row.constData());
    for (int i = 0; i < size.height(); ++i) {
        if (device.read(row.data(), stride) != stride)
            throw PictureError(QStringLiteral("%1: the file is cut off").arg(name));
        const int y = header.height < 0 ? i : size.height() - 1 - i;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = colours[bytes[2 * x] | bytes[2 * x + 1] << 8];
    }
    return image;
}

// everyPixelInFile: the file was found to hold every row of an uncompressed
// picture, so whatever picture the reader decodes into, it writes every pixel.
QImage readImage(QIODevice *device, const QByteArray &format, const QString &name,
                 bool everyPixelInFile = false)
{
    const BmpHeader header = peekBmpHeader(*device);
    if (isBmp16(header))
        return readBmp16(*device, header, name);

    QImageReader reader(device, format);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kAllocationLimitMb);
    // The header's size and format, before anything is allocated; the picture
    // is checked again below for readers that cannot tell them in advance.
    // A top-down BMP announces a negative height.
    QSize announced = reader.size();
    if (announced.height() < 0)
        announced.setHeight(announced.height() == std::numeric_limits<int>::min()
                                ? 0 : -announced.height());
    const QImage::Format decoded = reader.imageFormat();
    if (announced.isValid() && !fitsWorkingFormat(announced, decoded))
        throw PictureError(QStringLiteral("%1: picture too large").arg(name));

    // The BMP reader decodes into a picture of the announced size and format
    // when it is handed one. Prepared and filled, it gives every pixel that the
    // file leaves out (skipped runs, a short last row) one defined colour: the
    // first palette entry, or black where there is no palette. A file that
    // holds every pixel needs none, and other readers allocate their own.
    const bool mayLeaveOut = header.bmp && !everyPixelInFile;
    QImage image;
    if (mayLeaveOut && announced.isValid() && decoded != QImage::Format_Invalid) {
        image = QImage(announced, decoded);
        if (image.isNull())
            throw PictureError(QStringLiteral("%1: picture too large").arg(name));
        if (image.depth() <= 8)
            image.fill(0u);
        else
            image.fill(Qt::black);
    }
    const uchar *prepared = image.constBits();
    if (!reader.read(&image) || image.isNull())
        throw PictureError(QStringLiteral("%1: %2").arg(name, reader.errorString()));
    // Decoded into a picture of the reader's own, such a file might show
    // pixels nobody wrote.
    if (mayLeaveOut && (!prepared || image.constBits() != prepared))
        throw PictureError(QStringLiteral("%1: unexpected picture layout").arg(name));
    if (!fitsWorkingFormat(image.size(), image.format()))
        throw PictureError(QStringLiteral("%1: picture too large").arg(name));
    return toWorkingFormat(std::move(image));
}

void put16(QByteArray &out, int offset, quint16 value)
{
    qToLittleEndian<quint16>(value, out.data() + offset);
}

void put32(QByteArray &out, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, out.data() + offset);
}

// An uncompressed 24-bit BMP: file header, 40-byte info header, rows bottom-up
// padded to four bytes.
QByteArray encodeBmp24(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const int stride = (width * 3 + 3) & ~3;
    const int headerSize = 14 + 40;
    const qint64 total = qint64(headerSize) + qint64(stride) * height;

    QByteArray out(int(total), '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, quint32(total));
    put32(out, 10, headerSize);
    put32(out, 14, 40);
    put32(out, 18, quint32(width));
    put32(out, 22, quint32(height));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 30, 0);
    put32(out, 34, quint32(qint64(stride) * height));
    put32(out, 38, 2835);
    put32(out, 42, 2835);

    char *data = out.data() + headerSize;
    for (int y = 0; y < height; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(height - 1 - y));
        char *row = data + qint64(stride) * y;
        for (int x = 0; x < width; ++x) {
            row[x * 3] = char(qBlue(line[x]));
            row[x * 3 + 1] = char(qGreen(line[x]));
            row[x * 3 + 2] = char(qRed(line[x]));
        }
    }
    return out;
}

} // namespace

QImage LoadPicture(const QString &path)
{
    if (path.isEmpty())
        throw PictureError(QStringLiteral("no file name"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    const BmpHeader header = peekBmpHeader(file);
    const bool everyPixelInFile = header.bmp && vouchForBmp(header, file.size(), path);
    return readImage(&file, QByteArray(), path, everyPixelInFile);
}

void SavePicture(const QImage &image, const QString &path)
{
    if (image.isNull())
        throw PictureError(QStringLiteral("no picture to save"));
    const QByteArray bytes = encodeBmp24(image);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PictureError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw PictureError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    }
    if (!file.commit())
        throw PictureError(QStringLiteral("%1: %2").arg(path, file.errorString()));
}

QByteArray templateResourceBytes(int id)
{
    if (id != 102 && id != 103 && id != 104)
        return {};
    return embeddedAsset(QStringLiteral("tpl%1.dib").arg(id));
}

QImage LoadResPicture(int id)
{
    const QByteArray dib = templateResourceBytes(id);
    if (dib.size() < 40)
        throw PictureError(QStringLiteral("no template resource %1").arg(id));

    // The resource is a bitmap without its file header: put one in front, with
    // the pixel offset after the info header and the palette.
    const quint32 colours = qFromLittleEndian<quint32>(dib.constData() + 32);
    const quint32 infoSize = qFromLittleEndian<quint32>(dib.constData());
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    put32(file, 2, quint32(14 + dib.size()));
    put32(file, 10, 14 + infoSize + 4 * (colours ? colours : 256));
    file += dib;

    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    return readImage(&buffer, "bmp", QStringLiteral("template %1").arg(id));
}

QString programFolder()
{
    if (!g_programFolder.isEmpty())
        return g_programFolder;
    return QCoreApplication::applicationDirPath();
}

void setProgramFolder(const QString &folder)
{
    g_programFolder = folder;
}

QString programFile(const QString &name)
{
    const QString folder = programFolder();
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}
