// Drives the two screenshot pages through their real widgets, each case on
// both twins: scrolling the screenshot, the free selector and its size
// buttons, the scaled paste into a cell, and the magnified cell editor.

#include "pagefixture.h"
#include "testpictures.h"

#include "app/mainform.h"
#include "app/tabcontrol.h"
#include "pages/screenshot/screenshotpage.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"
#include "windows/helpwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// The char page's names of the controls the tests touch, by the chip page's.
const QHash<QString, QString> kCharNames = {
    {"SSTab2", "CSTab2"}, {"spic1", "cspic1"}, {"ssel", "cssel"}, {"scor1", "cscor1"},
    {"scor2", "cscor2"}, {"spic2", "cspic2"}, {"simg1", "csimg1"}, {"sPicClip1", "csPicClip1"},
    {"sleft", "csleft"}, {"sto", "csto"}, {"lplus", "clplus"}, {"lminus", "clminus"},
    {"tplus", "ctplus"}, {"tminus", "ctminus"}, {"cLoadQs", "ccLoadQs"}, {"rauf", "crauf"},
    {"runter", "crunter"}, {"rechts", "crechts"}, {"links", "clinks"},
    {"sscroller", "csscroller"}, {"spic3", "csPic3"}, {"sins", "csins"}, {"skor1", "cskor1"},
    {"spic4", "cspic4"}, {"spic5", "cspic5"}, {"stins", "ctins"}, {"sselgr", "cselgr"},
    {"sacept", "ctacept"}, {"cSaveZS", "ccSaveZS"}, {"chipscrennHelp", "charscreenhelp"},
};

QPoint position(const RectShape *shape)
{
    return QPoint(int(shape->left()), int(shape->top()));
}

// One screenshot page in the main window, found by the chip page's names.
struct Page
{
    explicit Page(bool chip) : chip(chip), f(chip ? 4 : 5) {}

    QString n(const char *chipName) const
    {
        if (chip)
            return QString::fromLatin1(chipName);
        if (!kCharNames.contains(QLatin1String(chipName)))
            qFatal("no char page name for %s", chipName);
        return kCharNames.value(QLatin1String(chipName));
    }
    QSize cell() const { return chip ? QSize(16, 16) : QSize(24, 32); }
    TabControl *inner() { return f.form().findChild<TabControl *>(n("SSTab2")); }
    ScreenshotPage *page() { return inner()->findChild<ScreenshotPage *>(); }
    void showSub(int index) { inner()->setCurrentIndex(index); }

    void load(const QImage &picture, const QString &name = QStringLiteral("shot.bmp"))
    {
        showSub(0);
        QVERIFY(writeBmp(picture, f.filePath(name)));
        f.clickWithFile(n("cLoadQs"), f.filePath(name));
    }
    // Types into a size box and presses one of its buttons.
    void sizeButton(const char *box, const QString &text, const char *button)
    {
        f.form().findChild<QLineEdit *>(n(box))->setText(text);
        f.clickButton(n(button));
    }
    void pressOnShot(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(f.view(n("spic1")), button, Qt::NoModifier, at);
    }
    QImage targetCell(const QImage &sheet) const
    {
        return sheet.copy(QRect(QPoint(cell().width(), cell().height()), cell()));
    }

    bool chip;
    PageFixture f;
};

// Where a pixel of distinctColours() came from.
QPoint whereFrom(QRgb colour)
{
    const int blue = qBlue(colour);
    return QPoint(qRed(colour) | ((blue & 3) << 8), qGreen(colour) | (((blue >> 2) & 3) << 8));
}

void addTwinRows(const char *name)
{
    QTest::newRow(QByteArray("chip: ") + name) << true;
    QTest::newRow(QByteArray("char: ") + name) << false;
}

} // namespace

class TestScreenshotPage : public QObject
{
    Q_OBJECT

private slots:
    void scrolling_data();
    void scrolling();
    void selector_data() { QTest::addColumn<bool>("chip"); addTwinRows("placement"); }
    void selector();
    void sizeButtons_data();
    void sizeButtons();
    void scaledPaste_data();
    void scaledPaste();
    void cellEditor_data();
    void cellEditor();
};

