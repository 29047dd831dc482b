// Checks the picture layer the pages are built on: the clip, the picture
// view, the picture file functions, the program folder and the dialog seam.

#include "picture/cellcopier.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "scripteddialogs.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// Every pixel differs from its neighbours, so a cut from the wrong place shows.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 5) & 0xff, (y * 53 + x) & 0xff, (x * y * 7 + 11) & 0xff));
    return image;
}

QImage filled(int width, int height, const QColor &colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Four quadrants of their own colour, each `half` pixels square.
QImage quadrants(int half)
{
    QImage image(2 * half, 2 * half, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    painter.fillRect(half, 0, half, half, Qt::green);
    painter.fillRect(0, half, half, half, Qt::blue);
    painter.fillRect(half, half, half, half, Qt::yellow);
    return image;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 le32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

bool throwsPictureError(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const PictureError &) {
        return true;
    }
    return false;
}

// Pastes `count` times into a sheet of one colour, flattening through the
// program folder each time; false as soon as the picture holds anything else.
bool flattenLoop(const QString &folder, const QColor &colour, int count)
{
    setProgramFolder(folder);
    PictureView view;
    view.resize(480, 256);
    view.setPicture(filled(480, 256, colour));
    const QImage piece = filled(16, 16, colour);
    for (int i = 0; i < count; ++i) {
        view.PaintPicture(piece, (i * 16) % 480, (i / 30 * 16) % 256, 16, 16);
        flattenThroughDump(view);
        const QImage picture = view.picture();
        if (picture.pixel(0, 0) != colour.rgb() || picture.pixel(479, 255) != colour.rgb())
            return false;
    }
    return true;
}

} // namespace

class TestPictureLayer : public QObject
{
    Q_OBJECT

private slots:
    void clipCuts_data();
    void clipCuts();
    void clipStretches_data();
    void clipStretches();
    void clipRefuses_data();
    void clipRefuses();

    void viewImageVersusPicture();
    void viewPaintScales();
    void viewPaintClippedAtEdge_data();
    void viewPaintClippedAtEdge();
    void viewPictureLargerThanView();
    void viewSetPictureRestartsSurface();
    void viewShapesNeverInImage();
    void viewBorder();
    void viewSurfaceBeforeFirstShow();
    void flattenNeverTakesAnotherProgramsSheet();

    void saveHeader_data();
    void saveHeader();
    void saveRoundTrip_data();
    void saveRoundTrip();
    void saveReplacesExisting();
    void failedSaveKeepsExisting_data();
    void failedSaveKeepsExisting();

    void loadResPicture_data();
    void loadResPicture();
    void loadResPictureUnknown();
    void loadFormats_data();
    void loadFormats();
    void loadFailures_data();
    void loadFailures();

    void programFile_data();
    void programFile();

    void fileDialogRemembers();
    void fileDialogStartName();
    void messageTitle_data();
    void messageTitle();
};

// ---- clip -----------------------------------------------------------------

void TestPictureLayer::clipCuts_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::newRow("top-left") << QRect(0, 0, 4, 3);
    QTest::newRow("inside") << QRect(5, 2, 6, 7);
    QTest::newRow("whole picture") << QRect(0, 0, 20, 12);
    QTest::newRow("bottom-right corner") << QRect(16, 9, 4, 3);
    QTest::newRow("one pixel") << QRect(19, 11, 1, 1);
}

void TestPictureLayer::clipCuts()
{
    QFETCH(QRect, rect);
    const QImage source = pattern(20, 12);
    PictureClip clip;
    clip.setPicture(source);
    clip.setClipX(rect.x());
    clip.setClipY(rect.y());
    clip.setClipHeight(rect.height());
    clip.setClipWidth(rect.width());
    const QImage piece = clip.Clip();
    QCOMPARE(piece.size(), rect.size());
    for (int y = 0; y < rect.height(); ++y)
        for (int x = 0; x < rect.width(); ++x)
            QCOMPARE(piece.pixel(x, y), source.pixel(rect.x() + x, rect.y() + y));
}

