// Feeds LoadPicture thousands of malformed BMP files made from good ones, and
// the BMP Suite where it lies beside the project: every file must give a sane
// picture or a PictureError, never a crash, a hang or a huge allocation.

#include "picture/picturefile.h"
#include "testpictures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <random>

namespace {

// Highest side a loaded picture may have (the loader's own bound), and the
// most memory the whole run may ever have held.
constexpr int kMaxSide = 32767;
constexpr long kMaxPeakKb = 600L * 1024;
constexpr qint64 kMaxMsPerFile = 5000;

struct Bmp
{
    QString name;
    QByteArray bytes;
    QImage expected;   // what the good file shows
    int infoOffset = 14;
    int infoSize = 40;
    int pixelOffset = 0;
};

void put16(QByteArray &out, int at, quint16 value)
{
    qToLittleEndian<quint16>(value, out.data() + at);
}

void put32(QByteArray &out, int at, quint32 value)
{
    qToLittleEndian<quint32>(value, out.data() + at);
}

QList<QRgb> paletteFor(int bits)
{
    QList<QRgb> colours;
    for (int i = 0; i < (1 << bits); ++i)
        colours << qRgb((i * 67 + 13) & 0xff, (i * 151 + 7) & 0xff, (255 - i * 29) & 0xff);
    return colours;
}

int indexAt(int x, int y, int bits)
{
    return (x * 3 + y * 5 + x * y) % (1 << bits);
}

QRgb trueColourAt(int x, int y)
{
    return qRgb((x * 41 + y * 3) & 0xff, (y * 47 + x * 9) & 0xff, (x * y * 13 + 100) & 0xff);
}

// The row bytes of a palette picture at 1, 4 or 8 bits per pixel.
QByteArray packedRow(const QList<int> &indices, int bits)
{
    QByteArray row;
    int acc = 0;
    int used = 0;
    for (int index : indices) {
        acc = (acc << bits) | index;
        used += bits;
        if (used == 8) {
            row.append(char(acc));
            acc = 0;
            used = 0;
        }
    }
    if (used)
        row.append(char(acc << (8 - used)));
    while (row.size() % 4)
        row.append('\0');
    return row;
}

// Run-length rows of an RLE8 picture: encoded runs, absolute runs for
// stretches of differing pixels, end of line, end of bitmap.
QByteArray rle8(const QList<QList<int>> &rows)
{
    QByteArray out;
    for (const QList<int> &row : rows) {
        int x = 0;
        while (x < row.size()) {
            int run = 1;
            while (x + run < row.size() && row[x + run] == row[x] && run < 255)
                ++run;
            if (run >= 2) {
                out.append(char(run)).append(char(row[x]));
                x += run;
                continue;
            }
            int literal = 1;
            while (x + literal < row.size() && literal < 255
                   && !(x + literal + 1 < row.size() && row[x + literal] == row[x + literal + 1]))
                ++literal;
            if (literal >= 3) {
                out.append('\0').append(char(literal));
                for (int i = 0; i < literal; ++i)
                    out.append(char(row[x + i]));
                if (literal & 1)
                    out.append('\0');
            } else {
                for (int i = 0; i < literal; ++i)
                    out.append('\1').append(char(row[x + i]));
            }
            x += literal;
        }
        out.append('\0').append('\0');
    }
    out.append('\0').append('\1');
    return out;
}

// RLE4 in encoded runs of one index each.
QByteArray rle4(const QList<QList<int>> &rows)
{
    QByteArray out;
    for (const QList<int> &row : rows) {
        int x = 0;
        while (x < row.size()) {
            int run = 1;
            while (x + run < row.size() && row[x + run] == row[x] && run < 255)
                ++run;
            out.append(char(run)).append(char(row[x] << 4 | row[x]));
            x += run;
        }
        out.append('\0').append('\0');
    }
    out.append('\0').append('\1');
    return out;
}

enum class Kind { Pal1, Pal4, Pal8, Rle4, Rle8, Rgb16, Rgb24, Rgb32, Rgba32V4, Core8, Core24 };

// A good BMP of the given kind, with the picture it must show.
Bmp makeBmp(const QString &name, Kind kind, int width, int height, bool topDown = false)
{
    const bool core = kind == Kind::Core8 || kind == Kind::Core24;
    int bits = 8;
    switch (kind) {
    case Kind::Pal1: bits = 1; break;
    case Kind::Pal4: case Kind::Rle4: bits = 4; break;
    case Kind::Pal8: case Kind::Rle8: case Kind::Core8: bits = 8; break;
    case Kind::Rgb16: bits = 16; break;
    case Kind::Rgb24: case Kind::Core24: bits = 24; break;
    case Kind::Rgb32: case Kind::Rgba32V4: bits = 32; break;
    }
    const bool v4 = kind == Kind::Rgba32V4;
    const bool paletted = bits <= 8;
    const QList<QRgb> palette = paletted ? paletteFor(bits) : QList<QRgb>();

    QImage expected(width, height, QImage::Format_RGB32);
    QList<QList<int>> indexRows;   // top row first
    for (int y = 0; y < height; ++y) {
        QList<int> indices;
        for (int x = 0; x < width; ++x) {
            if (paletted) {
                // Runs of equal pixels for the RLE kinds, so that both modes occur.
                const int index = (kind == Kind::Rle8 || kind == Kind::Rle4)
                    ? ((x / 3 + y) % 5 == 0 ? indexAt(x, y, bits) : indexAt(x / 4, y, bits))
                    : indexAt(x, y, bits);
                indices << index;
                expected.setPixel(x, y, palette[index]);
            } else if (bits == 16) {
                const QRgb c = trueColourAt(x, y);
                // 5-6-5, each channel scaled to the full 0..255.
                const int r = qRed(c) >> 3, g = qGreen(c) >> 2, b = qBlue(c) >> 3;
                indices << (r << 11 | g << 5 | b);
                expected.setPixel(x, y, qRgb((r * 255 + 15) / 31, (g * 255 + 31) / 63,
                                             (b * 255 + 15) / 31));
            } else {
                expected.setPixel(x, y, trueColourAt(x, y));
            }
        }
        indexRows << indices;
    }

    const int infoSize = core ? 12 : v4 ? 108 : 40;
    const int masks = bits == 16 ? 12 : 0;
    const int paletteBytes = paletted ? int(palette.size()) * (core ? 3 : 4) : 0;
    const int pixelOffset = 14 + infoSize + masks + paletteBytes;

    QByteArray pixels;
    if (kind == Kind::Rle8) {
        QList<QList<int>> bottomUp(indexRows.rbegin(), indexRows.rend());
        pixels = rle8(bottomUp);
    } else if (kind == Kind::Rle4) {
        QList<QList<int>> bottomUp(indexRows.rbegin(), indexRows.rend());
        pixels = rle4(bottomUp);
    } else {
        for (int row = 0; row < height; ++row) {
            const int y = topDown ? row : height - 1 - row;
            QByteArray line;
            if (paletted) {
                line = packedRow(indexRows[y], bits);
            } else {
                for (int x = 0; x < width; ++x) {
                    if (bits == 16) {
                        line.append(char(indexRows[y][x] & 0xff)).append(char(indexRows[y][x] >> 8));
                        continue;
                    }
                    const QRgb c = expected.pixel(x, y);
                    line.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
                    if (bits == 32)
                        line.append(v4 ? '\xff' : '\0');
                }
                while (line.size() % 4)
                    line.append('\0');
            }
            pixels += line;
        }
    }

    QByteArray out(pixelOffset, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, quint32(pixelOffset + pixels.size()));
    put32(out, 10, quint32(pixelOffset));
    put32(out, 14, quint32(infoSize));
    if (core) {
        put16(out, 18, quint16(width));
        put16(out, 20, quint16(height));
        put16(out, 22, 1);
        put16(out, 24, quint16(bits));
    } else {
        put32(out, 18, quint32(width));
        put32(out, 22, quint32(topDown ? -height : height));
        put16(out, 26, 1);
        put16(out, 28, quint16(bits));
        const quint32 compression = kind == Kind::Rle8 ? 1 : kind == Kind::Rle4 ? 2
                                  : (bits == 16 || v4) ? 3 : 0;
        put32(out, 30, compression);
        put32(out, 34, quint32(pixels.size()));
        put32(out, 38, 2835);
        put32(out, 42, 2835);
        put32(out, 46, quint32(palette.size()));
        if (bits == 16) {
            put32(out, 54, 0xf800);
            put32(out, 58, 0x07e0);
            put32(out, 62, 0x001f);
        }
        if (v4) {
            // Colour masks with alpha inside the info header, then sRGB.
            put32(out, 54, 0x00ff0000);
            put32(out, 58, 0x0000ff00);
            put32(out, 62, 0x000000ff);
            put32(out, 66, 0xff000000);
            put32(out, 70, 0x73524742);
        }
    }
    for (int i = 0; i < palette.size(); ++i) {
        const int at = 14 + infoSize + (core ? 3 : 4) * i;
        out[at] = char(qBlue(palette[i]));
        out[at + 1] = char(qGreen(palette[i]));
        out[at + 2] = char(qRed(palette[i]));
    }
    out += pixels;

    Bmp bmp;
    bmp.name = name;
    bmp.bytes = out;
    bmp.expected = expected;
    bmp.infoSize = infoSize;
    bmp.pixelOffset = pixelOffset;
    return bmp;
}

QList<Bmp> goodFiles()
{
    return {
        makeBmp(QStringLiteral("1 bit"), Kind::Pal1, 19, 7),
        makeBmp(QStringLiteral("4 bit"), Kind::Pal4, 13, 6),
        makeBmp(QStringLiteral("8 bit"), Kind::Pal8, 11, 9),
        makeBmp(QStringLiteral("8 bit top-down"), Kind::Pal8, 6, 5, true),
        makeBmp(QStringLiteral("RLE4"), Kind::Rle4, 10, 4),
        makeBmp(QStringLiteral("RLE8"), Kind::Rle8, 23, 6),
        makeBmp(QStringLiteral("16 bit 5-6-5"), Kind::Rgb16, 9, 5),
        makeBmp(QStringLiteral("24 bit"), Kind::Rgb24, 10, 5),
        makeBmp(QStringLiteral("32 bit"), Kind::Rgb32, 7, 4),
        makeBmp(QStringLiteral("32 bit with alpha, V4 header"), Kind::Rgba32V4, 6, 5),
        makeBmp(QStringLiteral("OS/2 8 bit"), Kind::Core8, 5, 4),
        makeBmp(QStringLiteral("OS/2 24 bit"), Kind::Core24, 5, 3),
    };
}

// Qt's readers warn about much of what they are fed here; the run keeps quiet
// while it loads, so that the test log shows the faults only.
bool g_quiet = false;
QtMessageHandler g_previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (g_quiet && type != QtFatalMsg)
        return;
    g_previousHandler(type, context, message);
}