void TestScreenshotPage::scrolling_data()
{
    QTest::addColumn<bool>("chip");
    QTest::addColumn<QSize>("picture");  // invalid: nothing loaded
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("mouse");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QPoint>("held");    // after the ticks
    QTest::addColumn<QSize>("reload");   // loaded next, where valid
    QTest::addColumn<QString>("then");
    QTest::addColumn<QPoint>("after");   // after one tick of `then`
    const QSize none;
    for (bool chip : {true, false}) {
        const QByteArray twin = chip ? "chip: " : "char: ";
        QTest::newRow(twin + "800x600 rechts, then a small load") << chip << QSize(800, 600)
            << "rechts" << int(Qt::LeftButton) << 20 << QPoint(-311, 0) << QSize(320, 240)
            << "rechts" << QPoint(169, 0);
        QTest::newRow(twin + "800x600 runter, rauf") << chip << QSize(800, 600) << "runter"
            << int(Qt::LeftButton) << 10 << QPoint(0, -143) << none << "rauf" << QPoint(0, -123);
        QTest::newRow(twin + "320x240 rechts by right button, links") << chip << QSize(320, 240)
            << "rechts" << int(Qt::RightButton) << 1 << QPoint(169, 0) << none << "links" << QPoint(0, 0);
        QTest::newRow(twin + "320x240 runter by middle button, rauf") << chip << QSize(320, 240)
            << "runter" << int(Qt::MiddleButton) << 1 << QPoint(0, 217) << none << "rauf" << QPoint(0, 0);
        QTest::newRow(twin + "nothing loaded") << chip << none << "rechts" << int(Qt::LeftButton)
            << 3 << QPoint(0, 0) << none << "runter" << QPoint(0, 0);
    }
}

void TestScreenshotPage::scrolling()
{
    QFETCH(bool, chip);
    QFETCH(QSize, picture);
    QFETCH(QString, button);
    QFETCH(int, mouse);
    QFETCH(int, ticks);
    QFETCH(QPoint, held);
    QFETCH(QSize, reload);
    QFETCH(QString, then);
    QFETCH(QPoint, after);

    Page p(chip);
    QVERIFY(p.f.isReady());
    if (picture.isValid())
        p.load(distinctColours(picture));
    PictureView *shot = p.f.view(p.n("spic1"));
    QCOMPARE(shot->size(), picture.isValid() ? picture : QSize(489, 457));
    auto *timer = p.f.form().findChild<QTimer *>(p.n("sscroller"));
    const auto hold = [&](const QString &name, int count) {
        QPushButton *b = p.f.button(p.n(name.toLatin1().constData()));
        QTest::mousePress(b, Qt::MouseButton(mouse));
        QVERIFY(timer->isActive());
        for (int i = 0; i < count; ++i)
            p.page()->sscroller_Timer();
        // Released away from the button: the scrolling stops all the same.
        QTest::mouseRelease(b, Qt::MouseButton(mouse), {}, QPoint(-40, -40));
        QVERIFY(!timer->isActive());
        QTest::keyClick(b, Qt::Key_Space);  // the keyboard does nothing
        QVERIFY(!timer->isActive());
    };
    hold(button, ticks);
    QCOMPARE(shot->pos(), held);
    if (reload.isValid()) {
        p.load(distinctColours(reload), QStringLiteral("other.bmp"));
        QCOMPARE(shot->pos(), held);
        QCOMPARE(shot->size(), reload);
        // The view and the source clip hold one and the same copy.
        QCOMPARE(shot->picture().constBits(), p.f.clip(p.n("sPicClip1"))->picture().constBits());
    }
    hold(then, 1);
    QCOMPARE(shot->pos(), after);
}