void TestPictureLayer::clipStretches_data()
{
    // The clip cuts the whole 8 x 8 quadrant picture (or one quadrant of it)
    // and stretches it; each quadrant must come out as one block.
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QSize>("stretch");
    QTest::newRow("up twofold") << QRect(0, 0, 8, 8) << QSize(16, 16);
    QTest::newRow("down to a half") << QRect(0, 0, 8, 8) << QSize(4, 4);
    QTest::newRow("uneven") << QRect(0, 0, 8, 8) << QSize(24, 10);
    QTest::newRow("same size") << QRect(0, 0, 8, 8) << QSize(8, 8);
    QTest::newRow("one quadrant up") << QRect(4, 4, 4, 4) << QSize(16, 32);
}

void TestPictureLayer::clipStretches()
{
    QFETCH(QRect, rect);
    QFETCH(QSize, stretch);
    const QImage source = quadrants(4);
    PictureClip clip;
    clip.setPicture(source);
    clip.setClipX(rect.x());
    clip.setClipY(rect.y());
    clip.setClipHeight(rect.height());
    clip.setClipWidth(rect.width());
    clip.setStretchX(stretch.width());
    clip.setStretchY(stretch.height());
    const QImage piece = clip.Clip();
    QCOMPARE(piece.size(), stretch);

    // Every pixel of the result shows the source pixel it stands for; the
    // test looks only at pixels whose source is unambiguous (not on a seam).
    for (int y = 0; y < stretch.height(); ++y) {
        for (int x = 0; x < stretch.width(); ++x) {
            const double sx = rect.x() + (x + 0.5) * rect.width() / stretch.width();
            const double sy = rect.y() + (y + 0.5) * rect.height() / stretch.height();
            const double nearSeamX = std::abs(sx - 4.0) * stretch.width() / rect.width();
            const double nearSeamY = std::abs(sy - 4.0) * stretch.height() / rect.height();
            if (nearSeamX < 1.0 || nearSeamY < 1.0)
                continue;
            QCOMPARE(QColor(piece.pixel(x, y)), QColor(source.pixel(int(sx), int(sy))));
        }
    }
}

void TestPictureLayer::clipRefuses_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QSize>("stretch"); // invalid: no stretch

    const QRect fine(2, 2, 4, 4);
    QTest::newRow("no picture") << false << fine << QSize();
    QTest::newRow("no picture, stretched") << false << fine << QSize(8, 8);
    QTest::newRow("zero width") << true << QRect(2, 2, 0, 4) << QSize();
    QTest::newRow("zero height") << true << QRect(2, 2, 4, 0) << QSize();
    QTest::newRow("negative width") << true << QRect(6, 2, -4, 4) << QSize();
    QTest::newRow("wholly outside") << true << QRect(30, 30, 4, 4) << QSize();
    QTest::newRow("left of the picture") << true << QRect(-1, 2, 4, 4) << QSize();
    QTest::newRow("above the picture") << true << QRect(2, -3, 4, 4) << QSize();
    QTest::newRow("over the right edge") << true << QRect(17, 2, 4, 4) << QSize();
    QTest::newRow("over the bottom edge") << true << QRect(2, 9, 4, 4) << QSize();
    QTest::newRow("bigger than the picture") << true << QRect(0, 0, 21, 13) << QSize();
    QTest::newRow("outside, stretched") << true << QRect(17, 2, 4, 4) << QSize(16, 16);
    QTest::newRow("stretched to nothing") << true << fine << QSize(0, 8);
}

void TestPictureLayer::clipRefuses()
{
    QFETCH(bool, withPicture);
    QFETCH(QRect, rect);
    QFETCH(QSize, stretch);
    PictureClip clip;
    if (withPicture)
        clip.setPicture(pattern(20, 12));
    clip.setClipX(rect.x());
    clip.setClipY(rect.y());
    clip.setClipHeight(rect.height());
    clip.setClipWidth(rect.width());
    if (stretch.isValid()) {
        clip.setStretchX(stretch.width());
        clip.setStretchY(stretch.height());
    }
    QVERIFY(throwsPictureError([&] { clip.Clip(); }));
}

// ---- picture view ---------------------------------------------------------