// Keeps the readers quiet while it lives.
struct Quiet
{
    Quiet() { g_quiet = true; }
    ~Quiet() { g_quiet = false; }
};

// Loads a file over freshly allocated memory that starts out holding the
// given byte, so that pixels the loader leaves undefined show up as a
// difference between two loads.
QImage loadOver(const QString &path, int fillByte)
{
    const Quiet quiet;
    mallopt(M_PERTURB, fillByte);
    QImage image;
    try {
        image = LoadPicture(path);
    } catch (const PictureError &) {
    }
    mallopt(M_PERTURB, 0);
    return image;
}

long peakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// One malformed file and what was done to it.
struct Mutant
{
    QString what;
    QByteArray bytes;
    bool mustRefuse = false;
};

QList<Mutant> mutantsOf(const Bmp &bmp, std::mt19937 &random)
{
    QList<Mutant> mutants;
    const QByteArray &good = bmp.bytes;

    // Cut off at every byte of the headers and the palette, then at a few
    // places in the pixels.
    for (int size = 0; size <= bmp.pixelOffset && size < good.size(); ++size)
        mutants << Mutant{QStringLiteral("cut at %1").arg(size), good.left(size)};
    for (int size = bmp.pixelOffset + 1; size < good.size(); size += 7)
        mutants << Mutant{QStringLiteral("cut at %1").arg(size), good.left(size)};

    // Header fields set to values that do not fit.
    const quint32 values[] = {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 12u, 15u, 16u, 31u, 32u, 33u,
                              64u, 255u, 256u, 257u, 4095u, 32767u, 32768u, 65535u, 65536u,
                              0x7fffffffu, 0x80000000u, 0xfffffffeu, 0xffffffffu,
                              quint32(good.size()), quint32(good.size() + 1)};
    struct Field { const char *name; int at; int size; };
    const bool core = bmp.infoSize == 12;
    const QList<Field> fields = core
        ? QList<Field>{{"file size", 2, 4}, {"pixel offset", 10, 4}, {"header size", 14, 4},
                       {"width", 18, 2}, {"height", 20, 2}, {"planes", 22, 2}, {"bit count", 24, 2}}
        : QList<Field>{{"file size", 2, 4}, {"pixel offset", 10, 4}, {"header size", 14, 4},
                       {"width", 18, 4}, {"height", 22, 4}, {"planes", 26, 2},
                       {"bit count", 28, 2}, {"compression", 30, 4}, {"image size", 34, 4},
                       {"colours used", 46, 4}, {"important colours", 50, 4}};
    for (const Field &field : fields) {
        for (quint32 value : values) {
            QByteArray bytes = good;
            if (field.size == 2)
                put16(bytes, field.at, quint16(value));
            else
                put32(bytes, field.at, value);
            mutants << Mutant{QStringLiteral("%1 = %2").arg(QLatin1String(field.name)).arg(value),
                              bytes};
        }
    }

    // Header sizes that Qt's reader takes for the old 12-byte header, in front
    // of a few bytes it would read as a blank 4000 x 4000 picture.
    for (quint32 size : {0x80000000u, 0x980000f9u, 0xfffffff4u, 0xffffffffu, 16u, 52u}) {
        QByteArray bytes = good.left(29);
        put32(bytes, 14, size);
        put16(bytes, 18, 4000);
        put16(bytes, 20, 4000);
        put16(bytes, 22, 1);
        put16(bytes, 24, 24);
        mutants << Mutant{QStringLiteral("29 bytes, header size %1").arg(size, 0, 16), bytes, true};
    }

    // A pixel offset short of the palette's end: the reader starts on the
    // rows after it all the same, so a file a byte short of them is cut off.
    const quint32 compression = core ? 0 : qFromLittleEndian<quint32>(good.constData() + 30);
    for (quint32 offset : {0u, 14u, quint32(bmp.pixelOffset - 1)}) {
        QByteArray bytes = good.chopped(compression == 1 || compression == 2 ? 0 : 1);
        put32(bytes, 10, offset);
        mutants << Mutant{QStringLiteral("pixel offset %1, a byte short").arg(offset), bytes,
                          bytes.size() < good.size()};
    }
    // Every row there, but one pixel wider than the loader takes.
    if (!core) {
        QByteArray bytes = good.left(bmp.pixelOffset);
        put32(bytes, 18, kMaxSide + 1);
        const int bits = qFromLittleEndian<quint16>(good.constData() + 28);
        bytes += QByteArray(bmp.expected.height() * (((kMaxSide + 1) * bits + 31) / 32 * 4), '\0');
        mutants << Mutant{QStringLiteral("complete, %1 wide").arg(kMaxSide + 1), bytes, true};
    }

    // Huge, negative and zero dimensions together.
    if (!core) {
        const qint32 sides[] = {0, 1, -1, 7, 5000, 8192, 11000, 16000, 16384, 32767, 32768, 32769, 46341, 65536,
                                1 << 20, -32768, std::numeric_limits<qint32>::max(),
                                std::numeric_limits<qint32>::min()};
        for (qint32 width : sides) {
            for (qint32 height : sides) {
                QByteArray bytes = good;
                put32(bytes, 18, quint32(width));
                put32(bytes, 22, quint32(height));
                mutants << Mutant{QStringLiteral("%1 x %2").arg(width).arg(height), bytes};
            }
        }
    }

    // Bytes overwritten at random, mostly in the headers and the palette.
    std::uniform_int_distribution<int> count(1, 6);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> inHeader(0, bmp.pixelOffset + 3);
    std::uniform_int_distribution<int> anywhere(0, int(good.size()) - 1);
    std::uniform_int_distribution<int> coin(0, 3);
    for (int i = 0; i < 160; ++i) {
        QByteArray bytes = good;
        QStringList changes;
        for (int n = count(random); n > 0; --n) {
            const int at = qMin(int(good.size()) - 1, coin(random) ? inHeader(random) : anywhere(random));
            bytes[at] = char(byte(random));
            changes << QString::number(at);
        }
        mutants << Mutant{QStringLiteral("bytes changed at %1").arg(changes.join(QLatin1Char(','))),
                          bytes};
    }
    return mutants;
}

