// Drives the "Char Sets" page through the main window: the selector in both
// char modes, the insert frame, the paste with its RPG95 squeeze, the
// previews and the page's file buttons.

#include <QtTest>

#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "app/mainform.h"
#include "pagefixture.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"
#include "testpictures.h"

namespace {

constexpr int kCharTab = 1;
const QRgb kTemplateFill = qRgb(41, 156, 0);

// Writes the picture into the program folder and loads it as the source.
void loadSource(PageFixture &fx, const QImage &image)
{
    const QString path = fx.filePath(QStringLiteral("source.bmp"));
    QVERIFY(writeBmp(image, path));
    fx.clickWithFile(QStringLiteral("LoadQChar"), path);
    QVERIFY(fx.dialogs.messages.isEmpty());
}

// Plays a short script on the page: R, L, U, D are arrow keys in the source
// view, M a click on the char mode button; anything else is ignored.
void play(PageFixture &fx, const QString &script)
{
    for (const QChar step : script) {
        switch (step.toLatin1()) {
        case 'R': fx.pressKey(QStringLiteral("cPic1"), Qt::Key_Right); break;
        case 'L': fx.pressKey(QStringLiteral("cPic1"), Qt::Key_Left); break;
        case 'U': fx.pressKey(QStringLiteral("cPic1"), Qt::Key_Up); break;
        case 'D': fx.pressKey(QStringLiteral("cPic1"), Qt::Key_Down); break;
        case 'M': fx.clickButton(QStringLiteral("c95mode")); break;
        default: break;
        }
    }
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Tests for CharPage.
class TestCharPage : public QObject
{
    Q_OBJECT

private slots:
    void startState();
    void charMode_data();
    void charMode();
    void fractionUsesDecimalSeparator_data();
    void fractionUsesDecimalSeparator();
    void arrowMoves_data();
    void arrowMoves();
    void sourcePreviewFollowsModeAndMoves();
    void paste_data();
    void paste();
    void targetPreviewStaleUntilArrow();
    void idleKeys_data();
    void idleKeys();
    void clickSwapsTabOrder();
    void loadFailure_data();
    void loadFailure();
    void saveAndNewTemplate();
};

void TestCharPage::startState()
{
    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    QCOMPARE(fx.form().pageState().CharSelMode, qint16(1));
    QCOMPARE(fx.button(QStringLiteral("c95mode"))->text(), QStringLiteral("RPG95 Char Konvertor Aus"));
    for (const char *name : {"ccor1", "ccor2", "ckor1", "ckor2"})
        QCOMPARE(fx.label(QString::fromLatin1(name))->text(), QStringLiteral("1"));
    QVERIFY(isEvenColour(fx.view(QStringLiteral("cPic3"))->image(), kTemplateFill));
    QCOMPARE(fx.view(QStringLiteral("cPic3"))->image().size(), QSize(288, 256));
    PictureView *source = fx.view(QStringLiteral("cPic1"));
    QVERIFY(!source->hasPicture());
    QCOMPARE(source->image().pixel(5, 5), source->palette().color(QPalette::Base).rgb());
    QVERIFY(fx.view(QStringLiteral("cPic4"))->isVisible());
    QVERIFY(!fx.view(QStringLiteral("cPic2"))->isVisible());
}

void TestCharPage::charMode_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("row");

    QTest::newRow("switch on at Left 24") << "R M" << 24.0 << 0.0 << 32.0 << "1.75" << "1";
    QTest::newRow("switch back at Left 24") << "R M M" << 24.0 << 0.0 << 24.0 << "2" << "1";
    QTest::newRow("RPG95 step, back, left to 8") << "M R M L" << 8.0 << 0.0 << 24.0 << "1.333333" << "1";
    QTest::newRow("RPG95 steps, back, left to 16") << "M RR M LL" << 16.0 << 0.0 << 24.0 << "1.666667" << "1";
    QTest::newRow("eight rights in RPG95") << "M RRRRRRRR" << 256.0 << 0.0 << 32.0 << "9" << "1";
    QTest::newRow("ninth right clamped") << "M RRRRRRRRR" << 264.0 << 0.0 << 32.0 << "9.25" << "1";
    QTest::newRow("switch at the clamp value") << "RRRRRRRRRRRR M" << 264.0 << 0.0 << 32.0 << "9.25" << "1";
    QTest::newRow("left at start in RPG95") << "M L U" << 0.0 << 0.0 << 32.0 << "1" << "1";
    QTest::newRow("down to the last row in RPG95") << "M DDDDDDDDD" << 0.0 << 224.0 << 32.0 << "1" << "8";
}

void TestCharPage::charMode()
{
    QFETCH(QString, script);
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(double, width);
    QFETCH(QString, column);
    QFETCH(QString, row);

    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    play(fx, script);

    const RectShape *sel = fx.shape(QStringLiteral("csel"));
    QCOMPARE(sel->left(), left);
    QCOMPARE(sel->top(), top);
    QCOMPARE(sel->width(), width);
    QCOMPARE(sel->height(), 32.0);
    QCOMPARE(fx.label(QStringLiteral("ccor1"))->text(), column);
    QCOMPARE(fx.label(QStringLiteral("ccor2"))->text(), row);
    const bool rpg95 = width == 32.0;
    QCOMPARE(fx.form().pageState().CharSelMode, qint16(rpg95 ? 2 : 1));
    QCOMPARE(fx.button(QStringLiteral("c95mode"))->text(),
             rpg95 ? QStringLiteral("RPG95 Char Konvertor An") : QStringLiteral("RPG95 Char Konvertor Aus"));
    // The mode never touches the target side.
    QCOMPARE(fx.shape(QStringLiteral("cins"))->width(), 24.0);
    QCOMPARE(fx.label(QStringLiteral("ckor1"))->text(), QStringLiteral("1"));
}

void TestCharPage::fractionUsesDecimalSeparator_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("column");

