// Drives the "Chip Sets" page through its real widgets: the selector and the
// insert frame under the arrow keys, the selection size cycle, and pastes
// checked pixel by pixel.

#include "pagefixture.h"
#include "testpictures.h"

#include "app/mainform.h"
#include "app/pagecontext.h"
#include "pages/sets/chippage.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QRgb kTemplateColour = qRgb(255, 102, 153);
const QSize kSheet(480, 256);

struct Moves
{
    int right = 0;
    int down = 0;
};

// Moves a rectangle from (0, 0) to (16 * right, 16 * down) by arrow keys.
void walk(PageFixture &f, const QString &view, Moves moves)
{
    f.pressKey(view, Qt::Key_Right, Qt::NoModifier, moves.right);
    f.pressKey(view, Qt::Key_Down, Qt::NoModifier, moves.down);
}

QPoint position(const RectShape *shape)
{
    return QPoint(int(shape->left()), int(shape->top()));
}

QSize size(const RectShape *shape)
{
    return QSize(int(shape->width()), int(shape->height()));
}

// Writes the picture into the program folder and loads it as the source.
void loadSource(PageFixture &f, const QImage &picture, const QString &name = QStringLiteral("q.bmp"))
{
    const QString path = f.filePath(name);
    QVERIFY(writeBmp(picture, path));
    f.clickWithFile(QStringLiteral("LoadQChip"), path);
    QVERIFY(f.view(QStringLiteral("pic1"))->hasPicture());
}

} // namespace

class TestChipPage : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void arrowKeys_data();
    void arrowKeys();
    void enterInSourceDoesNothing();
    void sizeCycle_data();
    void sizeCycle();
    void sizeCycleLeavesTargetPreview();
    void largestSelectorStaysAtTheEdge();
    void paste_data();
    void paste();
    void pasteAtTheRightEdgeIsCut();
    void pasteBeforeAnySource();
    void targetPreviewWaitsForArrow_data();
    void targetPreviewWaitsForArrow();
    void pasteWithoutWritableFolder();
    void refusedMoveKeepsPreviewedPiece();
    void helpButtonOpensHelp();
};

void TestChipPage::startState()
{
    PageFixture f;
    QVERIFY(f.isReady());

    QCOMPARE(f.form().pageState().ChipSelSize, qint16(7));
    for (const char *name : {"sel", "ins"}) {
        QCOMPARE(position(f.shape(name)), QPoint(0, 0));
        QCOMPARE(size(f.shape(name)), QSize(16, 16));
    }
    for (const char *name : {"kor1", "kor2", "cor1", "cor2"})
        QCOMPARE(f.label(name)->text(), QStringLiteral("1"));

    PictureView *pic1 = f.view("pic1");
    PictureView *pic3 = f.view("pic3");
    QVERIFY(!pic1->hasPicture());
    // An empty source shows the window's colour.
    QVERIFY(isEvenColour(pic1->image(), f.form().palette().color(QPalette::Base).rgb()));
    QVERIFY(isEvenColour(pic3->picture(), kTemplateColour));
    QVERIFY(isEvenColour(pic3->image(), kTemplateColour));
    QVERIFY(!f.view("pic2")->isVisible());
    QVERIFY(!f.view("pic4")->isVisible());
    QVERIFY(f.preview("img1")->picture().isNull());
    QVERIFY(f.preview("img2")->picture().isNull());
}

void TestChipPage::arrowKeys_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QPoint>("expected");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("row");

    const int none = Qt::NoModifier;
    for (const QString view : {"pic1", "pic3"}) {
        const QByteArray side = view == "pic1" ? "source " : "target ";
        QTest::newRow(side + "up at start") << view << int(Qt::Key_Up) << none << 1 << QPoint(0, 0) << "1" << "1";
        QTest::newRow(side + "left at start") << view << int(Qt::Key_Left) << none << 1 << QPoint(0, 0) << "1" << "1";
        QTest::newRow(side + "right") << view << int(Qt::Key_Right) << none << 3 << QPoint(48, 0) << "4" << "1";
        QTest::newRow(side + "down") << view << int(Qt::Key_Down) << none << 2 << QPoint(0, 32) << "1" << "3";
        QTest::newRow(side + "right edge") << view << int(Qt::Key_Right) << none << 31 << QPoint(464, 0) << "30" << "1";
        QTest::newRow(side + "bottom edge") << view << int(Qt::Key_Down) << none << 17 << QPoint(0, 240) << "1" << "16";
        QTest::newRow(side + "shift right") << view << int(Qt::Key_Right) << int(Qt::ShiftModifier) << 2 << QPoint(32, 0) << "3" << "1";
        QTest::newRow(side + "ctrl down") << view << int(Qt::Key_Down) << int(Qt::ControlModifier) << 1 << QPoint(0, 16) << "1" << "2";
        QTest::newRow(side + "other key") << view << int(Qt::Key_A) << none << 1 << QPoint(0, 0) << "1" << "1";
    }
}