void TestScreenshotPage::selector()
{
    QFETCH(bool, chip);
    Page p(chip);
    QVERIFY(p.f.isReady());
    // Before a load the labels follow the selector and nothing is cut.
    p.pressOnShot(QPoint(30, 40));
    QCOMPARE(p.f.label(p.n("scor1"))->text(), QStringLiteral("30"));
    QVERIFY(p.f.preview(p.n("simg1"))->picture().isNull());

    const QImage shot = distinctColours(QSize(320, 240));
    p.load(shot);
    RectShape *sel = p.f.shape(p.n("ssel"));
    QCOMPARE(position(sel), QPoint(30, 40));
    p.pressOnShot(QPoint(100, 50), Qt::RightButton);
    QCOMPARE(position(sel), QPoint(100, 50));
    QCOMPARE(p.f.preview(p.n("simg1"))->picture(), shot.copy(100, 50, 16, 16));

    p.pressOnShot(QPoint(310, 235));
    QCOMPARE(position(sel), QPoint(304, 224));
    QCOMPARE(p.f.label(p.n("scor1"))->text(), QStringLiteral("304"));
    QCOMPARE(p.f.label(p.n("scor2"))->text(), QStringLiteral("224"));
    QCOMPARE(p.f.view(p.n("spic2"))->picture(), shot.copy(304, 224, 16, 16));

    p.f.pressKey(p.n("spic1"), Qt::Key_Right);
    p.f.pressKey(p.n("spic1"), Qt::Key_Return);
    QCOMPARE(position(sel), QPoint(304, 224));
    p.f.pressKey(p.n("spic1"), Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(position(sel), QPoint(304, 223));

    p.f.clickButton(p.n("chipscrennHelp"));
    QVERIFY(p.f.form().helpWindow() && p.f.form().helpWindow()->isVisible());
}

void TestScreenshotPage::sizeButtons_data()
{
    QTest::addColumn<bool>("chip");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("size");  // the selector's width or height
    for (bool chip : {true, false}) {
        const QByteArray twin = chip ? "chip: " : "char: ";
        QTest::newRow(twin + "plus at 300") << chip << "sleft" << "300" << "lplus" << "100" << 100.0;
        QTest::newRow(twin + "plus at 299") << chip << "sleft" << "299" << "lplus" << "300" << 300.0;
        QTest::newRow(twin + "minus after 500") << chip << "sleft" << "500" << "lminus" << "499" << 499.0;
        QTest::newRow(twin + "minus at 1") << chip << "sto" << "1" << "tminus" << "1" << 1.0;
        QTest::newRow(twin + "plus at 0") << chip << "sto" << "0" << "tplus" << "1" << 1.0;
        QTest::newRow(twin + "not a number") << chip << "sto" << "zehn" << "tplus" << "zehn" << 16.0;
        QTest::newRow(twin + "empty") << chip << "sleft" << "" << "lminus" << "" << 16.0;
        QTest::newRow(twin + "plus below 1") << chip << "sleft" << "-5" << "lplus" << "-5" << 16.0;
        QTest::newRow(twin + "minus beyond 16 bits") << chip << "sto" << "70000" << "tminus" << "69999" << 69999.0;
        QTest::newRow(twin + "plus beyond 16 bits") << chip << "sleft" << "40000" << "lplus" << "100" << 100.0;
        QTest::newRow(twin + "minus at 250000000") << chip << "sleft" << "250000000" << "lminus"
            << "2.5e+08" << 249999999.0;
        QTest::newRow(twin + "minus at 1e11") << chip << "sto" << "99999999999" << "tminus" << "1e+11"
            << 99999999998.0;
        QTest::newRow(twin + "minus at 1e30") << chip << "sleft" << "1e30" << "lminus" << "1e+30" << 1e30;
    }
}

void TestScreenshotPage::sizeButtons()
{
    QFETCH(bool, chip);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QFETCH(double, size);

    Page p(chip);
    QVERIFY(p.f.isReady());
    const QImage shot = distinctColours(QSize(320, 240));
    p.load(shot);
    p.pressOnShot(QPoint(310, 235));
    p.sizeButton(box.toLatin1().constData(), typed, button.toLatin1().constData());

    QCOMPARE(p.f.form().findChild<QLineEdit *>(p.n(box.toLatin1().constData()))->text(), shown);
    RectShape *sel = p.f.shape(p.n("ssel"));
    const bool width = box == QLatin1String("sleft");
    QCOMPARE(width ? sel->width() : sel->height(), size);
    QCOMPARE(width ? sel->height() : sel->width(), 16.0);
    // Widened at the edge, the selector stays flush with it, drawn as well,
    // however large; the preview is the piece, or the last one for a selector
    // larger than the picture.
    QCOMPARE(sel->left(), qMin(304.0, 320 - sel->width()));
    QCOMPARE(sel->top(), qMin(224.0, 240 - sel->height()));
    const QRect drawn = sel->pixelRect();
    QCOMPARE(drawn.x() + drawn.width(), int(qMin(320.0, 304 + sel->width())));
    QCOMPARE(drawn.y() + drawn.height(), int(qMin(240.0, 224 + sel->height())));
    const QImage preview = p.f.preview(p.n("simg1"))->picture();
    if (sel->left() < 0 || sel->top() < 0)
        QCOMPARE(preview, shot.copy(304, 224, 16, 16));
    else
        QCOMPARE(preview, shot.copy(QRect(position(sel), QSize(int(sel->width()), int(sel->height())))));
}

void TestScreenshotPage::scaledPaste_data()
{
    QTest::addColumn<bool>("chip");
    QTest::addColumn<QSize>("selection");
    for (bool chip : {true, false}) {
        const QByteArray twin = chip ? "chip: " : "char: ";
        QTest::newRow(twin + "1 x 1") << chip << QSize(1, 1);
        QTest::newRow(twin + "300 x 100 squeezed") << chip << QSize(300, 100);
    }
}

void TestScreenshotPage::scaledPaste()
{
    QFETCH(bool, chip);
    QFETCH(QSize, selection);

    Page p(chip);
    QVERIFY(p.f.isReady());
    PictureView *sheet = p.f.view(p.n("spic3"));
    p.showSub(1);
    p.f.clickView(p.n("spic3"));
    p.f.pressKey(p.n("spic3"), Qt::Key_Right);
    p.f.pressKey(p.n("spic3"), Qt::Key_Down);
    const QImage before = sheet->image();
    const QImage shownCell = p.f.view(p.n("spic4"))->picture();
    const QImage shownEditor = p.f.view(p.n("spic5"))->picture();
    p.f.pressKey(p.n("spic3"), Qt::Key_Return);
    QCOMPARE(sheet->image(), before);  // nothing loaded yet

    const QImage shot = distinctColours(QSize(400, 300));
    p.load(shot);
    p.sizeButton("sleft", QString::number(selection.width() + 1), "lminus");
    p.sizeButton("sto", QString::number(selection.height() + 1), "tminus");
    p.pressOnShot(QPoint(10, 20));
    p.showSub(1);
    p.f.pressKey(p.n("spic3"), Qt::Key_Return);

    const QImage after = sheet->image();
    const QRect cellRect(QPoint(p.cell().width(), p.cell().height()), p.cell());
    QVERIFY(changedArea(before, after).isValid());
    QVERIFY(cellRect.contains(changedArea(before, after)));
    if (selection == QSize(1, 1))
        QVERIFY(isEvenColour(after.copy(cellRect), shot.pixel(10, 20)));
    // Squeezed whole: the cell's pixels come from all over the piece (within
    // one step of its edges) and from nowhere else.
    QRect from;
    for (int y = 0; y < cellRect.height(); ++y)
        for (int x = 0; x < cellRect.width(); ++x)
            from |= QRect(whereFrom(after.pixel(cellRect.topLeft() + QPoint(x, y))), QSize(1, 1));
    const QRect piece(QPoint(10, 20), selection);
    const int dx = selection.width() / p.cell().width() + 1;
    const int dy = selection.height() / p.cell().height() + 1;
    QVERIFY(piece.contains(from) && from.marginsAdded(QMargins(dx, dy, dx, dy)).contains(piece));
    QCOMPARE(sheet->picture(), after);

    // The previews show the old cell until the next arrow key.
    QCOMPARE(p.f.view(p.n("spic4"))->picture(), shownCell);
    QCOMPARE(p.f.view(p.n("spic5"))->picture(), shownEditor);
    p.f.pressKey(p.n("spic3"), Qt::Key_Up);
    p.f.pressKey(p.n("spic3"), Qt::Key_Down);
    const QImage cell = after.copy(cellRect);
    QCOMPARE(p.f.view(p.n("spic4"))->picture(),
             cell.scaled(p.f.view(p.n("spic4"))->size(), Qt::IgnoreAspectRatio));
    QCOMPARE(p.f.view(p.n("spic5"))->picture(),
             cell.scaled(p.f.view(p.n("spic5"))->size(), Qt::IgnoreAspectRatio));
}

void TestScreenshotPage::cellEditor_data()
{
    QTest::addColumn<bool>("chip");
    QTest::addColumn<bool>("writable");  // the program folder, for "dump.bmp"
    QTest::newRow("chip") << true << true;
    QTest::newRow("char") << false << true;
    QTest::newRow("chip, unwritable program folder") << true << false;
    QTest::newRow("char, unwritable program folder") << false << false;
}

void TestScreenshotPage::cellEditor()
{
    QFETCH(bool, chip);
    QFETCH(bool, writable);
    Page p(chip);
    QVERIFY(p.f.isReady());
    const QRgb blank = chip ? qRgb(255, 102, 153) : qRgb(41, 156, 0);

    // Accept with no cell shown: the chip page says so, the char page not.
    p.showSub(1);
    p.f.clickButton(p.n("sacept"));
    QCOMPARE(p.f.dialogs.messages.size(), chip ? 1 : 0);
    if (chip)
        QCOMPARE(p.f.dialogs.messages.first().text, QStringLiteral("fehler!"));

    const QImage shot = distinctColours(QSize(320, 240));
    p.load(shot);
    if (!writable)
        setProgramFolder(p.f.unwritableFolder());
    p.showSub(1);
    p.f.pressKey(p.n("spic3"), Qt::Key_Right);
    p.f.pressKey(p.n("spic3"), Qt::Key_Down);
    QCOMPARE(p.f.label(p.n("skor1"))->text(), QStringLiteral("2"));
    p.f.pressKey(p.n("spic3"), Qt::Key_Return);
    p.f.pressKey(p.n("spic3"), Qt::Key_Left);
    p.f.pressKey(p.n("spic3"), Qt::Key_Right);
    PictureView *editor = p.f.view(p.n("spic5"));
    QCOMPARE(editor->picture().pixel(0, 0), shot.pixel(0, 0));  // the pasted cell
    const QImage cellShown = editor->image();

    p.f.clickView(p.n("spic5"));
    p.f.pressKey(p.n("spic5"), Qt::Key_Return);  // no brush before an arrow key
    QCOMPARE(editor->image(), cellShown);
    p.f.pressKey(p.n("spic5"), Qt::Key_Right);
    p.f.pressKey(p.n("spic5"), Qt::Key_Return);
    QCOMPARE(changedArea(cellShown, editor->image()), QRect(10, 0, 10, 10));
    QVERIFY(isEvenColour(editor->picture().copy(10, 0, 10, 10), blank));

    p.f.clickButton(p.n("sselgr"), 3);
    QCOMPARE(p.f.shape(p.n("stins"))->width(), 40.0);
    p.f.pressKey(p.n("spic5"), Qt::Key_Right, Qt::NoModifier, 30);
    p.f.pressKey(p.n("spic5"), Qt::Key_Down, Qt::NoModifier, 40);
    const QPoint corner = chip ? QPoint(150, 150) : QPoint(230, 310);
    QCOMPARE(position(p.f.shape(p.n("stins"))), corner);
    const QImage beforeBlock = editor->image();
    p.f.pressKey(p.n("spic5"), Qt::Key_Return);
    QCOMPARE(changedArea(beforeBlock, editor->image()),
             QRect(corner, editor->size() - QSize(corner.x(), corner.y())));

    // Accept writes the view back into the cell, and a save has it at once.
    PictureView *sheet = p.f.view(p.n("spic3"));
    p.f.clickButton(p.n("sacept"));
    const QImage cell = p.targetCell(sheet->image());
    QCOMPARE(cell.pixel(1, 0), blank);
    QCOMPARE(cell.pixel(cell.width() - 1, cell.height() - 1), blank);
    QCOMPARE(cell.pixel(0, 0), shot.pixel(0, 0));
    QVERIFY(p.targetCell(sheet->picture()) != cell);  // not flattened yet
    p.f.clickWithFile(p.n("cSaveZS"), p.f.filePath("sheet"));
    QCOMPARE(p.targetCell(LoadPicture(p.f.filePath("sheet.bmp"))), cell);
    QCOMPARE(p.f.dialogs.messages.size(), chip ? 1 : 0);
}

QTEST_MAIN(TestScreenshotPage)
#include "tst_screenshotpage.moc"