void TestPictureLayer::flattenNeverTakesAnotherProgramsSheet()
{
    // Two copies of the program paste through one folder at the same time.
    QTemporaryDir dir;
    QProcess other;
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--flatten-loop"), dir.path(), QStringLiteral("red")});
    QVERIFY(other.waitForStarted());
    const bool ours = flattenLoop(dir.path(), Qt::blue, 400);
    QVERIFY(other.waitForFinished(60000));
    QVERIFY(ours);
    QCOMPARE(other.exitCode(), 0);
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("dump.bmp"))));
}

void TestPictureLayer::viewImageVersusPicture()
{
    const QColor background(1, 2, 3);
    const QImage source = pattern(10, 8);
    PictureView view;
    view.resize(30, 20);
    view.setBackgroundColor(background);
    view.setPicture(source);

    QImage image = view.image();
    QCOMPARE(image.size(), QSize(30, 20));
    QCOMPARE(image.copy(0, 0, 10, 8), source);
    QCOMPARE(QColor(image.pixel(10, 0)), background);
    QCOMPARE(QColor(image.pixel(0, 8)), background);
    QCOMPARE(QColor(image.pixel(29, 19)), background);

    view.PaintPicture(filled(4, 4, Qt::red), 8, 2, 4, 4);
    image = view.image();
    QCOMPARE(QColor(image.pixel(8, 2)), QColor(Qt::red));    // over the picture
    QCOMPARE(QColor(image.pixel(11, 5)), QColor(Qt::red));   // over the background
    QCOMPARE(QColor(image.pixel(7, 2)), QColor(source.pixel(7, 2)));
    QCOMPARE(QColor(image.pixel(12, 5)), background);
    QCOMPARE(view.picture(), source);                        // the picture keeps no paint
}

void TestPictureLayer::viewPaintScales()
{
    PictureView view;
    view.resize(12, 8);
    view.setPicture(filled(12, 8, Qt::white));
    view.PaintPicture(quadrants(1), 2, 1, 6, 4);
    const QImage image = view.image();
    const struct { int x, y; QColor colour; } probes[] = {
        {2, 1, Qt::red},    {4, 2, Qt::red},    {5, 1, Qt::green}, {7, 2, Qt::green},
        {2, 3, Qt::blue},   {4, 4, Qt::blue},   {5, 3, Qt::yellow}, {7, 4, Qt::yellow},
        {1, 1, Qt::white},  {8, 4, Qt::white},  {2, 0, Qt::white},  {2, 5, Qt::white},
    };
    for (const auto &probe : probes)
        QCOMPARE(QColor(image.pixel(probe.x, probe.y)), probe.colour);
}

void TestPictureLayer::viewPaintClippedAtEdge_data()
{
    QTest::addColumn<QRect>("target");
    QTest::newRow("over the right edge") << QRect(27, 4, 8, 8);
    QTest::newRow("over the bottom edge") << QRect(4, 17, 8, 8);
    QTest::newRow("over the corner") << QRect(26, 16, 8, 8);
    QTest::newRow("left and top of the view") << QRect(-5, -6, 8, 8);
    QTest::newRow("wholly outside") << QRect(40, 40, 8, 8);
    QTest::newRow("bigger than the view") << QRect(-10, -10, 60, 50);
}

void TestPictureLayer::viewPaintClippedAtEdge()
{
    QFETCH(QRect, target);
    PictureView view;
    view.resize(30, 20);
    const QImage before = pattern(30, 20);
    view.setPicture(before);
    view.PaintPicture(filled(3, 3, Qt::red), target.x(), target.y(), target.width(),
                      target.height());

    const QImage image = view.image();
    QCOMPARE(image.size(), QSize(30, 20));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            QCOMPARE(QColor(image.pixel(x, y)),
                     target.contains(x, y) ? QColor(Qt::red) : QColor(before.pixel(x, y)));
}

void TestPictureLayer::viewPictureLargerThanView()
{
    const QImage source = pattern(50, 40);
    PictureView view;
    view.resize(30, 20);
    view.setPicture(source);
    QCOMPARE(view.picture(), source);
    QCOMPARE(view.image(), source.copy(0, 0, 30, 20));
}

