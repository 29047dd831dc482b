#include "picture/picturefile.h"
#include "windows/helpwindow.h"
#include "windows/mediacontrol.h"
#include "windows/windowopeners.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Every step any media control was asked to do, in order.
QStringList &mediaLog()
{
    static QStringList log;
    return log;
}

// A silent media control that only writes down what it is told.
class SilentControl : public MediaControl
{
public:
    void setFileName(const QString &path) override
    {
        mediaLog() << QStringLiteral("file ") + QFileInfo(path).fileName();
    }
    void command(const QString &command) override { mediaLog() << command; }
    QString status() const override { return QString(); }
};

const QStringList startSequence = {QStringLiteral("file bond.mid"), QStringLiteral("open"),
                                   QStringLiteral("play")};
const QStringList stopSequence = {QStringLiteral("stop"), QStringLiteral("close")};

const char *const textBoxes[] = {"tallgemein", "tchip", "tchar", "tface",
                                 "tchipkonv", "tscreenchip", "tscreenchar"};

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensInDesignState();
    void buttons_data();
    void buttons();
    void buttonTabOrder();
    void topicSwitch_data();
    void topicSwitch();
    void titleScroll_data();
    void titleScroll();
    void titleKeepsDriftingAcrossTopics();
    void helpTexts_data();
    void helpTexts();
    void longTextScrolls();
    void openWindowIsNotReloaded();
    void reopenAfterCloseStartsAfresh();
    void closingStopsTheTune_data();
    void closingStopsTheTune();
    void restartTimerRenamesFirst();
    void withoutSideFileStaysSilent();

private:
    HelpWindow *open();
    QLabel *title() const { return m_slot->findChild<QLabel *>(QStringLiteral("lblTopic")); }
    QStringList visibleBoxes() const;
    void ticks(int count);
    QString sideFile() const { return m_folder.filePath(QStringLiteral("dat2.res")); }

    QTemporaryDir m_folder;
    QPointer<HelpWindow> m_slot;
};

void TestHelpWindow::initTestCase()
{
    QVERIFY(m_folder.isValid());
    setProgramFolder(m_folder.path());
    MediaControl::setFactory([] { return std::make_unique<SilentControl>(); });
}

void TestHelpWindow::init()
{
    QFile tune(sideFile());
    QVERIFY(tune.open(QIODevice::WriteOnly));
    tune.write("MThd");
    tune.close();
    mediaLog().clear();
}

void TestHelpWindow::cleanup()
{
    delete m_slot.data();
    QFile::remove(sideFile());
    QFile::remove(m_folder.filePath(QStringLiteral("bond.mid")));
}

HelpWindow *TestHelpWindow::open()
{
    showHelpWindow(m_slot);
    return m_slot.data();
}

QStringList TestHelpWindow::visibleBoxes() const
{
    QStringList visible;
    for (const char *name : textBoxes) {
        auto *box = m_slot->findChild<QPlainTextEdit *>(QString::fromLatin1(name));
        if (box && box->isVisibleTo(m_slot))
            visible << box->objectName();
    }
    return visible;
}

void TestHelpWindow::ticks(int count)
{
    for (int i = 0; i < count; ++i)
        m_slot->Timer1_Timer();
}