// Loads one file; a picture must be sane, a refusal must be a PictureError.
// Returns an explanation of what went wrong, or an empty string.
QString tryLoad(const QString &path, bool *loaded)
{
    *loaded = false;
    QElapsedTimer timer;
    timer.start();
    const Quiet quiet;
    try {
        const QImage image = LoadPicture(path);
        if (image.isNull())
            return QStringLiteral("a null picture without an error");
        if (image.format() != QImage::Format_RGB32)
            return QStringLiteral("format %1").arg(int(image.format()));
        if (image.width() < 1 || image.height() < 1 || image.width() > kMaxSide
            || image.height() > kMaxSide)
            return QStringLiteral("size %1 x %2").arg(image.width()).arg(image.height());
        *loaded = true;
    } catch (const PictureError &) {
    }
    if (timer.elapsed() > kMaxMsPerFile)
        return QStringLiteral("took %1 ms").arg(timer.elapsed());
    if (peakRssKb() > kMaxPeakKb)
        return QStringLiteral("peak memory %1 MB").arg(peakRssKb() / 1024);
    return {};
}

// The largest difference of one colour channel; 256 for a different size.
int largestDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return 256;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = qMax(largest, qMax(qMax(qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q))),
                                         qAbs(qBlue(p) - qBlue(q))));
        }
    }
    return largest;
}

} // namespace

