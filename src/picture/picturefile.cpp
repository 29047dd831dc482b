#include "picturefile.h"

#include "embeddedassets.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>

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

// Whether a picture of this size can be held in the working format within the
// allocation limit. The reader's own limit counts the format on disk, which
// for a 1-bit file is a thirty-second of the working picture.
bool fitsWorkingFormat(const QSize &size)
{
    if (size.width() < 1 || size.height() < 1 || size.width() > kMaxSide
        || size.height() > kMaxSide)
        return false;
    return qint64(size.width()) * size.height() * 4 <= qint64(kAllocationLimitMb) * 1024 * 1024;
}

QImage toWorkingFormat(QImage image)
{
    // In place where the depth allows, so a large picture is not held twice.
    image.convertTo(QImage::Format_RGB32);
    return image;
}

QImage readImage(QIODevice *device, const QByteArray &format, const QString &name)
{
    QImageReader reader(device, format);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kAllocationLimitMb);
    // The header's size, before anything is allocated; the picture is checked
    // again below for readers that cannot tell it in advance.
    const QSize announced = reader.size();
    if (announced.isValid() && !fitsWorkingFormat(announced))
        throw PictureError(QStringLiteral("%1: picture too large").arg(name));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        throw PictureError(QStringLiteral("%1: %2").arg(name, reader.errorString()));
    if (!fitsWorkingFormat(image.size()))
        throw PictureError(QStringLiteral("%1: picture too large").arg(name));
    return toWorkingFormat(std::move(image));
}

// An uncompressed BMP must hold every row its header announces; Qt's reader
// would fill the missing rows with black and report success, so a cut-off
// file would quietly replace a sheet with a damaged one.
bool bmpIsCutOff(QIODevice &device)
{
    const QByteArray head = device.peek(34);
    if (head.size() < 34 || !head.startsWith("BM"))
        return false;
    const auto u16 = [&head](int at) { return qFromLittleEndian<quint16>(head.constData() + at); };
    const auto u32 = [&head](int at) { return qFromLittleEndian<quint32>(head.constData() + at); };
    const qint64 offset = u32(10);
    const quint32 infoSize = u32(14);
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = u16(18);
        height = u16(20);
        bits = u16(24);
    } else if (infoSize >= 40) {
        width = qint32(u32(18));
        height = qint32(u32(22));
        bits = u16(28);
        compression = u32(30);
    } else {
        return false;
    }
    // Run-length and embedded formats have no size to check in advance.
    if (compression != 0 && compression != 3 && compression != 6)
        return false;
    if (width <= 0 || bits <= 0 || bits > 32)
        return false;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    const qint64 needed = offset + stride * qAbs(height);
    return device.size() < needed;
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
    if (bmpIsCutOff(file))
        throw PictureError(QStringLiteral("%1: the file is cut off").arg(path));
    return readImage(&file, QByteArray(), path);
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