void TestHelpWindow::opensInDesignState()
{
    HelpWindow *window = open();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("hilfe"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Zellforma Hilfe"));
    QCOMPARE(window->parentWidget(), nullptr);
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window->minimumSize(), QSize(640, 492));
    QCOMPARE(window->maximumSize(), QSize(640, 492));

    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::black));

    QLabel *topic = title();
    QVERIFY(topic);
    QCOMPARE(topic->text(), QStringLiteral("HILFE: Allgemein"));
    QCOMPARE(window->topicLeftTwips(), 240);
    QCOMPARE(topic->geometry(), QRect(16, 8, 609, 33));
    QCOMPARE(topic->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(topic->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(topic->font().pointSize(), 18);
    QVERIFY(!topic->autoFillBackground());

    QCOMPARE(visibleBoxes(), QStringList{QStringLiteral("tallgemein")});

    auto *timer1 = window->findChild<QTimer *>(QStringLiteral("Timer1"));
    auto *nochbond = window->findChild<QTimer *>(QStringLiteral("nochbond"));
    QVERIFY(timer1 && nochbond);
    QVERIFY(timer1->isActive());
    QCOMPARE(timer1->interval(), 50);
    QVERIFY(nochbond->isActive());
    QCOMPARE(nochbond->interval(), 38000);

    // The tune starts with the load, and the side file has its own name back.
    QCOMPARE(mediaLog(), startSequence);
    QVERIFY(QFile::exists(sideFile()));
}

void TestHelpWindow::buttons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("top");

    QTest::newRow("Hallgemein") << "Hallgemein" << "Allgemein" << 64;
    QTest::newRow("hchip") << "hchip" << "Chip Set Hilfe" << 160;
    QTest::newRow("hchar") << "hchar" << "Char Set Hilfe" << 200;
    QTest::newRow("hface") << "hface" << "Face Set Hilfe" << 240;
    QTest::newRow("hchipkonv") << "hchipkonv" << "RPG95 zu RPG2K (Chip) Hilfe" << 280;
    QTest::newRow("hscreenchip") << "hscreenchip" << "Screenshot zu Chip Hilfe" << 320;
    QTest::newRow("hscreenchar") << "hscreenchar" << "Screenshot zu Char Hilfe" << 360;
    QTest::newRow("exit") << "exit" << "Beenden" << 456;
}

void TestHelpWindow::buttons()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(int, top);

    auto *button = open()->findChild<QPushButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->geometry(), QRect(8, top, 153, 25));
}

