// Drives the "RPG95 zu RPG2K (Chip)" page through the main window: loading an
// RPG95 chip set, stepping through its four sections with the section map,
// and pastes from a section into the sheet.

#include "pagefixture.h"
#include "testpictures.h"

#include "app/mainform.h"
#include "picture/dialogs.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"

#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

namespace {

constexpr int kRpg95Tab = 3;
const QPoint kCorner[] = {{0, 0}, {128, 0}, {0, 512}, {128, 512}};
const QString kLoadFailed = QStringLiteral("Die Datei kann leider nicht geladen werden !");

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QString loadSource(PageFixture &f, const QImage &picture, const QString &name = "rpg95.bmp")
{
    const QString path = f.filePath(name);
    if (writeBmp(picture, path))
        f.clickWithFile(QStringLiteral("CLoadQr"), path);
    return path;
}

// The one red label of the section map (1 to 4); 0 when all are white, -1
// when the map shows anything else.
int sectionOnMap(PageFixture &f)
{
    int red = 0;
    for (int i = 1; i <= 4; ++i) {
        const QColor c = f.label(QStringLiteral("s%1").arg(i))->palette().color(QPalette::Window);
        if (c == QColor(255, 0, 0) && red == 0)
            red = i;
        else if (c != QColor(255, 255, 255))
            return -1;
    }
    return red;
}

// Section `n` of the picture, where the view's colour stands for what the
// picture lacks.
QImage section(const QImage &picture, int n, const QColor &fill)
{
    QImage expected(128, 512, QImage::Format_RGB32);
    expected.fill(fill);
    QPainter painter(&expected);
    painter.drawImage(-kCorner[n - 1], picture);
    return expected;
}

} // namespace

class TestRpg95Page : public QObject
{
    Q_OBJECT

private slots:
    void sectionsInTurn();
    void firstLoadFails_data();
    void firstLoadFails();
    void secondLoadStartsAtSectionOne();
    void picturesOfOtherSizes_data();
    void picturesOfOtherSizes();
    void labelsCountWithinTheSection_data();
    void labelsCountWithinTheSection();
    void pasteFromSectionFour();
    void largestPiecePastTheEdges();
};

void TestRpg95Page::sectionsInTurn()
{
    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    const QImage picture = distinctColours(QSize(256, 1024));
    const QString path = loadSource(f, picture);
    QCOMPARE(f.dialogs.fileRequests.last().title, QStringLiteral("Quelldatei laden"));
    QVERIFY(f.button("wechseln")->isEnabled());
    // A switch cuts from the picture held since the load.
    QVERIFY(QFile::remove(path));
    f.pressKey("rpic1", Qt::Key_Right, Qt::NoModifier, 2);
    f.pressKey("rpic1", Qt::Key_Down, Qt::NoModifier, 9);

    const struct { int section; qint16 count; } steps[] = {{1, 1}, {2, 2}, {3, 3}, {4, 0}, {1, 1}};
    for (int i = 0; i < 5; ++i) {
        const auto &step = steps[i];
        if (i > 0)
            f.clickButton("wechseln");
        QCOMPARE(sectionOnMap(f), step.section);
        QCOMPARE(f.form().pageState().RSection, std::optional<qint16>(step.count));
        QCOMPARE(f.view("rpic1")->picture(), section(picture, step.section, Qt::black));
        QCOMPARE(f.label("rcor1")->text(), QStringLiteral("3"));
        QCOMPARE(f.label("rcor2")->text(), QStringLiteral("10"));
        QCOMPARE(f.view("rpic2")->picture(), picture.copy(QRect(kCorner[step.section - 1] + QPoint(32, 144), QSize(16, 16))));
    }
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestRpg95Page::firstLoadFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("cancelled") << QString() << QByteArray();
    QTest::newRow("not a picture") << "junk.bmp" << QByteArray("BM no picture at all");
    QTest::newRow("missing") << "gone.bmp" << QByteArray();
}

void TestRpg95Page::firstLoadFails()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    if (!content.isEmpty())
        QVERIFY(writeFile(f.filePath(name), content));
    f.clickWithFile("CLoadQr", name.isEmpty() ? name : f.filePath(name));

    QVERIFY(!f.button("wechseln")->isEnabled());
    QCOMPARE(sectionOnMap(f), 0);
    QVERIFY(!f.form().pageState().RSection);
    QVERIFY(!f.view("rpic1")->hasPicture());
    QCOMPARE(f.dialogs.messages.size(), name.isEmpty() ? 0 : 1);
    if (!name.isEmpty())
        QCOMPARE(f.dialogs.messages.first().text, kLoadFailed);
}

void TestRpg95Page::secondLoadStartsAtSectionOne()
{
    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    loadSource(f, indexedColours(QSize(256, 1024)), "first.bmp");
    f.clickButton("wechseln", 2);
    QCOMPARE(sectionOnMap(f), 3);

    const QImage second = distinctColours(QSize(256, 1024));
    loadSource(f, second, "second.bmp");
    QCOMPARE(sectionOnMap(f), 1);
    QCOMPARE(f.view("rpic1")->picture(), section(second, 1, Qt::black));
    f.clickButton("wechseln");
    QCOMPARE(sectionOnMap(f), 2);
    QCOMPARE(f.view("rpic1")->picture(), section(second, 2, Qt::black));
}

void TestRpg95Page::picturesOfOtherSizes_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("one section") << QSize(128, 512);
    QTest::newRow("larger than a chip set") << QSize(300, 1200);
}