class TestBadBmp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void goodFilesLoad_data();
    void goodFilesLoad();
    void malformed_data();
    void malformed();
    void bmpSuite_data();
    void bmpSuite();
    void oneLoadWithinLimit();
    void peakMemory();

private:
    QTemporaryDir m_dir;
};

void TestBadBmp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    g_previousHandler = qInstallMessageHandler(quietHandler);
}

void TestBadBmp::goodFilesLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QImage>("expected");
    for (const Bmp &bmp : goodFiles())
        QTest::newRow(qPrintable(bmp.name)) << bmp.bytes << bmp.expected;
    // White stays white in 5-5-5 without bit fields too.
    Bmp white = makeBmp(QString(), Kind::Rgb16, 3, 2);
    put32(white.bytes, 30, 0);
    white.bytes.replace(white.pixelOffset, 16, QByteArray(16, '\xff'));
    white.expected.fill(Qt::white);
    QTest::newRow("16 bit white, 5-5-5") << white.bytes << white.expected;
    // A pixel offset pointing into the headers: the rows follow the palette.
    for (Bmp bmp : goodFiles()) {
        put32(bmp.bytes, 10, 0);
        QTest::newRow(qPrintable(bmp.name + QStringLiteral(", pixel offset 0"))) << bmp.bytes << bmp.expected;
    }
    // An alpha mask without bit fields: the colours as behind a 40-byte header.
    Bmp alpha = makeBmp(QString(), Kind::Rgba32V4, 6, 5);
    put32(alpha.bytes, 30, 0);
    for (int at = alpha.pixelOffset + 3; at < alpha.bytes.size(); at += 8)
        alpha.bytes[at] = '\0';
    QTest::newRow("32 bit, alpha mask, no bit fields") << alpha.bytes << alpha.expected;
    const Bmp wide = makeBmp(QStringLiteral("1 bit, widest"), Kind::Pal1, kMaxSide, 1);
    QTest::newRow(qPrintable(wide.name)) << wide.bytes << wide.expected;
}