void TestHelpWindow::buttonTabOrder()
{
    HelpWindow *window = open();
    QWidget *widget = window->findChild<QPushButton *>(QStringLiteral("hchip"));
    QStringList order;
    for (int i = 0; i < 50 && order.size() < 8; ++i) {
        if (qobject_cast<QPushButton *>(widget) && widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    const QStringList expected = {"hchip", "hchar", "hface", "hchipkonv",
                                  "hscreenchip", "hscreenchar", "Hallgemein", "exit"};
    QCOMPARE(order, expected);
}

void TestHelpWindow::topicSwitch_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("titleText");
    QTest::addColumn<QString>("box");

    QTest::newRow("Hallgemein") << "Hallgemein" << "HILFE: Allgemein" << "tallgemein";
    QTest::newRow("hchip") << "hchip" << "HILFE: Chip Sets" << "tchip";
    QTest::newRow("hchar") << "hchar" << "HILFE: Char Sets" << "tchar";
    QTest::newRow("hface") << "hface" << "HILFE: Face Sets" << "tface";
    QTest::newRow("hchipkonv") << "hchipkonv" << "HILFE: RPG95 zu RPG2K (Chip)" << "tchipkonv";
    QTest::newRow("hscreenchip") << "hscreenchip" << "HILFE: Screenshot zu Chip"
                                 << "tscreenchip";
    QTest::newRow("hscreenchar") << "hscreenchar" << "HILFE: Screenshot zu Char"
                                 << "tscreenchar";
}

void TestHelpWindow::topicSwitch()
{
    QFETCH(QString, button);
    QFETCH(QString, titleText);
    QFETCH(QString, box);

    HelpWindow *window = open();
    // Start from another topic so that the general one switches back too.
    window->hface_Click();
    ticks(3);
    const int left = window->topicLeftTwips();

    auto *topicButton = window->findChild<QPushButton *>(button);
    QVERIFY(topicButton);
    // Twice: a click on the topic already shown changes nothing.
    for (int click = 0; click < 2; ++click) {
        QTest::mouseClick(topicButton, Qt::LeftButton);
        QCOMPARE(title()->text(), titleText);
        QCOMPARE(visibleBoxes(), QStringList{box});
        QCOMPARE(window->topicLeftTwips(), left);
    }
}

void TestHelpWindow::titleScroll_data()
{
    QTest::addColumn<int>("tickCount");
    QTest::addColumn<int>("left");

    QTest::newRow("start") << 0 << 240;
    QTest::newRow("one tick") << 1 << 265;
    QTest::newRow("last before wrap") << 391 << 10015;
    QTest::newRow("first wrap") << 392 << -5975;
    QTest::newRow("exactly 10000 stays") << 392 + 639 << 10000;
    QTest::newRow("past 10000") << 392 + 640 << 10025;
    QTest::newRow("second wrap") << 392 + 641 << -5975;
}

void TestHelpWindow::titleScroll()
{
    QFETCH(int, tickCount);
    QFETCH(int, left);

    HelpWindow *window = open();
    ticks(tickCount);
    QCOMPARE(window->topicLeftTwips(), left);
    QCOMPARE(title()->x(), left / HelpWindow::TwipsPerPixel);
    QCOMPARE(title()->y(), 8);
}

void TestHelpWindow::titleKeepsDriftingAcrossTopics()
{
    HelpWindow *window = open();
    ticks(10);
    window->hscreenchar_Click();
    ticks(10);
    window->Hallgemein_Click();
    QCOMPARE(window->topicLeftTwips(), 240 + 20 * 25);
}

void TestHelpWindow::helpTexts_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("length");
    QTest::addColumn<QStringList>("phrases");

    const QStringList closing = {"\"Zielbild speichern\"", "\"16 Millionen Farben\"",
                                 "\"Zielbild laden\"", "\"Neue Vorlage\"", "256 Farben"};
    QTest::newRow("tallgemein")
        << "tallgemein" << "allgemein" << 4255
        << QStringList{"1. ", "2. ", "3. ", "4. ", "5. ", "------",
                       "\"Es gibt keine Paletten Funktion\"", "16 Millionen Farben",
                       "BMP", "PNG", "Das Zellforma-Team", "Pfeiltasten", "Mausklick",
                       "\"RPG95 Char Konvertor\""};
    QTest::newRow("tchip") << "tchip" << "chip" << 1119
                           << QStringList{"\"Quellbild laden\"", "\"Sel-Grösse ändern\"", "Enter", "Pfeiltasten"}
                                  + closing;
    QTest::newRow("tchar") << "tchar" << "char" << 1427
                           << QStringList{"\"Quellbild laden\"", "RPG95", "Hintergrundfarbe", "Pfeiltasten"}
                                  + closing;
    QTest::newRow("tface") << "tface" << "face" << 1075
                           << QStringList{"\"Quellbild laden\"", "Pfeiltasten", "Face Set"}
                                  + closing;
    QTest::newRow("tchipkonv") << "tchipkonv" << "chipkonv" << 1723
                               << QStringList{"\"Sektion wechseln\"", "\"Sel-Grösse ändern\"",
                                              "RPG95", "\"Zieldbild speichern\"", "Klicke zuerst"}
                                      + closing;
    QTest::newRow("tscreenchip") << "tscreenchip" << "screenchip" << 1844
                                 << QStringList{"\"Quellbild laden\"", "\"Selection Grösse\"",
                                                "\"Zielbild\"", "\"Chip säubern\"", "gedrückter Maustaste",
                                                "\"Änderung aktzeptieren\""}
                                        + closing;
    QTest::newRow("tscreenchar") << "tscreenchar" << "screenchar" << 1844
                                 << QStringList{"\"Quellbild laden\"", "\"Selection Grösse\"",
                                                "\"Zielbild\"", "\"Char säubern\"", "gedrückter Maustaste",
                                                "\"Änderung aktzeptieren\""}
                                        + closing;
}

