// Drives the "Face Sets" page through the main window: the selector and the
// insert frame with their clamps, the one-to-one paste, the previews and the
// page's file buttons.

#include <QtTest>

#include <QFile>
#include <QLabel>

#include "pagefixture.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"
#include "testpictures.h"

namespace {

constexpr int kFaceTab = 2;
const QRgb kTemplateFill = qRgb(65, 70, 165);

void loadSource(PageFixture &fx, const QImage &image)
{
    const QString path = fx.filePath(QStringLiteral("faces.bmp"));
    QVERIFY(writeBmp(image, path));
    fx.clickWithFile(QStringLiteral("LoadQFace"), path);
    QVERIFY(fx.dialogs.messages.isEmpty());
}

QImage rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Tests for FacePage.
class TestFacePage : public QObject
{
    Q_OBJECT

private slots:
    void arrowMoves_data();
    void arrowMoves();
    void paste_data();
    void paste();
    void targetPreviewRefreshedByEdgeArrow();
    void enterBeforeSourceLoad();
    void fileButtons();
};

void TestFacePage::arrowMoves_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("times");
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("row");

    QTest::newRow("source right past the fourth column") << "fpic1" << int(Qt::Key_Right) << 5
                                                         << QPointF(144, 0) << "4" << "1";
    QTest::newRow("source down past the fourth row") << "fpic1" << int(Qt::Key_Down) << 5
                                                     << QPointF(0, 144) << "1" << "4";
    QTest::newRow("source left at start") << "fpic1" << int(Qt::Key_Left) << 1
                                          << QPointF(0, 0) << "1" << "1";
    QTest::newRow("target one right") << "fpic3" << int(Qt::Key_Right) << 1
                                      << QPointF(48, 0) << "2" << "1";
    QTest::newRow("target right past the edge") << "fpic3" << int(Qt::Key_Right) << 6
                                                << QPointF(144, 0) << "4" << "1";
    QTest::newRow("target down past the edge") << "fpic3" << int(Qt::Key_Down) << 6
                                               << QPointF(0, 144) << "1" << "4";
    QTest::newRow("target up at the top") << "fpic3" << int(Qt::Key_Up) << 1
                                          << QPointF(0, 0) << "1" << "1";
}

void TestFacePage::arrowMoves()
{
    QFETCH(QString, view);
    QFETCH(int, key);
    QFETCH(int, times);
    QFETCH(QPointF, at);
    QFETCH(QString, column);
    QFETCH(QString, row);

    PageFixture fx(kFaceTab);
    QVERIFY(fx.isReady());
    // A source larger than the view: only its top-left 192 x 192 is reachable.
    loadSource(fx, distinctColours(QSize(400, 300)));
    fx.clickView(view);
    fx.pressKey(view, Qt::Key(key), Qt::NoModifier, times);

    const bool source = view == QLatin1String("fpic1");
    const RectShape *moved = fx.shape(source ? QStringLiteral("fsel") : QStringLiteral("fins"));
    QCOMPARE(QPointF(moved->left(), moved->top()), at);
    QCOMPARE(moved->width(), 48.0);
    QCOMPARE(fx.label(source ? QStringLiteral("fcor1") : QStringLiteral("fkor1"))->text(), column);
    QCOMPARE(fx.label(source ? QStringLiteral("fcor2") : QStringLiteral("fkor2"))->text(), row);
}

void TestFacePage::paste_data()
{
    QTest::addColumn<bool>("indexed");
    QTest::newRow("24-bit source") << false;
    QTest::newRow("8-bit source") << true;
}

