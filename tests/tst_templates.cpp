// Checks the pictures compiled into the program: the three blank template
// sheets byte by byte, the window icons and the About picture.

#include <QtTest>

#include <QImage>
#include <QSet>

#include "picture/embeddedassets.h"

namespace {

quint32 le32(const QByteArray &bytes, int offset)
{
    return quint32(quint8(bytes[offset])) | quint32(quint8(bytes[offset + 1])) << 8
        | quint32(quint8(bytes[offset + 2])) << 16 | quint32(quint8(bytes[offset + 3])) << 24;
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return quint16(quint8(bytes[offset]) | quint8(bytes[offset + 1]) << 8);
}

// Palette entry as red, green, blue; the fourth byte must be 0.
QRgb paletteEntry(const QByteArray &bytes, int index)
{
    const int at = 40 + 4 * index;
    return qRgb(quint8(bytes[at + 2]), quint8(bytes[at + 1]), quint8(bytes[at]));
}

} // namespace

// Tests for embeddedAsset().
class TestTemplates : public QObject
{
    Q_OBJECT

private slots:
    void templateSheet_data();
    void templateSheet();
    void chipSetPalette();
    void icon_data();
    void icon();
    void aboutPicture();
    void unknownName();
};

void TestTemplates::templateSheet_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fillIndex");
    QTest::addColumn<QColor>("fillColour");

    QTest::newRow("102 chip set") << "tpl102.dib" << 480 << 256 << 105 << QColor(255, 102, 153);
    QTest::newRow("103 char set") << "tpl103.dib" << 288 << 256 << 167 << QColor(41, 156, 0);
    QTest::newRow("104 face set") << "tpl104.dib" << 192 << 192 << 68 << QColor(65, 70, 165);
}

void TestTemplates::templateSheet()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, fillIndex);
    QFETCH(QColor, fillColour);

    const QByteArray bytes = embeddedAsset(name);
    QCOMPARE(bytes.size(), 40 + 256 * 4 + width * height);

    QCOMPARE(le32(bytes, 0), 40u);                      // header size
    QCOMPARE(le32(bytes, 4), quint32(width));
    QCOMPARE(qint32(le32(bytes, 8)), height);           // positive: bottom-up
    QCOMPARE(le16(bytes, 12), quint16(1));              // planes
    QCOMPARE(le16(bytes, 14), quint16(8));              // bits per pixel
    QCOMPARE(le32(bytes, 16), 0u);                      // no compression
    QCOMPARE(le32(bytes, 20), quint32(width * height)); // image size
    QCOMPARE(le32(bytes, 24), 2835u);
    QCOMPARE(le32(bytes, 28), 2835u);
    QCOMPARE(le32(bytes, 32), 256u);                    // colours used
    QCOMPARE(le32(bytes, 36), 256u);                    // colours important

    for (int i = 0; i < 256; ++i)
        QVERIFY2(bytes[40 + 4 * i + 3] == 0, qPrintable(QString("entry %1").arg(i)));
    QCOMPARE(paletteEntry(bytes, fillIndex), fillColour.rgb());

    const int pixels = 40 + 256 * 4;
    for (int i = pixels; i < bytes.size(); ++i) {
        if (quint8(bytes[i]) != fillIndex)
            QFAIL(qPrintable(QString("pixel %1 holds %2").arg(i - pixels).arg(quint8(bytes[i]))));
    }
}

void TestTemplates::chipSetPalette()
{
    const QByteArray bytes = embeddedAsset("tpl102.dib");
    QVERIFY(bytes.size() >= 40 + 256 * 4);
    for (int g = 0; g < 6; ++g) {
        for (int r = 0; r < 6; ++r) {
            for (int b = 0; b < 6; ++b) {
                const int index = b + 6 * r + 36 * g;
                QCOMPARE(paletteEntry(bytes, index), qRgb(51 * r, 51 * g, 51 * b));
            }
        }
    }
    for (int index = 216; index < 256; ++index)
        QCOMPARE(paletteEntry(bytes, index), qRgb(0, 0, 0));
}

void TestTemplates::icon_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");

    QTest::newRow("16") << "icon16.png" << 16;
    QTest::newRow("32") << "icon32.png" << 32;
}

void TestTemplates::icon()
{
    QFETCH(QString, name);
    QFETCH(int, size);

    const QImage image = QImage::fromData(embeddedAsset(name), "PNG");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(size, size));

    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() <= 16, qPrintable(QString("%1 colours").arg(colours.size())));
}

void TestTemplates::aboutPicture()
{
    const QImage image = QImage::fromData(embeddedAsset("about.jpg"), "JPEG");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(379, 356));
}

void TestTemplates::unknownName()
{
    QVERIFY(embeddedAsset("tpl101.dib").isEmpty());
    QVERIFY(embeddedAsset("").isEmpty());
}

QTEST_GUILESS_MAIN(TestTemplates)
#include "tst_templates.moc"