// The files the malformed ones are made from must load right themselves.
void TestBadBmp::goodFilesLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QImage, expected);
    const QString path = m_dir.filePath(QStringLiteral("good.bmp"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QImage image = LoadPicture(path);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), expected.size());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb got = image.pixel(x, y);
            const QRgb want = expected.pixel(x, y);
            QVERIFY2(got == want, qPrintable(QStringLiteral("pixel %1,%2: %3 for %4")
                         .arg(x).arg(y).arg(got, 8, 16).arg(want, 8, 16)));
        }
    }
}

void TestBadBmp::malformed_data()
{
    QTest::addColumn<int>("base");
    const QList<Bmp> bases = goodFiles();
    for (int i = 0; i < bases.size(); ++i)
        QTest::newRow(qPrintable(bases[i].name)) << i;
}

void TestBadBmp::malformed()
{
    QFETCH(int, base);
    const Bmp bmp = goodFiles().at(base);
    std::mt19937 random(20240517u + quint32(base));
    const QList<Mutant> mutants = mutantsOf(bmp, random);

    const QString path = m_dir.filePath(QStringLiteral("bad.bmp"));
    int loaded = 0;
    QStringList faults;
    QElapsedTimer timer;
    timer.start();
    for (const Mutant &mutant : mutants) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(mutant.bytes);
        file.close();
        bool ok = false;
        const QString fault = tryLoad(path, &ok);
        if (fault.isEmpty() && ok && mutant.mustRefuse)
            faults << mutant.what + QStringLiteral(": loaded, must be refused");
        else if (!fault.isEmpty())
            faults << mutant.what + QStringLiteral(": ") + fault;
        loaded += ok;
    }
    qInfo("%s: %d files, %d loaded, %d refused, %lld ms", qPrintable(bmp.name),
          int(mutants.size()), loaded, int(mutants.size()) - loaded, timer.elapsed());
    QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 faults, among them:\n  ").arg(faults.size())
                                          + faults.mid(0, 12).join(QStringLiteral("\n  "))));
}