void TestChipPage::arrowKeys()
{
    QFETCH(QString, view);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, presses);
    QFETCH(QPoint, expected);
    QFETCH(QString, column);
    QFETCH(QString, row);

    PageFixture f;
    QVERIFY(f.isReady());
    const bool source = view == QLatin1String("pic1");
    f.clickView(view);
    f.pressKey(view, Qt::Key(key), Qt::KeyboardModifiers(modifiers), presses);

    QCOMPARE(position(f.shape(source ? "sel" : "ins")), expected);
    QCOMPARE(f.label(source ? "kor1" : "cor1")->text(), column);
    QCOMPARE(f.label(source ? "kor2" : "cor2")->text(), row);
    // The other side is not touched.
    QCOMPARE(position(f.shape(source ? "ins" : "sel")), QPoint(0, 0));
    QCOMPARE(f.label(source ? "cor1" : "kor1")->text(), QStringLiteral("1"));
}

void TestChipPage::enterInSourceDoesNothing()
{
    PageFixture f;
    QVERIFY(f.isReady());
    loadSource(f, distinctColours(kSheet));
    walk(f, "pic1", {2, 1});
    const QImage target = f.view("pic3")->image();

    f.pressKey("pic1", Qt::Key_Return);
    f.pressKey("pic1", Qt::Key_Enter, Qt::KeypadModifier);

    QCOMPARE(position(f.shape("sel")), QPoint(32, 16));
    QCOMPARE(f.view("pic3")->image(), target);
    QVERIFY(!QFile::exists(f.filePath("dump.bmp")));
}

void TestChipPage::sizeCycle_data()
{
    QTest::addColumn<bool>("withSource");
    QTest::newRow("source loaded") << true;
    QTest::newRow("no source yet") << false;
}

void TestChipPage::sizeCycle()
{
    QFETCH(bool, withSource);

    PageFixture f;
    QVERIFY(f.isReady());
    const QImage source = distinctColours(kSheet);
    if (withSource)
        loadSource(f, source);
    walk(f, "pic1", {1, 1});

    const struct { QSize size; qint16 mode; } steps[] = {
        {{16, 32}, 1}, {{32, 16}, 2}, {{32, 32}, 3}, {{48, 48}, 4},
        {{64, 64}, 5}, {{96, 96}, 6}, {{16, 16}, 7},
    };
    for (const auto &step : steps) {
        f.clickButton("selgr");
        QCOMPARE(size(f.shape("sel")), step.size);
        QCOMPARE(size(f.shape("ins")), step.size);
        QCOMPARE(f.form().pageState().ChipSelSize, step.mode);
        QCOMPARE(position(f.shape("sel")), QPoint(16, 16));
        QCOMPARE(position(f.shape("ins")), QPoint(0, 0));
        const QImage piece = f.view("pic2")->picture();
        if (withSource) {
            QCOMPARE(piece.size(), step.size);
            QVERIFY(sameArea(piece, QPoint(0, 0), source, QPoint(16, 16), step.size));
            QCOMPARE(f.preview("img1")->picture(), piece);
        } else {
            QVERIFY(piece.isNull());
            QVERIFY(f.preview("img1")->picture().isNull());
        }
    }
}