    QTest::newRow("C") << QLocale::c() << "9.25";
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << "9,25";
}

void TestCharPage::fractionUsesDecimalSeparator()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, column);

    const QLocale before;
    QLocale::setDefault(locale);
    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    play(fx, QStringLiteral("M RRRRRRRRR"));
    const QString shown = fx.label(QStringLiteral("ccor1"))->text();
    QLocale::setDefault(before);
    QCOMPARE(shown, column);
}

void TestCharPage::arrowMoves_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("times");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("row");

    const int none = Qt::NoModifier;
    QTest::newRow("source right to the edge") << "cPic1" << 1 << int(Qt::Key_Right) << none << 12
                                              << QPointF(264, 0) << "12" << "1";
    QTest::newRow("source down to the bottom") << "cPic1" << 1 << int(Qt::Key_Down) << none << 8
                                               << QPointF(0, 224) << "1" << "8";
    QTest::newRow("source shift right") << "cPic1" << 1 << int(Qt::Key_Right) << int(Qt::ShiftModifier)
                                        << 1 << QPointF(24, 0) << "2" << "1";
    QTest::newRow("target up at the top") << "cPic3" << 1 << int(Qt::Key_Up) << none << 1
                                          << QPointF(0, 0) << "1" << "1";
    QTest::newRow("target right to the edge") << "cPic3" << 1 << int(Qt::Key_Right) << none << 12
                                              << QPointF(264, 0) << "12" << "1";
    QTest::newRow("target down to the bottom") << "cPic3" << 1 << int(Qt::Key_Down) << none << 8
                                               << QPointF(0, 224) << "1" << "8";
    QTest::newRow("target right in RPG95") << "cPic3" << 2 << int(Qt::Key_Right) << none << 1
                                           << QPointF(24, 0) << "2" << "1";
    QTest::newRow("target right to the edge in RPG95") << "cPic3" << 2 << int(Qt::Key_Right) << none
                                                       << 12 << QPointF(264, 0) << "12" << "1";
    QTest::newRow("target down in RPG95") << "cPic3" << 2 << int(Qt::Key_Down) << none << 1
                                          << QPointF(0, 32) << "1" << "2";
    QTest::newRow("target ctrl left at start") << "cPic3" << 2 << int(Qt::Key_Left)
                                               << int(Qt::ControlModifier) << 1 << QPointF(0, 0)
                                               << "1" << "1";
}

void TestCharPage::arrowMoves()
{
    QFETCH(QString, view);
    QFETCH(int, mode);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, times);
    QFETCH(QPointF, at);
    QFETCH(QString, column);
    QFETCH(QString, row);

    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    if (mode == 2)
        play(fx, QStringLiteral("M"));
    fx.clickView(view);
    fx.pressKey(view, Qt::Key(key), Qt::KeyboardModifiers(modifiers), times);

    const bool source = view == QLatin1String("cPic1");
    const RectShape *moved = fx.shape(source ? QStringLiteral("csel") : QStringLiteral("cins"));
    QCOMPARE(QPointF(moved->left(), moved->top()), at);
    QCOMPARE(fx.label(source ? QStringLiteral("ccor1") : QStringLiteral("ckor1"))->text(), column);
    QCOMPARE(fx.label(source ? QStringLiteral("ccor2") : QStringLiteral("ckor2"))->text(), row);
}

