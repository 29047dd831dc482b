// genassets: makes the pictures Zellforma carries inside itself and the C++
// source that compiles them in.
//
//   genassets <output folder>
//
// Writes tpl102.dib, tpl103.dib, tpl104.dib, icon16.png, icon32.png,
// about.jpg and assets.cpp (which implements embeddedAsset()) into the folder.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSaveFile>
#include <QString>
#include <QVector>

#include <cstdio>
#include <vector>

namespace {

// One blank sheet: size, the palette index every pixel holds, and the palette.
struct TemplateSheet
{
    const char *fileName;
    int width;
    int height;
    quint8 fillIndex;
    QVector<QRgb> palette;   // 256 entries
};

// 6 x 6 x 6 colour cube in entries 0..215 (entry b + 6r + 36g holds
// red 51r, green 51g, blue 51b), entries 216..255 black.
QVector<QRgb> cubePalette()
{
    QVector<QRgb> palette(256, qRgb(0, 0, 0));
    for (int g = 0; g < 6; ++g)
        for (int r = 0; r < 6; ++r)
            for (int b = 0; b < 6; ++b)
                palette[b + 6 * r + 36 * g] = qRgb(51 * r, 51 * g, 51 * b);
    return palette;
}

// The char set and face set sheets only ever use their fill entry; they get
// the same cube with that one entry set to the sheet's colour.
QVector<QRgb> cubeWithFill(int index, QRgb colour)
{
    QVector<QRgb> palette = cubePalette();
    palette[index] = colour;
    return palette;
}

void appendLe16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void appendLe32(QByteArray &out, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xff));
}

// A device-independent bitmap without file header: BITMAPINFOHEADER, 256
// palette entries (blue, green, red, 0), then the bottom-up rows. The widths
// are multiples of 4, so the rows need no padding.
QByteArray makeTemplate(const TemplateSheet &sheet)
{
    const quint32 pixelBytes = quint32(sheet.width) * quint32(sheet.height);
    QByteArray out;
    out.reserve(int(40 + 256 * 4 + pixelBytes));
    appendLe32(out, 40);                    // biSize
    appendLe32(out, quint32(sheet.width));  // biWidth
    appendLe32(out, quint32(sheet.height)); // biHeight, positive: bottom-up
    appendLe16(out, 1);                     // biPlanes
    appendLe16(out, 8);                     // biBitCount
    appendLe32(out, 0);                     // biCompression: BI_RGB
    appendLe32(out, pixelBytes);            // biSizeImage
    appendLe32(out, 2835);                  // biXPelsPerMeter
    appendLe32(out, 2835);                  // biYPelsPerMeter
    appendLe32(out, 256);                   // biClrUsed
    appendLe32(out, 256);                   // biClrImportant
    for (QRgb colour : sheet.palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
    out.append(QByteArray(int(pixelBytes), char(sheet.fillIndex)));
    return out;
}

// The window icon: coloured cells like a small tile sheet on a dark ground.
// Plain rectangles only (no antialiasing), so the colour count stays small:
// ground + six cell colours, plus a lighter edge per cell at 32 pixels.
QImage makeIcon(int size)
{
    static const QRgb cellColours[6] = {
        qRgb(76, 160, 64),   // grass
        qRgb(52, 112, 200),  // water
        qRgb(222, 196, 120), // sand
        qRgb(150, 96, 56),   // earth
        qRgb(200, 64, 72),   // roof
        qRgb(140, 140, 150), // stone
    };
    const bool large = size >= 32;
    const int cells = large ? 4 : 3;
    const int border = 1;
    const int gap = large ? 2 : 1;
    const int cell = (size - 2 * border - (cells - 1) * gap) / cells;

    QImage image(size, size, QImage::Format_RGB32);
    image.fill(qRgb(28, 28, 40));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int row = 0; row < cells; ++row) {
        for (int col = 0; col < cells; ++col) {
            const QColor colour = QColor::fromRgb(cellColours[(row * cells + col) % 6]);
            const QRect rect(border + col * (cell + gap), border + row * (cell + gap), cell, cell);
            painter.fillRect(rect, colour);
            if (large) {
                const QColor light = colour.lighter(135);
                painter.fillRect(QRect(rect.left(), rect.top(), cell, 1), light);
                painter.fillRect(QRect(rect.left(), rect.top(), 1, cell), light);
            }
        }
    }
    painter.end();
    return image;
}