void TestPictureLayer::viewSetPictureRestartsSurface()
{
    PictureView view;
    view.resize(20, 20);
    view.setBackgroundColor(Qt::white);
    view.setPicture(filled(10, 10, Qt::blue));
    view.PaintPicture(filled(1, 1, Qt::red), 12, 12, 5, 5);
    view.PaintPicture(filled(1, 1, Qt::red), 0, 0, 5, 5);

    const QImage next = pattern(10, 10);
    view.setPicture(next);
    const QImage image = view.image();
    QCOMPARE(image.copy(0, 0, 10, 10), next);
    QCOMPARE(QColor(image.pixel(14, 14)), QColor(Qt::white));
}

void TestPictureLayer::viewShapesNeverInImage()
{
    const QColor background(10, 20, 30);
    PictureView view;
    view.resize(30, 20);
    view.setBackgroundColor(background);
    view.setPicture(filled(30, 20, background));
    RectShape *shape = view.addShape(QStringLiteral("sel"), 4, 4, 16, 10);
    QCOMPARE(shape->objectName(), QStringLiteral("sel"));
    QCOMPARE(shape->parent(), &view);

    // On screen the outline shows...
    const QImage screen = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(QColor(screen.pixel(4, 4)) != background);
    QVERIFY(QColor(screen.pixel(19, 13)) != background);
    QCOMPARE(QColor(screen.pixel(10, 8)), background);

    // ...but neither the picture nor the drawing surface holds it, nor does a
    // save of the surface.
    QCOMPARE(view.image(), filled(30, 20, background));
    QCOMPARE(view.picture(), filled(30, 20, background));
    view.PaintPicture(filled(1, 1, background), 0, 0, 30, 20);
    QCOMPARE(view.image(), filled(30, 20, background));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.bmp"));
    SavePicture(view.image(), path);
    QCOMPARE(LoadPicture(path), filled(30, 20, background));
}

void TestPictureLayer::viewBorder()
{
    PictureView view;
    view.resize(30, 20);
    view.setBorder(true);
    QCOMPARE(view.scaleWidth(), 26);
    QCOMPARE(view.scaleHeight(), 16);
    view.setPicture(filled(26, 16, Qt::white));
    view.PaintPicture(filled(1, 1, Qt::red), 0, 0, 2, 2);
    QCOMPARE(view.image().size(), QSize(26, 16));
    QCOMPARE(QColor(view.image().pixel(0, 0)), QColor(Qt::red));

    // The inner area starts inside the border.
    const QImage screen = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(QColor(screen.pixel(2, 2)), QColor(Qt::red));
    QCOMPARE(QColor(screen.pixel(3, 3)), QColor(Qt::red));
    QCOMPARE(QColor(screen.pixel(4, 4)), QColor(Qt::white));
}

void TestPictureLayer::viewSurfaceBeforeFirstShow()
{
    // The pages build their views on hidden tab pages; painting into such a
    // view must land on a surface of the view's inner size all the same.
    QWidget page;
    auto *view = new PictureView(&page);
    view->setGeometry(5, 5, 30, 20);
    view->PaintPicture(filled(1, 1, Qt::red), 1, 1, 3, 3);
    QCOMPARE(view->image().size(), QSize(30, 20));
    QCOMPARE(QColor(view->image().pixel(2, 2)), QColor(Qt::red));

    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(view->image().size(), QSize(30, 20));
    QCOMPARE(QColor(view->image().pixel(2, 2)), QColor(Qt::red));
}

// ---- picture files --------------------------------------------------------

void TestPictureLayer::saveHeader_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("3 x 2, padded rows") << QSize(3, 2);
    QTest::newRow("4 x 4, no padding") << QSize(4, 4);
    QTest::newRow("5 x 3") << QSize(5, 3);
}