void TestCharPage::sourcePreviewFollowsModeAndMoves()
{
    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    const QImage source = distinctColours(QSize(288, 256));
    loadSource(fx, source);
    const StretchImage *preview = fx.preview(QStringLiteral("cimg1"));
    QCOMPARE(rgb(preview->picture()), source.copy(0, 0, 24, 32));

    play(fx, QStringLiteral("M"));
    QCOMPARE(rgb(preview->picture()), source.copy(0, 0, 32, 32));
    play(fx, QStringLiteral("RD"));
    QCOMPARE(rgb(preview->picture()), source.copy(32, 32, 32, 32));
    play(fx, QStringLiteral("M"));
    QCOMPARE(rgb(preview->picture()), source.copy(32, 32, 24, 32));
}

void TestCharPage::paste_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("indexed");
    QTest::addColumn<int>("rights");
    QTest::addColumn<int>("downs");
    QTest::addColumn<QPoint>("at");

    QTest::newRow("RPG2K, 24-bit") << 1 << false << 2 << 1 << QPoint(48, 32);
    QTest::newRow("RPG2K, 8-bit, last cell") << 1 << true << 20 << 20 << QPoint(264, 224);
    QTest::newRow("RPG95, 24-bit") << 2 << false << 2 << 1 << QPoint(48, 32);
    QTest::newRow("RPG95, 8-bit") << 2 << true << 2 << 1 << QPoint(48, 32);
    QTest::newRow("RPG95, 24-bit, last cell") << 2 << false << 20 << 20 << QPoint(264, 224);
}

void TestCharPage::paste()
{
    QFETCH(int, mode);
    QFETCH(bool, indexed);
    QFETCH(int, rights);
    QFETCH(int, downs);
    QFETCH(QPoint, at);

    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    const QImage picture = indexed ? indexedColours(QSize(288, 256)) : distinctColours(QSize(288, 256));
    loadSource(fx, picture);
    if (indexed)
        QCOMPARE(readBmpHeader(fx.filePath(QStringLiteral("source.bmp"))).bitsPerPixel, quint16(8));
    const QImage source = rgb(picture);

    // The selector one cell right and down: (24, 32) or (32, 32).
    if (mode == 2)
        play(fx, QStringLiteral("M"));
    play(fx, QStringLiteral("RD"));
    const int cellWidth = mode == 2 ? 32 : 24;
    const QImage piece = source.copy(cellWidth, 32, cellWidth, 32);

    PictureView *target = fx.view(QStringLiteral("cPic3"));
    fx.clickView(QStringLiteral("cPic3"));
    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Right, Qt::NoModifier, rights);
    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Down, Qt::NoModifier, downs);
    const QImage before = target->image();
    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Return);
    const QImage after = target->image();

    QCOMPARE(after.size(), QSize(288, 256));
    QCOMPARE(changedArea(before, after), QRect(at, QSize(24, 32)));
    if (mode == 1) {
        QVERIFY(sameArea(after, at, piece, QPoint(0, 0), QSize(24, 32)));
    } else {
        // Squeezed: every row keeps its own pixels, 24 of the 32 columns in
        // their order, each near its proportional place.
        for (int y = 0; y < 32; ++y) {
            int last = -1;
            for (int x = 0; x < 24; ++x) {
                const QRgb pixel = after.pixel(at.x() + x, at.y() + y);
                int from = -1;
                for (int sx = 0; sx < 32 && from < 0; ++sx) {
                    if (piece.pixel(sx, y) == pixel)
                        from = sx;
                }
                QVERIFY2(from > last, qPrintable(QStringLiteral("row %1, column %2").arg(y).arg(x)));
                QVERIFY(qAbs(from - x * 32 / 24) <= 2);
                last = from;
            }
        }
    }
    // The flatten step took the piece into the picture and wrote "dump.bmp".
    QCOMPARE(rgb(target->picture()), after);
    QCOMPARE(rgb(QImage(fx.filePath(QStringLiteral("dump.bmp")))), after);
}

