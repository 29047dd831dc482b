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
    void sectionsInTurn_data();
    void sectionsInTurn();
    void firstLoadFails_data();
    void firstLoadFails();
    void pasteFromSectionFour();
    void largestPiecePastTheEdges();
};

void TestRpg95Page::sectionsInTurn_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("RPG95 chip set") << QSize(256, 1024);
    QTest::newRow("one section") << QSize(128, 512);
    QTest::newRow("larger than a chip set") << QSize(300, 1200);
}

void TestRpg95Page::sectionsInTurn()
{
    QFETCH(QSize, size);

    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    const QImage picture = distinctColours(size);
    const QString path = loadSource(f, picture);
    QCOMPARE(f.dialogs.fileRequests.last().title, QStringLiteral("Quelldatei laden"));
    // A switch cuts from the picture held since the load.
    QVERIFY(QFile::remove(path));
    f.pressKey("rpic1", Qt::Key_Right, Qt::NoModifier, 2);
    f.pressKey("rpic1", Qt::Key_Down, Qt::NoModifier, 9);
    const QColor window = f.view("rpic1")->backgroundColor();

    const struct { int section; qint16 count; } steps[] = {{1, 1}, {2, 2}, {3, 3}, {4, 0}, {1, 1}};
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            f.clickButton("wechseln");
        const QImage shown = section(picture, steps[i].section, window);
        QCOMPARE(sectionOnMap(f), steps[i].section);
        QCOMPARE(f.form().pageState().RSection, std::optional<qint16>(steps[i].count));
        QCOMPARE(f.view("rpic1")->picture(), shown);
        QCOMPARE(f.label("rcor1")->text(), QStringLiteral("3"));
        QCOMPARE(f.label("rcor2")->text(), QStringLiteral("10"));
        QCOMPARE(f.view("rpic2")->picture(), shown.copy(32, 144, 16, 16));
    }
    QVERIFY(f.dialogs.messages.isEmpty());

    // The labels count within the section: 8 columns, 32 rows.
    f.pressKey("rpic1", Qt::Key_Right, Qt::NoModifier, 8);
    f.pressKey("rpic1", Qt::Key_Down, Qt::NoModifier, 30);
    QCOMPARE(QPoint(int(f.shape("rsel")->left()), int(f.shape("rsel")->top())), QPoint(112, 496));
    QCOMPARE(f.label("rcor1")->text(), QStringLiteral("8"));
    QCOMPARE(f.label("rcor2")->text(), QStringLiteral("32"));

    // A second load while section 3 is on view starts at section 1 of the new file.
    f.clickButton("wechseln", 2);
    const QImage second = indexedColours(QSize(256, 1024));
    loadSource(f, second, "second.bmp");
    QCOMPARE(sectionOnMap(f), 1);
    QCOMPARE(f.view("rpic1")->picture(), section(second, 1, window));
    f.clickButton("wechseln");
    QCOMPARE(sectionOnMap(f), 2);
    QCOMPARE(f.view("rpic1")->picture(), section(second, 2, window));
}

void TestRpg95Page::firstLoadFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("cancelled") << QString() << QByteArray();
    QTest::newRow("not a picture") << "junk.bmp" << QByteArray("BM no picture at all");
}

void TestRpg95Page::firstLoadFails()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);

    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    QVERIFY(content.isEmpty() || writeFile(f.filePath(name), content));
    f.clickWithFile("CLoadQr", name.isEmpty() ? name : f.filePath(name));

    QVERIFY(!f.button("wechseln")->isEnabled());
    QCOMPARE(sectionOnMap(f), 0);
    QVERIFY(!f.form().pageState().RSection);
    QVERIFY(!f.view("rpic1")->hasPicture());
    QCOMPARE(f.dialogs.messages.size(), name.isEmpty() ? 0 : 1);
    if (!name.isEmpty())
        QCOMPARE(f.dialogs.messages.first().text, QStringLiteral("Die Datei kann leider nicht geladen werden !"));
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
}

void TestRpg95Page::largestPiecePastTheEdges()
{
    PageFixture f(kRpg95Tab);
    QVERIFY(f.isReady());
    const QImage picture = distinctColours(QSize(256, 1024));
    loadSource(f, picture);
    f.clickButton("rselgr", 6);
    QCOMPARE(f.form().pageState().RSelSize, qint16(6));
    QCOMPARE(f.shape("rins")->width(), 128.0);
    QCOMPARE(f.view("rpic2")->picture(), picture.copy(0, 0, 128, 128));
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