void TestBadBmp::bmpSuite_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("mustLoad");
    QTest::addColumn<QStringList>("references");
    const QString suite = QStringLiteral(ZF_SHARED_TESTDATA "/bmpsuite");
    if (!QDir(suite).exists()) {
        QTest::newRow("no suite") << QString() << false << QStringList();
        return;
    }

    // What each good file must look like: "file<TAB>ref1|ref2", or "-".
    QHash<QString, QStringList> references;
    QFile map(suite + QStringLiteral("/reference-map.tsv"));
    if (map.open(QIODevice::ReadOnly | QIODevice::Text)) {
        while (!map.atEnd()) {
            const QString line = QString::fromUtf8(map.readLine()).trimmed();
            const QStringList parts = line.split(QLatin1Char('\t'));
            if (line.startsWith(QLatin1Char('#')) || parts.size() != 2 || parts[1] == QLatin1String("-"))
                continue;
            QStringList files;
            for (const QString &ref : parts[1].split(QLatin1Char('|')))
                files << suite + QStringLiteral("/ref/") + ref;
            references.insert(parts[0], files);
        }
    }

    for (const char *folder : {"g", "q", "b", "x"}) {
        const QDir dir(suite + QLatin1Char('/') + QLatin1String(folder));
        for (const QString &name : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name)) {
            const QString key = QLatin1String(folder) + QLatin1Char('/') + name;
            const bool good = QLatin1String(folder) == QLatin1String("g");
            QTest::newRow(qPrintable(key)) << dir.filePath(name) << good << references.value(key);
        }
    }
}