void TestFacePage::paste()
{
    QFETCH(bool, indexed);

    PageFixture fx(kFaceTab);
    QVERIFY(fx.isReady());
    const QImage picture = indexed ? indexedColours(QSize(192, 192)) : distinctColours(QSize(192, 192));
    loadSource(fx, picture);
    const QImage source = rgb(picture);

    fx.pressKey(QStringLiteral("fpic1"), Qt::Key_Down, Qt::NoModifier, 2);
    fx.pressKey(QStringLiteral("fpic1"), Qt::Key_Right);
    QCOMPARE(rgb(fx.preview(QStringLiteral("fimg1"))->picture()), source.copy(48, 96, 48, 48));

    PictureView *target = fx.view(QStringLiteral("fpic3"));
    fx.clickView(QStringLiteral("fpic3"));
    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Right, Qt::NoModifier, 2);
    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Down);
    const QImage before = target->image();
    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Enter);
    const QImage after = target->image();

    QCOMPARE(changedArea(before, after), QRect(96, 48, 48, 48));
    QVERIFY(sameArea(after, QPoint(96, 48), source, QPoint(48, 96), QSize(48, 48)));
    QCOMPARE(rgb(target->picture()), rgb(after));
    QCOMPARE(rgb(QImage(fx.filePath(QStringLiteral("dump.bmp")))), rgb(after));
}

void TestFacePage::targetPreviewRefreshedByEdgeArrow()
{
    PageFixture fx(kFaceTab);
    QVERIFY(fx.isReady());
    const QImage source = distinctColours(QSize(192, 192));
    loadSource(fx, source);

    PictureView *preview = fx.view(QStringLiteral("fpic4"));
    const QSize inner(preview->scaleWidth(), preview->scaleHeight());
    fx.clickView(QStringLiteral("fpic3"));
    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Left);
    QVERIFY(isEvenColour(preview->picture(), kTemplateFill));

    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Return);
    QVERIFY(isEvenColour(preview->picture(), kTemplateFill));

    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Up);
    QCOMPARE(fx.label(QStringLiteral("fkor2"))->text(), QStringLiteral("1"));
    QCOMPARE(rgb(preview->picture()),
             source.copy(0, 0, 48, 48).scaled(inner, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

void TestFacePage::enterBeforeSourceLoad()
{
    PageFixture fx(kFaceTab);
    QVERIFY(fx.isReady());
    PictureView *target = fx.view(QStringLiteral("fpic3"));
    QVERIFY(isEvenColour(target->image(), kTemplateFill));
    const QImage before = target->image();

    fx.clickView(QStringLiteral("fpic3"));
    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Return);
    fx.pressKey(QStringLiteral("fpic1"), Qt::Key_Right);

    QCOMPARE(target->image(), before);
    QVERIFY(!QFile::exists(fx.filePath(QStringLiteral("dump.bmp"))));
    QVERIFY(fx.dialogs.messages.isEmpty());
    // Without a source the selector still moves and relabels.
    QCOMPARE(fx.label(QStringLiteral("fcor1"))->text(), QStringLiteral("2"));
    QVERIFY(fx.preview(QStringLiteral("fimg1"))->picture().isNull());
}

void TestFacePage::fileButtons()
{
    PageFixture fx(kFaceTab);
    QVERIFY(fx.isReady());
    PictureView *target = fx.view(QStringLiteral("fpic3"));
    loadSource(fx, distinctColours(QSize(192, 192)));
    fx.pressKey(QStringLiteral("fpic3"), Qt::Key_Return);
    const QImage pasted = target->image();

    fx.clickWithFile(QStringLiteral("SaveZFace"), fx.filePath(QStringLiteral("faces")));
    QCOMPARE(fx.dialogs.fileRequests.constLast().filter, QStringLiteral("*bmp"));
    QCOMPARE(rgb(QImage(fx.filePath(QStringLiteral("faces.bmp")))), rgb(pasted));

    const QString junk = fx.filePath(QStringLiteral("junk.bmp"));
    QVERIFY(writeFile(junk, "not a picture"));
    fx.clickWithFile(QStringLiteral("LoadZFace"), junk);
    QCOMPARE(fx.dialogs.messages.constLast().text,
             QStringLiteral("Die Datei kann leider nicht geladen werden !"));
    QCOMPARE(target->image(), pasted);

    fx.dialogs.queueAnswer(Dialogs::Answer::Yes);
    fx.clickButton(QStringLiteral("fNew"));
    QVERIFY(isEvenColour(target->image(), kTemplateFill));
}

QTEST_MAIN(TestFacePage)
#include "tst_facepage.moc"