void TestPictureLayer::saveHeader()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.bmp"));
    const QImage image = pattern(size.width(), size.height());
    SavePicture(image, path);
    const QByteArray bytes = readAll(path);

    const int stride = (size.width() * 3 + 3) / 4 * 4;
    const int total = 54 + stride * size.height();
    QCOMPARE(bytes.size(), total);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(le32(bytes, 2), quint32(total));
    QCOMPARE(le32(bytes, 10), 54u);                    // pixels right after the headers
    QCOMPARE(le32(bytes, 14), 40u);                    // info header
    QCOMPARE(qint32(le32(bytes, 18)), size.width());
    QCOMPARE(qint32(le32(bytes, 22)), size.height());  // positive: bottom-up
    QCOMPARE(le16(bytes, 26), quint16(1));
    QCOMPARE(le16(bytes, 28), quint16(24));
    QCOMPARE(le32(bytes, 30), 0u);                     // uncompressed
    QCOMPARE(le32(bytes, 46), 0u);                     // no palette

    // Rows bottom-up, blue-green-red, padding zero.
    for (int row = 0; row < size.height(); ++row) {
        const int y = size.height() - 1 - row;
        const int at = 54 + row * stride;
        for (int x = 0; x < size.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            QCOMPARE(quint8(bytes[at + 3 * x]), quint8(qBlue(pixel)));
            QCOMPARE(quint8(bytes[at + 3 * x + 1]), quint8(qGreen(pixel)));
            QCOMPARE(quint8(bytes[at + 3 * x + 2]), quint8(qRed(pixel)));
        }
        for (int pad = size.width() * 3; pad < stride; ++pad)
            QCOMPARE(bytes[at + pad], '\0');
    }
}

void TestPictureLayer::saveRoundTrip_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("1 x 1") << pattern(1, 1);
    QTest::newRow("17 x 5") << pattern(17, 5);
    QTest::newRow("chip set size") << pattern(480, 256);
    QImage indexed(7, 3, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 102, 153), qRgb(0, 0, 0), qRgb(12, 34, 56)});
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 7; ++x)
            indexed.setPixel(x, y, uint((x + y) % 3));
    QTest::newRow("from an indexed picture") << indexed;
}

void TestPictureLayer::saveRoundTrip()
{
    QFETCH(QImage, image);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.bmp"));
    SavePicture(image, path);
    const QImage back = LoadPicture(path);
    QCOMPARE(back.format(), QImage::Format_RGB32);
    QCOMPARE(back, image.convertToFormat(QImage::Format_RGB32));
}

void TestPictureLayer::saveReplacesExisting()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.bmp"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();

    SavePicture(pattern(6, 4), path);
    QCOMPARE(LoadPicture(path), pattern(6, 4));
    QCOMPARE(QFileInfo(path).size(), qint64(54 + 20 * 4));
    QCOMPARE(folderEntries(dir.path()), QStringList{QStringLiteral("sheet.bmp")});
}

void TestPictureLayer::failedSaveKeepsExisting_data()
{
    QTest::addColumn<QString>("target");   // relative to the test folder
    QTest::addColumn<bool>("nullImage");
    QTest::newRow("folder does not exist") << "missing/sheet.bmp" << false;
    QTest::newRow("target is a folder") << "taken.bmp" << false;
    QTest::newRow("nothing to save over a file") << "keep.bmp" << true;
}

void TestPictureLayer::failedSaveKeepsExisting()
{
    QFETCH(QString, target);
    QFETCH(bool, nullImage);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("taken.bmp")));
    QFile inside(dir.filePath(QStringLiteral("taken.bmp/inside.txt")));
    QVERIFY(inside.open(QIODevice::WriteOnly));
    inside.write("still here");
    inside.close();
    const QString keep = dir.filePath(QStringLiteral("keep.bmp"));
    SavePicture(pattern(3, 3), keep);
    const QByteArray keepBytes = readAll(keep);
    const QStringList before = folderEntries(dir.path());

    const QImage image = nullImage ? QImage() : pattern(8, 8);
    QVERIFY(throwsPictureError([&] { SavePicture(image, dir.filePath(target)); }));

    QCOMPARE(folderEntries(dir.path()), before);   // no half-written or temporary files
    QCOMPARE(folderEntries(dir.filePath(QStringLiteral("taken.bmp"))),
             QStringList{QStringLiteral("inside.txt")});
    QCOMPARE(readAll(dir.filePath(QStringLiteral("taken.bmp/inside.txt"))),
             QByteArray("still here"));
    QCOMPARE(readAll(keep), keepBytes);
}