void TestCharPage::targetPreviewStaleUntilArrow()
{
    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    const QImage source = distinctColours(QSize(288, 256));
    loadSource(fx, source);

    PictureView *preview = fx.view(QStringLiteral("cPic4"));
    const QSize inner(preview->scaleWidth(), preview->scaleHeight());
    fx.clickView(QStringLiteral("cPic3"));
    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Up);
    QVERIFY(isEvenColour(preview->picture(), kTemplateFill));
    QCOMPARE(preview->picture().size(), inner);

    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Return);
    QVERIFY(isEvenColour(preview->picture(), kTemplateFill));

    // Up at the top row leaves the frame where it is and refreshes the preview.
    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Up);
    QCOMPARE(fx.label(QStringLiteral("ckor2"))->text(), QStringLiteral("1"));
    QCOMPARE(rgb(preview->picture()),
             source.copy(0, 0, 24, 32).scaled(inner, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void TestCharPage::idleKeys_data()
{
    QTest::addColumn<bool>("withSource");
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("key");

    QTest::newRow("Enter in the target before any source") << false << "cPic3" << int(Qt::Key_Return);
    QTest::newRow("keypad Enter before any source") << false << "cPic3" << int(Qt::Key_Enter);
    QTest::newRow("Enter in the source") << true << "cPic1" << int(Qt::Key_Return);
    QTest::newRow("space in the target") << true << "cPic3" << int(Qt::Key_Space);
    QTest::newRow("letter in the source") << true << "cPic1" << int(Qt::Key_A);
}

void TestCharPage::idleKeys()
{
    QFETCH(bool, withSource);
    QFETCH(QString, view);
    QFETCH(int, key);

    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    if (withSource)
        loadSource(fx, distinctColours(QSize(288, 256)));
    const QImage before = fx.view(QStringLiteral("cPic3"))->image();

    fx.clickView(view);
    fx.pressKey(view, Qt::Key(key));

    QCOMPARE(fx.view(QStringLiteral("cPic3"))->image(), before);
    QVERIFY(!QFile::exists(fx.filePath(QStringLiteral("dump.bmp"))));
    QVERIFY(fx.dialogs.messages.isEmpty());
    for (const char *name : {"csel", "cins"})
        QCOMPARE(QPointF(fx.shape(QString::fromLatin1(name))->left(),
                         fx.shape(QString::fromLatin1(name))->top()), QPointF(0, 0));
}

void TestCharPage::clickSwapsTabOrder()
{
    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    PictureView *source = fx.view(QStringLiteral("cPic1"));
    PictureView *target = fx.view(QStringLiteral("cPic3"));

    fx.clickView(QStringLiteral("cPic3"));
    QCOMPARE(source->tabIndex(), 2);
    QCOMPARE(target->tabIndex(), 1);
    fx.clickView(QStringLiteral("cPic1"));
    QCOMPARE(source->tabIndex(), 1);
    QCOMPARE(target->tabIndex(), 2);
    // A click never moves the rectangle to the click point.
    QCOMPARE(fx.shape(QStringLiteral("csel"))->left(), 0.0);
}

void TestCharPage::loadFailure_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("source") << "LoadQChar";
    QTest::newRow("target") << "LoadZChar";
}

void TestCharPage::loadFailure()
{
    QFETCH(QString, button);

    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    const QImage target = fx.view(QStringLiteral("cPic3"))->image();
    const QString junk = fx.filePath(QStringLiteral("junk.bmp"));
    QVERIFY(writeFile(junk, "not a picture"));
    fx.clickWithFile(button, junk);

    QCOMPARE(fx.dialogs.messages.size(), 1);
    QCOMPARE(fx.dialogs.messages.constFirst().text,
             QStringLiteral("Die Datei kann leider nicht geladen werden !"));
    QCOMPARE(fx.dialogs.fileRequests.constFirst().filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
    QCOMPARE(fx.view(QStringLiteral("cPic3"))->image(), target);
    PictureView *source = fx.view(QStringLiteral("cPic1"));
    QVERIFY(!source->hasPicture());
    QCOMPARE(source->image().pixel(5, 5), source->palette().color(QPalette::Base).rgb());
}

void TestCharPage::saveAndNewTemplate()
{
    PageFixture fx(kCharTab);
    QVERIFY(fx.isReady());
    loadSource(fx, distinctColours(QSize(288, 256)));
    fx.pressKey(QStringLiteral("cPic3"), Qt::Key_Return);
    PictureView *target = fx.view(QStringLiteral("cPic3"));
    const QImage pasted = target->image();

    fx.clickWithFile(QStringLiteral("SaveZChar"), fx.filePath(QStringLiteral("sheet")));
    QCOMPARE(fx.dialogs.fileRequests.constLast().filter, QStringLiteral("*.bmp"));
    QCOMPARE(rgb(QImage(fx.filePath(QStringLiteral("sheet.bmp")))), pasted);

    fx.dialogs.queueAnswer(Dialogs::Answer::No);
    fx.clickButton(QStringLiteral("CNew"));
    QCOMPARE(target->image(), pasted);

    fx.dialogs.queueAnswer(Dialogs::Answer::Yes);
    fx.clickButton(QStringLiteral("CNew"));
    QVERIFY(isEvenColour(target->image(), kTemplateFill));
    QCOMPARE(fx.dialogs.messages.constLast().text, QStringLiteral("Aktuelles Zielbild löschen ?"));
}

QTEST_MAIN(TestCharPage)
#include "tst_charpage.moc"
