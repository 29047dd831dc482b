// Details of the windows as they are painted: the set pages' stretched
// previews fill their whole area, and every button caption of the main window,
// the help window and the About window reads whole in the program's font.

#include <QtTest>

#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/mainform.h"
#include "pagefixture.h"
#include "pages/pagecontrols.h"
#include "picture/stretchimage.h"
#include "testpictures.h"
#include "windows/aboutwindow.h"
#include "windows/helpwindow.h"
#include "windows/windowopeners.h"

class TestWindowDetails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useDialogFont(); }
    void previewFillsWholeArea_data();
    void previewFillsWholeArea();
    void everyCaptionFits();
};

void TestWindowDetails::previewFillsWholeArea_data()
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

// A piece of the preview's own size shows one to one; only the chip previews
// draw their thin border over its edge.
void TestWindowDetails::previewFillsWholeArea()
{
    QFETCH(int, tab);
    QFETCH(QString, name);
    QFETCH(int, side);
    QFETCH(bool, border);
    PageFixture fx(tab);
    QVERIFY(fx.isReady());
    StretchImage *preview = fx.preview(name);
    QCOMPARE(preview->size(), QSize(side, side));
    const QImage piece = distinctColours(QSize(side, side));
    preview->setPicture(piece);
    const QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(1, 1), QPoint(side / 2, side / 3), QPoint(side - 2, side - 2)})
        QCOMPARE(shown.pixel(at), piece.pixel(at));
    const QRgb edge = border ? preview->palette().color(QPalette::WindowText).rgb() : piece.pixel(0, 0);
    QCOMPARE(shown.pixel(0, 0), edge);
}

void TestWindowDetails::everyCaptionFits()
{
    PageFixture fx;
    QVERIFY(fx.isReady());
    QPointer<HelpWindow> help;
    showHelpWindow(help);
    QPointer<AboutWindow> about;
    showAboutWindow(about);
    QVERIFY(help && about);

    QStringList clipped;
    QList<QPushButton *> buttons = fx.form().findChildren<QPushButton *>();
    buttons += help->findChildren<QPushButton *>() + about->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option,
                                                           button).width();
        // Tall, narrow buttons wrap their caption at the blanks, a word a line.
        const QStringList lines = captionLines(button);
        int width = 0;
        for (const QString &line : lines)
            width = qMax(width, button->fontMetrics().horizontalAdvance(line));
        if (width > inside)
            clipped << QStringLiteral("%1 \"%2\": %3 in %4").arg(button->objectName(), button->text())
                           .arg(width).arg(inside);
    }
    QVERIFY(buttons.size() > 20);
    // The scroll buttons of a page read in one type size.
    for (const QString &twin : {QString(), QStringLiteral("c")}) {
        const QFont font = fx.button(twin + "rauf")->font();
        for (const char *name : {"runter", "links", "rechts"})
            QCOMPARE(fx.button(twin + name)->font(), font);
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    delete help.data();
    delete about.data();
}

QTEST_MAIN(TestWindowDetails)
#include "tst_windowdetails.moc"