void TestPictureLayer::loadResPicture_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("102 chip set") << 102 << QSize(480, 256) << QColor(255, 102, 153);
    QTest::newRow("103 char set") << 103 << QSize(288, 256) << QColor(41, 156, 0);
    QTest::newRow("104 face set") << 104 << QSize(192, 192) << QColor(65, 70, 165);
}

void TestPictureLayer::loadResPicture()
{
    QFETCH(int, id);
    QFETCH(QSize, size);
    QFETCH(QColor, colour);
    const QImage sheet = LoadResPicture(id);
    QCOMPARE(sheet.format(), QImage::Format_RGB32);
    QCOMPARE(sheet.size(), size);
    QCOMPARE(sheet, filled(size.width(), size.height(), colour));
}

void TestPictureLayer::loadResPictureUnknown()
{
    for (int id : {0, 101, 105, -102})
        QVERIFY2(throwsPictureError([id] { LoadResPicture(id); }), qPrintable(QString::number(id)));
}

void TestPictureLayer::loadFormats_data()
{
    // Pictures as other programs write them; each must load as 32-bit RGB
    // with its colours, so that the pages can paint on and over it.
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("bitsOnDisk");

    QImage indexed(9, 5, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table << qRgb(i, 255 - i, (i * 7) & 0xff);
    indexed.setColorTable(table);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            indexed.setPixel(x, y, uint((x * 29 + y * 31) & 0xff));
    QTest::newRow("8-bit indexed") << indexed << 8;

    QImage mono(13, 4, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 102, 153), qRgb(41, 156, 0)});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 13; ++x)
            mono.setPixel(x, y, uint((x + y) & 1));
    QTest::newRow("1-bit") << mono << 1;

    QTest::newRow("24-bit") << pattern(7, 6).convertToFormat(QImage::Format_RGB888) << 24;
}

void TestPictureLayer::loadFormats()
{
    QFETCH(QImage, image);
    QFETCH(int, bitsOnDisk);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.bmp"));
    QVERIFY(image.save(path, "BMP"));
    QCOMPARE(int(le16(readAll(path), 28)), bitsOnDisk);

    const QImage loaded = LoadPicture(path);
    QCOMPARE(loaded.format(), QImage::Format_RGB32);
    QCOMPARE(loaded.size(), image.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(QColor(loaded.pixel(x, y)), QColor(image.pixel(x, y)));

    PictureView view;
    view.resize(image.size());
    view.setPicture(loaded);
    view.PaintPicture(filled(1, 1, Qt::red), 0, 0, 1, 1);
    QCOMPARE(QColor(view.image().pixel(0, 0)), QColor(Qt::red));
}

void TestPictureLayer::loadFailures_data()
{
    QTest::addColumn<QString>("name");      // in the test folder; "" = no name at all
    QTest::addColumn<QByteArray>("content"); // empty with "folder" = make a folder
    QTest::newRow("missing file") << "missing.bmp" << QByteArray();
    QTest::newRow("text file") << "notes.bmp" << QByteArray("Dies ist kein Bild.\n");
    QTest::newRow("empty file") << "empty.bmp" << QByteArray("");
    QTest::newRow("header only") << "short.bmp" << QByteArray("BM\x36\0\0\0\0\0\0\0\x36\0\0\0", 14);
    QTest::newRow("folder") << "folder" << QByteArray();
    QTest::newRow("no name") << "" << QByteArray();

    // A whole, well-formed file, but wider than picture coordinates reach.
    QByteArray wide;
    QBuffer buffer(&wide);
    buffer.open(QIODevice::WriteOnly);
    QImage(32768, 1, QImage::Format_RGB888).save(&buffer, "BMP");
    QTest::newRow("32768 pixels wide") << "wide.bmp" << wide;
}

void TestPictureLayer::loadFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QString path;
    if (!name.isEmpty()) {
        path = dir.filePath(name);
        if (name == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(name));
        } else if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
    }
    QVERIFY(throwsPictureError([&] { LoadPicture(path); }));
}

// ---- program folder -------------------------------------------------------

void TestPictureLayer::programFile_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("root") << "/" << "/dump.bmp";
    QTest::newRow("folder") << "/opt/zellforma" << "/opt/zellforma/dump.bmp";
    QTest::newRow("folder with separator") << "/opt/zellforma/" << "/opt/zellforma/dump.bmp";
}