void TestHelpWindow::helpTexts()
{
    QFETCH(QString, box);
    QFETCH(QString, resource);
    QFETCH(int, length);
    QFETCH(QStringList, phrases);

    auto *edit = open()->findChild<QPlainTextEdit *>(box);
    QVERIFY(edit);
    QVERIFY(edit->isReadOnly());
    QCOMPARE(edit->geometry(), QRect(168, 48, 457, 433));
    QCOMPARE(edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    QFile file(QStringLiteral(":/help/%1.txt").arg(resource));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = edit->toPlainText();
    QCOMPARE(text, QString::fromUtf8(file.readAll()));
    QVERIFY(qAbs(text.size() - length) <= length / 10);
    for (const QString &phrase : phrases)
        QVERIFY2(text.contains(phrase), qPrintable(phrase));

    // Read-only means typing leaves the text as it is.
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("xyz"));
    QCOMPARE(edit->toPlainText(), text);
}

void TestHelpWindow::longTextScrolls()
{
    HelpWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *edit = window->findChild<QPlainTextEdit *>(QStringLiteral("tallgemein"));
    QTRY_VERIFY(edit->verticalScrollBar()->maximum() > 0);
}

void TestHelpWindow::openWindowIsNotReloaded()
{
    HelpWindow *window = open();
    window->hchar_Click();
    ticks(7);
    const QStringList logBefore = mediaLog();

    showHelpWindow(m_slot);
    QCOMPARE(m_slot.data(), window);
    QCOMPARE(title()->text(), QStringLiteral("HILFE: Char Sets"));
    QCOMPARE(visibleBoxes(), QStringList{QStringLiteral("tchar")});
    QCOMPARE(window->topicLeftTwips(), 240 + 7 * 25);
    QCOMPARE(mediaLog(), logBefore);

    int helpWindows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<HelpWindow *>(widget) ? 1 : 0;
    QCOMPARE(helpWindows, 1);
}

void TestHelpWindow::reopenAfterCloseStartsAfresh()
{
    HelpWindow *window = open();
    window->hscreenchip_Click();
    ticks(500);
    QVERIFY(window->close());
    QTRY_VERIFY(m_slot.isNull());

    mediaLog().clear();
    window = open();
    QVERIFY(window);
    QCOMPARE(title()->text(), QStringLiteral("HILFE: Allgemein"));
    QCOMPARE(window->topicLeftTwips(), 240);
    QCOMPARE(title()->x(), 16);
    QCOMPARE(visibleBoxes(), QStringList{QStringLiteral("tallgemein")});
    QCOMPARE(mediaLog(), startSequence);
}

void TestHelpWindow::closingStopsTheTune_data()
{
    QTest::addColumn<bool>("viaBeenden");
    QTest::addColumn<QStringList>("commands");

    // "Beenden" stops the tune itself, and the close it asks for stops it again.
    QTest::newRow("close box") << false << stopSequence;
    QTest::newRow("Beenden") << true << stopSequence + stopSequence;
}

void TestHelpWindow::closingStopsTheTune()
{
    QFETCH(bool, viaBeenden);
    QFETCH(QStringList, commands);

    HelpWindow *window = open();
    mediaLog().clear();
    if (viaBeenden)
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("exit")),
                          Qt::LeftButton);
    else
        QVERIFY(window->close());
    QCOMPARE(mediaLog(), commands);
    QTRY_VERIFY(m_slot.isNull());
}

void TestHelpWindow::restartTimerRenamesFirst()
{
    HelpWindow *window = open();
    mediaLog().clear();
    window->nochbond_Timer();
    QCOMPARE(mediaLog(), stopSequence + startSequence);
    QVERIFY(QFile::exists(sideFile()));
    QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("bond.mid"))));
}

void TestHelpWindow::withoutSideFileStaysSilent()
{
    QVERIFY(QFile::remove(sideFile()));
    HelpWindow *window = open();
    QVERIFY(window && window->isVisible());
    window->nochbond_Timer();
    window->hchip_Click();
    ticks(2);
    QCOMPARE(title()->text(), QStringLiteral("HILFE: Chip Sets"));
    QCOMPARE(window->topicLeftTwips(), 290);
    QVERIFY(mediaLog().isEmpty());
}

QTEST_MAIN(TestHelpWindow)
#include "tst_helpwindow.moc"
