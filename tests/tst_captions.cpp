// Every button caption of every window reads whole at the button's fixed
// size, in the program's own small font: the main window with its pages,
// the help window and the About window.

#include <QtTest>

#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/mainform.h"
#include "pagefixture.h"
#include "pages/pagecontrols.h"
#include "windows/aboutwindow.h"
#include "windows/helpwindow.h"
#include "windows/windowopeners.h"

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void everyCaptionFits();
};

void TestCaptions::everyCaptionFits()
{
    useDialogFont();
    PageFixture fx;
    QVERIFY(fx.isReady());
    QPointer<HelpWindow> help;
    showHelpWindow(help);
    QPointer<AboutWindow> about;
    showAboutWindow(about);
    QVERIFY(help && about);

    QStringList clipped;
    int buttons = 0;
    for (QWidget *window : {static_cast<QWidget *>(&fx.form()), static_cast<QWidget *>(help.data()),
                            static_cast<QWidget *>(about.data())}) {
        for (QPushButton *button : window->findChildren<QPushButton *>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                                 &option, button);
            const int width = button->fontMetrics().horizontalAdvance(button->text());
            if (width > inside.width())
                clipped << QStringLiteral("%1 \"%2\": %3 in %4").arg(button->objectName(), button->text())
                               .arg(width).arg(inside.width());
            ++buttons;
        }
    }
    QVERIFY(buttons > 20);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    delete help.data();
    delete about.data();
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