void TestPictureLayer::programFile()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    setProgramFolder(folder);
    QCOMPARE(::programFile(QStringLiteral("dump.bmp")), expected);
    setProgramFolder(QString());
    QCOMPARE(programFolder(), QCoreApplication::applicationDirPath());
}

// ---- dialog seam ----------------------------------------------------------

void TestPictureLayer::fileDialogRemembers()
{
    ScriptedDialogs dialogs;
    FileDialog dialog(QStringLiteral("CommonDialog1"), QStringLiteral("Quellbild laden"),
                      QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    QCOMPARE(dialog.objectName(), QStringLiteral("CommonDialog1"));

    dialogs.queueFileName(QStringLiteral("/bilder/a.bmp"));
    dialog.ShowOpen(dialogs);
    QCOMPARE(dialog.fileName(), QStringLiteral("/bilder/a.bmp"));

    dialogs.queueFileName(QString());               // cancelled
    dialog.ShowSave(dialogs);
    QCOMPARE(dialog.fileName(), QString());

    dialogs.queueFileName(QStringLiteral("/bilder/b.bmp"));
    dialog.ShowOpen(dialogs);
    QCOMPARE(dialog.fileName(), QStringLiteral("/bilder/b.bmp"));

    dialogs.queueFileName(QString());
    dialog.ShowOpen(dialogs);

    QCOMPARE(dialogs.fileRequests.size(), 4);
    const QStringList proposed = {dialogs.fileRequests[0].proposed, dialogs.fileRequests[1].proposed,
                                  dialogs.fileRequests[2].proposed, dialogs.fileRequests[3].proposed};
    QCOMPARE(proposed, (QStringList{QString(), QStringLiteral("/bilder/a.bmp"),
                                    QStringLiteral("/bilder/a.bmp"), QStringLiteral("/bilder/b.bmp")}));
    QCOMPARE(dialogs.fileRequests[1].save, true);
    QCOMPARE(dialogs.fileRequests[2].save, false);
    for (const auto &request : qAsConst(dialogs.fileRequests)) {
        QCOMPARE(request.title, QStringLiteral("Quellbild laden"));
        QCOMPARE(request.filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    }
}

void TestPictureLayer::fileDialogStartName()
{
    ScriptedDialogs dialogs;
    FileDialog dialog(QStringLiteral("dlg"), QStringLiteral("Zielbild speichern"), QString(),
                      QStringLiteral("chipset"));
    QCOMPARE(dialog.fileName(), QStringLiteral("chipset"));
    dialog.ShowSave(dialogs);                        // nothing queued: cancelled
    QCOMPARE(dialogs.fileRequests.constFirst().proposed, QStringLiteral("chipset"));
    QCOMPARE(dialog.fileName(), QString());
    dialog.ShowSave(dialogs);
    QCOMPARE(dialogs.fileRequests.constLast().proposed, QStringLiteral("chipset"));
}

void TestPictureLayer::messageTitle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("yesNo");
    QTest::newRow("default title") << QString() << "Zellforma" << false;
    QTest::newRow("own title") << "Achtung !" << "Achtung !" << true;
}

void TestPictureLayer::messageTitle()
{
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QFETCH(bool, yesNo);
    ScriptedDialogs dialogs;
    dialogs.queueAnswer(Dialogs::Answer::No);
    const Dialogs::Buttons buttons = yesNo ? Dialogs::Buttons::YesNo : Dialogs::Buttons::Ok;
    const Dialogs::Answer answer = showMessage(dialogs, QStringLiteral("Text"), buttons, title);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].title, shown);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Text"));
    QCOMPARE(dialogs.messages[0].buttons, buttons);
    QCOMPARE(answer, yesNo ? Dialogs::Answer::No : Dialogs::Answer::Ok);
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // The other copy of the program in the flatten test.
    if (argc == 4 && QByteArray(argv[1]) == "--flatten-loop")
        return flattenLoop(QString::fromLocal8Bit(argv[2]), QColor(QLatin1String(argv[3])), 400) ? 0 : 1;
    TestPictureLayer test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_picturelayer.moc"