// A small deterministic hash so the About picture comes out the same on
// every build.
quint32 mix(quint32 x, quint32 y)
{
    quint32 h = x * 0x9e3779b1u ^ (y + 0x7f4a7c15u) * 0x85ebca6bu;
    h ^= h >> 15;
    h *= 0xc2b2ae35u;
    h ^= h >> 13;
    return h;
}

// The About picture: an evening sky with a sun and soft clouds over hills and
// a field of map tiles. The band x 220..379, y 75..100 stays plain sky,
// because the version line is written there.
QImage makeAboutPicture()
{
    const int width = 379;
    const int height = 356;
    const int horizon = 196;
    const int tile = 16;
    const int groundTop = height - 9 * tile; // 212

    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, QColor(24, 44, 104));
    sky.setColorAt(0.55, QColor(86, 132, 204));
    sky.setColorAt(1.0, QColor(236, 196, 160));
    painter.fillRect(0, 0, width, groundTop, sky);

    QRadialGradient glow(QPointF(72, 64), 56);
    glow.setColorAt(0.0, QColor(255, 244, 200, 200));
    glow.setColorAt(1.0, QColor(255, 244, 200, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(72, 64), 56, 56);
    painter.setBrush(QColor(255, 236, 170));
    painter.drawEllipse(QPointF(72, 64), 20, 20);

    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(QRectF(16, 124, 120, 20));
    painter.drawEllipse(QRectF(56, 114, 90, 22));
    painter.drawEllipse(QRectF(180, 136, 150, 18));
    painter.drawEllipse(QRectF(230, 128, 80, 18));

    QPainterPath farHills;
    farHills.moveTo(0, groundTop);
    farHills.lineTo(0, 178);
    farHills.cubicTo(60, 150, 110, 168, 160, 172);
    farHills.cubicTo(220, 176, 260, 146, 320, 160);
    farHills.cubicTo(350, 166, 370, 170, width, 172);
    farHills.lineTo(width, groundTop);
    farHills.closeSubpath();
    painter.setBrush(QColor(74, 96, 140));
    painter.drawPath(farHills);

    QPainterPath nearHills;
    nearHills.moveTo(0, groundTop);
    nearHills.lineTo(0, 196);
    nearHills.cubicTo(80, 176, 140, 200, 210, 192);
    nearHills.cubicTo(270, 186, 320, 178, width, 194);
    nearHills.lineTo(width, groundTop);
    nearHills.closeSubpath();
    painter.setBrush(QColor(58, 112, 72));
    painter.drawPath(nearHills);

    // The field: a river runs down from the right, a sandy path crosses it,
    // grass in several shades elsewhere, a few trees.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, groundTop, width, height - groundTop, QColor(30, 40, 34));
    const int columns = (width + tile - 1) / tile;
    const int rows = (height - groundTop) / tile;
    for (int row = 0; row < rows; ++row) {
        const int riverCol = 17 - row + (row > 4 ? 1 : 0);
        for (int col = 0; col < columns; ++col) {
            const quint32 h = mix(quint32(col), quint32(row));
            QColor base;
            bool tree = false;
            if (col == riverCol || col == riverCol + 1)
                base = QColor(56, 120, 200);
            else if (row == 5)
                base = QColor(214, 186, 118);
            else {
                static const QColor grass[3] = {QColor(84, 164, 72), QColor(96, 176, 80),
                                                QColor(72, 150, 66)};
                base = grass[h % 3];
                tree = (h >> 8) % 9 == 0;
            }
            const QRect rect(col * tile, groundTop + row * tile, tile - 1, tile - 1);
            painter.fillRect(rect, base);
            painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), base.lighter(118));
            if (tree) {
                painter.setRenderHint(QPainter::Antialiasing, true);
                painter.fillRect(QRect(rect.left() + 6, rect.top() + 9, 3, 5), QColor(110, 72, 40));
                painter.setBrush(QColor(36, 100, 48));
                painter.drawEllipse(QRectF(rect.left() + 2, rect.top() + 1, 11, 10));
                painter.setRenderHint(QPainter::Antialiasing, false);
            }
        }
    }
    painter.end();
    return image;
}