void TestBadBmp::bmpSuite()
{
    if (!QDir(QStringLiteral(ZF_SHARED_TESTDATA "/bmpsuite")).exists())
        QSKIP("no BMP Suite beside the project (testdata/bmpsuite)");
    QFETCH(QString, path);
    QFETCH(bool, mustLoad);
    QFETCH(QStringList, references);
    bool loaded = false;
    const QString fault = tryLoad(path, &loaded);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    QVERIFY2(loaded || !mustLoad, "a good file was refused");
    if (!loaded)
        return;

    // Every pixel is defined, also where run-length codes skip pixels or end
    // early: two loads over differently filled memory give the same picture.
    const QImage image = loadOver(path, 0x5a);
    QVERIFY(image == loadOver(path, 0xa5));

    // A good file shows exactly what the suite's reference shows (any of
    // them); so does a run-length file that skips pixels, which shows them
    // in the first palette colour.
    if (!mustLoad && !path.contains(QLatin1String("rle")))
        return;
    QStringList mismatches;
    for (const QString &reference : references) {
        const QImage want = QImage(reference).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!want.isNull(), qPrintable(reference));
        const int off = largestDifference(image, want);
        if (off == 0)
            return;
        mismatches << QStringLiteral("%1 (%2)").arg(QFileInfo(reference).fileName()).arg(off);
    }
    QVERIFY2(references.isEmpty(), qPrintable(QStringLiteral("differs from ") + mismatches.join(QStringLiteral(", "))));
}

// A run-length file of 1,080 bytes can announce 8192 x 8192 pixels: the
// load, conversion to the working format included, never maps more than the
// 256 MB limit (and a little for the reader) beyond what the process holds.
void TestBadBmp::oneLoadWithinLimit()
{
    const int side = 8192;
    Bmp bmp = makeBmp(QString(), Kind::Rle8, 1, 1);
    bmp.bytes = bmp.bytes.left(bmp.pixelOffset) + QByteArray("\0\1", 2);   // end of bitmap
    put32(bmp.bytes, 2, quint32(bmp.bytes.size()));
    put32(bmp.bytes, 18, quint32(side));
    put32(bmp.bytes, 22, quint32(side));
    const QString path = m_dir.filePath(QStringLiteral("large.bmp"));
    QVERIFY(writeFile(path, bmp.bytes));

    QFile statm(QStringLiteral("/proc/self/statm"));
    QVERIFY(statm.open(QIODevice::ReadOnly));
    const qint64 mapped = statm.readAll().split(' ').value(0).toLongLong() * sysconf(_SC_PAGESIZE);
    rlimit before {};
    QCOMPARE(getrlimit(RLIMIT_AS, &before), 0);
    rlimit bounded = before;
    bounded.rlim_cur = rlim_t(mapped + (256 + 32) * 1024 * 1024);
    QCOMPARE(setrlimit(RLIMIT_AS, &bounded), 0);
    QImage image;
    bool refused = false;
    try {
        image = LoadPicture(path);
    } catch (const PictureError &) {
        refused = true;
    }
    setrlimit(RLIMIT_AS, &before);
    QVERIFY(refused || image.size() == QSize(side, side));
}

void TestBadBmp::peakMemory()
{
    const long peakKb = peakRssKb();
    qInfo("peak memory of the whole run: %ld MB", peakKb / 1024);
    QVERIFY(peakKb < kMaxPeakKb);
}

QTEST_MAIN(TestBadBmp)
#include "tst_badbmp.moc"