void TestChipPage::sizeCycleLeavesTargetPreview()
{
    PageFixture f;
    QVERIFY(f.isReady());
    const QString sheet = f.filePath("sheet.bmp");
    QVERIFY(writeBmp(distinctColours(kSheet), sheet));
    f.clickWithFile("LoadZChip", sheet);
    f.pressKey("pic3", Qt::Key_Right);
    const QImage before = f.preview("img2")->picture();
    QVERIFY(!before.isNull());

    f.clickButton("selgr");
    QCOMPARE(f.preview("img2")->picture(), before);
    QCOMPARE(f.label("cor1")->text(), QStringLiteral("2"));

    // The next arrow cuts the preview at the new size: 16 x 32 from (16, 0).
    f.pressKey("pic3", Qt::Key_Down);
    f.pressKey("pic3", Qt::Key_Up);
    const QImage expected = distinctColours(kSheet).copy(16, 0, 16, 32).scaled(105, 105);
    QCOMPARE(f.preview("img2")->picture().convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

void TestChipPage::largestSelectorStaysAtTheEdge()
{
    PageFixture f;
    QVERIFY(f.isReady());
    loadSource(f, distinctColours(kSheet));
    walk(f, "pic1", {29, 15});
    QCOMPARE(position(f.shape("sel")), QPoint(464, 240));
    const QImage cell = f.view("pic2")->picture();

    f.clickButton("selgr", 6);
    QCOMPARE(size(f.shape("sel")), QSize(96, 96));
    QCOMPARE(f.form().pageState().ChipSelSize, qint16(6));
    QCOMPARE(position(f.shape("sel")), QPoint(464, 240));
    QCOMPARE(f.label("kor1")->text(), QStringLiteral("30"));
    QCOMPARE(f.label("kor2")->text(), QStringLiteral("16"));
    // Such a piece leaves the picture: the preview keeps the last one cut.
    QCOMPARE(f.view("pic2")->picture(), cell);

    f.pressKey("pic1", Qt::Key_Right);
    f.pressKey("pic1", Qt::Key_Down);
    QCOMPARE(position(f.shape("sel")), QPoint(464, 240));
}

void TestChipPage::paste_data()
{
    QTest::addColumn<QImage>("source");
    QTest::newRow("8-bit source") << indexedColours(kSheet);
    QTest::newRow("24-bit source") << distinctColours(kSheet);
}

void TestChipPage::paste()
{
    QFETCH(QImage, source);

    PageFixture f;
    QVERIFY(f.isReady());
    loadSource(f, source);
    QCOMPARE(readBmpHeader(f.filePath("q.bmp")).bitsPerPixel, quint16(source.depth() == 8 ? 8 : 24));
    walk(f, "pic1", {2, 1});
    f.clickView("pic3");
    walk(f, "pic3", {4, 3});
    PictureView *pic3 = f.view("pic3");
    const QImage before = pic3->image();

    f.pressKey("pic3", Qt::Key_Return);

    const QImage after = pic3->image();
    QCOMPARE(changedArea(before, after), QRect(64, 48, 16, 16));
    QVERIFY(sameArea(after, QPoint(64, 48), source, QPoint(32, 16), QSize(16, 16)));
    // Flattened: the picture holds the piece, and so does the temporary file.
    QCOMPARE(pic3->picture(), after);
    QCOMPARE(LoadPicture(f.filePath("dump.bmp")), after);
    QCOMPARE(position(f.shape("ins")), QPoint(64, 48));

    // Keypad Enter pastes as well; a second paste one cell on.
    f.pressKey("pic3", Qt::Key_Right);
    f.pressKey("pic3", Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(changedArea(after, pic3->image()), QRect(80, 48, 16, 16));
    QCOMPARE(LoadPicture(f.filePath("dump.bmp")), pic3->image());
}

void TestChipPage::pasteAtTheRightEdgeIsCut()
{
    PageFixture f;
    QVERIFY(f.isReady());
    const QImage source = distinctColours(kSheet);
    loadSource(f, source);
    f.clickButton("selgr", 6);
    walk(f, "pic3", {30, 0});
    QCOMPARE(position(f.shape("ins")), QPoint(464, 0));
    const QImage before = f.view("pic3")->image();

    f.pressKey("pic3", Qt::Key_Return);

    const QImage after = f.view("pic3")->image();
    QCOMPARE(after.size(), kSheet);
    QCOMPARE(changedArea(before, after), QRect(464, 0, 16, 96));
    QVERIFY(sameArea(after, QPoint(464, 0), source, QPoint(0, 0), QSize(16, 96)));
}

void TestChipPage::pasteBeforeAnySource()
{
    PageFixture f;
    QVERIFY(f.isReady());
    f.clickView("pic3");
    walk(f, "pic3", {1, 1});
    const QImage before = f.view("pic3")->image();

    f.pressKey("pic3", Qt::Key_Return);

    QCOMPARE(f.view("pic3")->image(), before);
    QVERIFY(isEvenColour(f.view("pic3")->picture(), kTemplateColour));
    QVERIFY(!QFile::exists(f.filePath("dump.bmp")));
    QVERIFY(f.dialogs.messages.isEmpty());
}

void TestChipPage::targetPreviewWaitsForArrow_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("paste") << "paste";
    QTest::newRow("target load") << "load";
    QTest::newRow("new template") << "new";
}

void TestChipPage::targetPreviewWaitsForArrow()
{
    QFETCH(QString, change);

    PageFixture f;
    QVERIFY(f.isReady());
    const QImage source = distinctColours(kSheet);
    loadSource(f, source);
    if (change == QLatin1String("new")) {
        // Start from a loaded sheet so that the template is a visible change.
        const QString sheet = f.filePath("sheet.bmp");
        QVERIFY(writeBmp(indexedColours(kSheet), sheet));
        f.clickWithFile("LoadZChip", sheet);
    }
    walk(f, "pic3", {2, 1});
    const QImage shown = f.preview("img2")->picture();
    QVERIFY(!shown.isNull());
    const QImage oldTarget = f.view("pic3")->picture();

    if (change == QLatin1String("paste")) {
        f.pressKey("pic3", Qt::Key_Return);
    } else if (change == QLatin1String("load")) {
        const QString sheet = f.filePath("other.bmp");
        QVERIFY(writeBmp(indexedColours(kSheet), sheet));
        f.clickWithFile("LoadZChip", sheet);
    } else {
        f.dialogs.queueAnswer(Dialogs::Answer::Yes);
        f.clickButton("New");
    }
    const QImage newTarget = f.view("pic3")->picture();
    QVERIFY(!sameArea(newTarget, QPoint(32, 16), oldTarget, QPoint(32, 16), QSize(16, 16)));
    QCOMPARE(f.preview("img2")->picture(), shown);
    QCOMPARE(f.label("cor1")->text(), QStringLiteral("3"));
    QCOMPARE(f.label("cor2")->text(), QStringLiteral("2"));
    QCOMPARE(position(f.shape("ins")), QPoint(32, 16));

    f.pressKey("pic3", Qt::Key_Left);
    f.pressKey("pic3", Qt::Key_Right);
    const QImage expected = newTarget.copy(32, 16, 16, 16).scaled(105, 105);
    QCOMPARE(f.preview("img2")->picture().convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
    QVERIFY(f.preview("img2")->picture() != shown);
}

void TestChipPage::pasteWithoutWritableFolder()
{
    PageFixture f;
    QVERIFY(f.isReady());
    const QImage source = distinctColours(kSheet);
    loadSource(f, source);
    setProgramFolder(f.unwritableFolder());
    walk(f, "pic3", {1, 1});

    f.pressKey("pic3", Qt::Key_Return);

    // The piece is part of the picture whatever became of "dump.bmp".
    PictureView *pic3 = f.view("pic3");
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(pic3->picture(), pic3->image());
    QVERIFY(sameArea(pic3->picture(), QPoint(16, 16), source, QPoint(0, 0), QSize(16, 16)));

    // The next target preview shows it, and so does the saved sheet.
    f.pressKey("pic3", Qt::Key_Left);
    f.pressKey("pic3", Qt::Key_Right);
    QCOMPARE(f.preview("img2")->picture().convertToFormat(QImage::Format_RGB32),
             source.copy(0, 0, 16, 16).scaled(105, 105).convertToFormat(QImage::Format_RGB32));
    f.clickWithFile("SaveZChip", f.filePath("sheet"));
    QVERIFY(f.dialogs.messages.isEmpty());
    const QImage saved = LoadPicture(f.filePath("sheet.bmp"));
    QVERIFY(sameArea(saved, QPoint(16, 16), source, QPoint(0, 0), QSize(16, 16)));
}

void TestChipPage::refusedMoveKeepsPreviewedPiece()
{
    // A 96 x 96 selector at Left 400 reaches past the picture: the preview
    // keeps the piece at 384, and Enter pastes that piece, not nothing.
    PageFixture f;
    QVERIFY(f.isReady());
    const QImage source = distinctColours(kSheet);
    loadSource(f, source);
    f.clickButton("selgr", 6);
    walk(f, "pic1", {24, 0});
    QCOMPARE(position(f.shape("sel")), QPoint(384, 0));
    const QImage shown = f.view("pic2")->picture();
    QVERIFY(sameArea(shown, QPoint(0, 0), source, QPoint(384, 0), QSize(96, 96)));
    f.pressKey("pic1", Qt::Key_Right);
    QCOMPARE(position(f.shape("sel")), QPoint(400, 0));
    QCOMPARE(f.view("pic2")->picture(), shown);

    f.clickView("pic3");
    f.pressKey("pic3", Qt::Key_Return);
    QVERIFY(sameArea(f.view("pic3")->picture(), QPoint(0, 0), source, QPoint(384, 0), QSize(96, 96)));
}

void TestChipPage::helpButtonOpensHelp()
{
    PageState state;
    state.setStartValues();
    ScriptedDialogs dialogs;
    int opened = 0;
    PageContext context{state, dialogs, [&opened] { ++opened; }};
    QWidget page;
    new ChipPage(&page, context);

    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("chipHelp")), Qt::LeftButton);
    QCOMPARE(opened, 1);
    QVERIFY(dialogs.messages.isEmpty());
}

QTEST_MAIN(TestChipPage)
#include "tst_chippage.moc"