QByteArray encode(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format, quality))
        return {};
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "genassets: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

struct Asset
{
    QByteArray name;
    QByteArray bytes;
};

// The C++ source: one static array per asset (16 hex bytes a line) and a
// lookup by name.
QByteArray makeSource(const std::vector<Asset> &assets)
{
    static const char hex[] = "0123456789abcdef";
    QByteArray out;
    out += "// Generated by tools/genassets. Do not edit.\n"
           "#include \"picture/embeddedassets.h\"\n\n"
           "namespace {\n\n";
    for (size_t i = 0; i < assets.size(); ++i) {
        const QByteArray &bytes = assets[i].bytes;
        out += "// " + assets[i].name + "\n";
        out += "const unsigned char asset" + QByteArray::number(qulonglong(i)) + "[] = {\n";
        for (qsizetype pos = 0; pos < bytes.size(); ++pos) {
            const quint8 b = quint8(bytes[pos]);
            out += "0x";
            out += hex[b >> 4];
            out += hex[b & 15];
            out += (pos % 16 == 15 || pos + 1 == bytes.size()) ? ",\n" : ",";
        }
        out += "};\n\n";
    }
    out += "struct Entry\n{\n    const char *name;\n    const unsigned char *data;\n"
           "    qsizetype size;\n};\n\n"
           "const Entry entries[] = {\n";
    for (size_t i = 0; i < assets.size(); ++i) {
        const QByteArray id = "asset" + QByteArray::number(qulonglong(i));
        out += "    {\"" + assets[i].name + "\", " + id + ", sizeof(" + id + ")},\n";
    }
    out += "};\n\n"
           "} // namespace\n\n"
           "QByteArray embeddedAsset(const QString &name)\n"
           "{\n"
           "    for (const Entry &entry : entries) {\n"
           "        if (name == QLatin1String(entry.name))\n"
           "            return QByteArray::fromRawData(reinterpret_cast<const char *>(entry.data),\n"
           "                                           entry.size);\n"
           "    }\n"
           "    return {};\n"
           "}\n";
    return out;
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc != 2) {
        std::fprintf(stderr, "usage: genassets <output folder>\n");
        return 2;
    }
    const QDir outDir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(outDir.path())) {
        std::fprintf(stderr, "genassets: cannot create %s\n", argv[1]);
        return 1;
    }

    const TemplateSheet sheets[] = {
        {"tpl102.dib", 480, 256, 105, cubePalette()},
        {"tpl103.dib", 288, 256, 167, cubeWithFill(167, qRgb(41, 156, 0))},
        {"tpl104.dib", 192, 192, 68, cubeWithFill(68, qRgb(65, 70, 165))},
    };

    std::vector<Asset> assets;
    for (const TemplateSheet &sheet : sheets)
        assets.push_back({sheet.fileName, makeTemplate(sheet)});
    assets.push_back({"icon16.png", encode(makeIcon(16), "PNG")});
    assets.push_back({"icon32.png", encode(makeIcon(32), "PNG")});
    assets.push_back({"about.jpg", encode(makeAboutPicture(), "JPEG", 90)});

    for (const Asset &asset : assets) {
        if (asset.bytes.isEmpty()) {
            std::fprintf(stderr, "genassets: cannot encode %s\n", asset.name.constData());
            return 1;
        }
        if (!writeFile(outDir.filePath(QString::fromLatin1(asset.name)), asset.bytes))
            return 1;
    }
    return writeFile(outDir.filePath(QStringLiteral("assets.cpp")), makeSource(assets)) ? 0 : 1;
}