void TestRpg95Page::picturesOfOtherSizes()
{
    QFETCH(QSize, size);

    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    const QImage picture = distinctColours(size);
    loadSource(f, picture);
    const QColor window = f.view("rpic1")->backgroundColor();
    const int order[] = {1, 2, 3, 4, 1};
    for (int i = 0; i < 5; ++i) {
        const int n = order[i];
        if (i > 0)
            f.clickButton("wechseln");
        QCOMPARE(sectionOnMap(f), n);
        QCOMPARE(f.view("rpic1")->picture(), section(picture, n, window));
        QCOMPARE(f.view("rpic2")->picture(), section(picture, n, window).copy(0, 0, 16, 16));
    }
}

void TestRpg95Page::labelsCountWithinTheSection_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QPoint>("expected");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("row");

    QTest::newRow("selector to column 8") << "rpic1" << int(Qt::Key_Right) << 8 << QPoint(112, 0) << "8" << "1";
    QTest::newRow("selector to row 32") << "rpic1" << int(Qt::Key_Down) << 40 << QPoint(0, 496) << "1" << "32";
    QTest::newRow("insert frame to column 30") << "rpic3" << int(Qt::Key_Right) << 31 << QPoint(464, 0) << "30" << "1";
    QTest::newRow("insert frame to row 16") << "rpic3" << int(Qt::Key_Down) << 17 << QPoint(0, 240) << "1" << "16";
}

void TestRpg95Page::labelsCountWithinTheSection()
{
    QFETCH(QString, view);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(QPoint, expected);
    QFETCH(QString, column);
    QFETCH(QString, row);

    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    loadSource(f, distinctColours(QSize(256, 1024)));
    f.clickButton("wechseln", 3);
    const bool source = view == QLatin1String("rpic1");
    f.clickView(view);
    f.pressKey(view, Qt::Key(key), Qt::NoModifier, presses);

    const RectShape *moved = f.shape(source ? "rsel" : "rins");
    QCOMPARE(QPoint(int(moved->left()), int(moved->top())), expected);
    QCOMPARE(f.label(source ? "rcor1" : "rkor1")->text(), column);
    QCOMPARE(f.label(source ? "rcor2" : "rkor2")->text(), row);
}

void TestRpg95Page::pasteFromSectionFour()
{
    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    const QImage picture = distinctColours(QSize(256, 1024));
    loadSource(f, picture);
    f.clickButton("wechseln", 3);
    f.pressKey("rpic1", Qt::Key_Right, Qt::NoModifier, 2);
    f.pressKey("rpic1", Qt::Key_Down);
    f.clickView("rpic3");
    f.pressKey("rpic3", Qt::Key_Right, Qt::NoModifier, 4);
    f.pressKey("rpic3", Qt::Key_Down, Qt::NoModifier, 3);
    const QImage before = f.view("rpic3")->image();

    f.pressKey("rpic3", Qt::Key_Return);
    f.clickWithFile("SaveRChip", f.filePath("sheet"));

    const QImage saved = LoadPicture(f.filePath("sheet.bmp"));
    QCOMPARE(saved.size(), QSize(480, 256));
    QCOMPARE(changedArea(before, saved), QRect(64, 48, 16, 16));
    QVERIFY(sameArea(saved, QPoint(64, 48), picture, QPoint(128 + 32, 512 + 16), QSize(16, 16)));
    QCOMPARE(f.view("rpic3")->picture(), saved);
    QCOMPARE(f.dialogs.fileRequests.last().title, QStringLiteral("Zielbild speichern"));
    QCOMPARE(f.dialogs.fileRequests.last().filter, QStringLiteral("*.bmp"));
}

void TestRpg95Page::largestPiecePastTheEdges()
{
    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    const QImage picture = distinctColours(QSize(256, 1024));
    loadSource(f, picture);
    const struct { QSize size; qint16 mode; } steps[] = {
        {{16, 32}, 1}, {{32, 16}, 2}, {{32, 32}, 3}, {{48, 48}, 4}, {{64, 64}, 5}, {{128, 128}, 6},
    };
    for (const auto &step : steps) {
        f.clickButton("rselgr");
        for (const char *name : {"rsel", "rins"})
            QCOMPARE(QSize(int(f.shape(name)->width()), int(f.shape(name)->height())), step.size);
        QCOMPARE(f.form().pageState().RSelSize, step.mode);
        QCOMPARE(rgb(f.view("rpic2")->picture()), picture.copy(QRect(QPoint(0, 0), step.size)));
    }
    // One step right leaves the section: the clip keeps its last good place,
    // and after a switch preview and paste both show that place of section 2.
    f.pressKey("rpic1", Qt::Key_Right);
    f.clickButton("wechseln");
    QCOMPARE(f.view("rpic2")->picture(), picture.copy(128, 0, 128, 128));
    f.pressKey("rpic3", Qt::Key_Right, Qt::NoModifier, 30);
    const QImage before = f.view("rpic3")->image();

    f.pressKey("rpic3", Qt::Key_Return);

    QCOMPARE(changedArea(before, f.view("rpic3")->image()), QRect(464, 0, 16, 128));
    QVERIFY(sameArea(f.view("rpic3")->image(), QPoint(464, 0), picture, QPoint(128, 0), QSize(16, 128)));
}

QTEST_MAIN(TestRpg95Page)
#include "tst_rpg95page.moc"
