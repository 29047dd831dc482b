// The stretched previews of the three set pages, as the window paints them:
// the picture fills the preview's whole area, and only the chip previews
// draw their thin border over its edge.

#include <QtTest>

#include "pagefixture.h"
#include "picture/stretchimage.h"
#include "testpictures.h"

class TestSetPreviews : public QObject
{
    Q_OBJECT

private slots:
    void fillsWholeArea_data();
    void fillsWholeArea();
};

void TestSetPreviews::fillsWholeArea_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("border");
    QTest::newRow("Chip Sets img1") << 0 << QStringLiteral("img1") << 105 << true;
    QTest::newRow("Chip Sets img2") << 0 << QStringLiteral("img2") << 105 << true;
    QTest::newRow("Char Sets cimg1") << 1 << QStringLiteral("cimg1") << 97 << false;
    QTest::newRow("Face Sets fimg1") << 2 << QStringLiteral("fimg1") << 97 << false;
}

void TestSetPreviews::fillsWholeArea()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(int, side);
    QFETCH(bool, border);
    PageFixture fx(tab);
    QVERIFY(fx.isReady());
    StretchImage *preview = fx.preview(name);
    QCOMPARE(preview->size(), QSize(side, side));

    // A piece of the preview's own size shows one to one.
    const QImage piece = distinctColours(QSize(side, side));
    preview->setPicture(piece);
    const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), QSize(side, side));
    for (const QPoint at : {QPoint(1, 1), QPoint(side / 2, side / 3), QPoint(side - 2, side - 2)})
        QCOMPARE(shown.pixel(at), piece.pixel(at));
    const QRgb edge = border ? preview->palette().color(QPalette::WindowText).rgb() : piece.pixel(0, 0);
    QCOMPARE(shown.pixel(0, 0), edge);
}

QTEST_MAIN(TestSetPreviews)
#include "tst_setpreviews.moc"
