// Checks the main window: frame, menu, tab controls, the start values of the
// page state, the removal of a leftover "dump.bmp", the key help and the
// shut-down with and without the About and help windows open.

#include "app/mainform.h"
#include "app/tabcontrol.h"
#include "picture/picturefile.h"
#include "scripteddialogs.h"
#include "windows/aboutwindow.h"
#include "windows/helpwindow.h"
#include "windows/mediacontrol.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

// A media control that stays silent and only counts what it is told.
class SilentControl : public MediaControl
{
public:
    void setFileName(const QString &) override {}
    void command(const QString &command) override { commands() << command; }
    QString status() const override { return QString(); }

    static QStringList &commands()
    {
        static QStringList log;
        return log;
    }
};

// Writes down, in order, which of the watched windows went off the screen.
class HideRecorder : public QObject
{
public:
    void watch(QWidget *window)
    {
        if (window)
            window->installEventFilter(this);
    }
    QStringList hidden;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            hidden << watched->objectName();
        return false;
    }
};

struct StateValues
{
    std::optional<qint16> RSection;
    QString SScrollDirection, CSScrollDirection;
    qint16 ChipSelSize, RSelSize, CharSelMode, CSEraseBlockMode, SEraseBlockMode;

    explicit StateValues(const PageState &s)
        : RSection(s.RSection), SScrollDirection(s.SScrollDirection),
          CSScrollDirection(s.CSScrollDirection), ChipSelSize(s.ChipSelSize),
          RSelSize(s.RSelSize), CharSelMode(s.CharSelMode),
          CSEraseBlockMode(s.CSEraseBlockMode), SEraseBlockMode(s.SEraseBlockMode)
    {
    }
    bool operator==(const StateValues &o) const
    {
        return RSection == o.RSection && SScrollDirection == o.SScrollDirection
            && CSScrollDirection == o.CSScrollDirection && ChipSelSize == o.ChipSelSize
            && RSelSize == o.RSelSize && CharSelMode == o.CharSelMode
            && CSEraseBlockMode == o.CSEraseBlockMode && SEraseBlockMode == o.SEraseBlockMode;
    }
};

void processDeletes()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QAction *menuAction(MainForm &form, const QString &name)
{
    return form.findChild<QAction *>(name);
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void windowFrame();
    void menu();
    void outerTabs();
    void innerTabs_data();
    void innerTabs();
    void startValues();
    void dumpRemoval_data();
    void dumpRemoval();
    void keyHelp();
    void menuEntries_data();
    void menuEntries();
    void aboutTwiceKeepsOneWindow();
    void shutDown_data();
    void shutDown();

private:
    QTemporaryDir m_folder;
};

void TestMainForm::initTestCase()
{
    QVERIFY(m_folder.isValid());
    setProgramFolder(m_folder.path());
    MediaControl::setFactory([] { return std::make_unique<SilentControl>(); });
    // The test decides when the program would end; closing windows must not
    // quit anything underneath it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestMainForm::cleanup()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->close();
    processDeletes();
    for (const char *name : {"dump.bmp", "dat2.res", "dat3.RES"})
        QFile::remove(programFile(QString::fromLatin1(name)));
    QDir(programFile(QStringLiteral("dump.bmp"))).removeRecursively();
    SilentControl::commands().clear();
}

void TestMainForm::windowFrame()
{
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.windowTitle(), QStringLiteral("Zellforma"));
    QCOMPARE(form.objectName(), QStringLiteral("MainForm"));
    QVERIFY(form.centralWidget());
    QCOMPARE(form.centralWidget()->size(), QSize(688, 562));
    QCOMPARE(form.centralWidget()->pos().x(), 0);
    QCOMPARE(form.palette().color(QPalette::Window), QColor(192, 192, 192));

    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags & Qt::WindowMinimizeButtonHint);
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    // Fixed size: the window is exactly client plus menu bar and no resize
    // changes it.
    const QSize size = form.size();
    QCOMPARE(size, QSize(688, 562 + form.menuBar()->height()));
    QCOMPARE(form.minimumSize(), size);
    QCOMPARE(form.maximumSize(), size);
    form.resize(900, 700);
    QCoreApplication::processEvents();
    QCOMPARE(form.size(), size);
    QCOMPARE(form.centralWidget()->size(), QSize(688, 562));
}

void TestMainForm::menu()
{
    ScriptedDialogs dialogs;
    MainForm form(dialogs);

    const QList<QAction *> bar = form.menuBar()->actions();
    QCOMPARE(bar.size(), 1);
    QCOMPARE(bar[0]->text(), QStringLiteral("&Datei"));
    QMenu *datei = bar[0]->menu();
    QVERIFY(datei);
    QCOMPARE(datei->objectName(), QStringLiteral("mnuDatei"));

    QStringList texts, names;
    for (QAction *action : datei->actions()) {
        texts << action->text();
        names << action->objectName();
    }
    QCOMPARE(texts, (QStringList{"&Info", "&Hilfe", "&Steuerung", "&Beenden"}));
    QCOMPARE(names, (QStringList{"mnuInfo", "mnuHelp", "mnuSteuerung", "mnubeenden"}));
}

void TestMainForm::outerTabs()
{
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto *tabs = form.findChild<TabControl *>(QStringLiteral("SSTab1"));
    QVERIFY(tabs);
    QCOMPARE(tabs, form.tabs());
    QCOMPARE(tabs->parentWidget(), form.centralWidget());
    QCOMPARE(tabs->geometry(), QRect(0, 0, 689, 561));
    QCOMPARE(tabs->tabBar()->height(), 20);

    QStringList captions;
    for (int i = 0; i < tabs->tabBar()->count(); ++i)
        captions << tabs->tabBar()->tabText(i);
    QCOMPARE(captions, (QStringList{"Chip Sets", "Char Sets", "Face Sets",
                                    "RPG95 zu RPG2K (Chip)", "Screenshot zu Chip",
                                    "Screenshot zu Char"}));
    QCOMPARE(tabs->count(), 6);
    QCOMPARE(tabs->currentIndex(), 0);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(tabs->page(i)->isVisible(), i == 0);
}

void TestMainForm::innerTabs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("outerTab");
    QTest::newRow("Screenshot zu Chip") << "SSTab2" << 4;
    QTest::newRow("Screenshot zu Char") << "CSTab2" << 5;
}

void TestMainForm::innerTabs()
{
    QFETCH(QString, name);
    QFETCH(int, outerTab);
    ScriptedDialogs dialogs;
    MainForm form(dialogs);

    auto *inner = form.findChild<TabControl *>(name);
    QVERIFY(inner);
    QCOMPARE(inner->parentWidget(), form.tabs()->page(outerTab));
    QCOMPARE(inner->geometry(), QRect(0, 24, 689, 537));
    QCOMPARE(inner->count(), 2);
    QCOMPARE(inner->tabBar()->tabText(0), QStringLiteral("Quellbild"));
    QCOMPARE(inner->tabBar()->tabText(1), QStringLiteral("Zielbild"));
    QCOMPARE(inner->currentIndex(), 0);
}

void TestMainForm::startValues()
{
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    const PageState &state = form.pageState();
    QVERIFY(!state.RSection.has_value());
    QCOMPARE(state.SScrollDirection, QString());
    QCOMPARE(state.CSScrollDirection, QString());
    QCOMPARE(state.ChipSelSize, qint16(7));
    QCOMPARE(state.RSelSize, qint16(7));
    QCOMPARE(state.CharSelMode, qint16(1));
    QCOMPARE(state.CSEraseBlockMode, qint16(4));
    QCOMPARE(state.SEraseBlockMode, qint16(4));
    QVERIFY(dialogs.messages.isEmpty());
}

void TestMainForm::dumpRemoval_data()
{
    QTest::addColumn<QString>("leftover"); // "", "file" or "folder"
    QTest::addColumn<bool>("remains");
    QTest::newRow("none left") << "" << false;
    QTest::newRow("left by an earlier run") << "file" << false;
    QTest::newRow("cannot be removed") << "folder" << true;
}

void TestMainForm::dumpRemoval()
{
    QFETCH(QString, leftover);
    QFETCH(bool, remains);
    const QString dump = programFile(QStringLiteral("dump.bmp"));
    QCOMPARE(dump, m_folder.filePath(QStringLiteral("dump.bmp")));
    if (leftover == QLatin1String("file")) {
        SavePicture(QImage(4, 4, QImage::Format_RGB32), dump);
    } else if (leftover == QLatin1String("folder")) {
        // Running as any user, a folder with something in it is what no
        // file removal can take away.
        QVERIFY(QDir().mkpath(dump));
        QFile inside(dump + QStringLiteral("/inside.txt"));
        QVERIFY(inside.open(QIODevice::WriteOnly));
        inside.write("x");
    }
    const QString neighbour = m_folder.filePath(QStringLiteral("dat3.RES"));
    QFile keep(neighbour);
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("MThd");
    keep.close();

    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    QCOMPARE(QFileInfo::exists(dump), remains);
    QVERIFY(QFileInfo::exists(neighbour));              // only dump.bmp is removed
    QVERIFY(dialogs.messages.isEmpty());                // reported nowhere
    QCOMPARE(form.pageState().ChipSelSize, qint16(7));  // start-up completed
    QCOMPARE(form.pageState().SEraseBlockMode, qint16(4));
    QFile::remove(neighbour);
}

void TestMainForm::keyHelp()
{
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    PageState &state = form.pageState();
    state.ChipSelSize = 3;
    state.CharSelMode = 2;
    state.RSection = 4;
    state.SScrollDirection = QStringLiteral("rauf");
    const StateValues before(state);

    menuAction(form, QStringLiteral("mnuSteuerung"))->trigger();

    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text,
             QStringLiteral("Pfeiltasten: Selector bewegen / Enter: Grafik einfügen"));
    QCOMPARE(dialogs.messages[0].title, QStringLiteral("Tastenbelegung"));
    QCOMPARE(dialogs.messages[0].buttons, Dialogs::Buttons::Ok);
    QVERIFY(StateValues(state) == before);
    QVERIFY(!form.helpWindow());
    QVERIFY(!form.aboutWindow());
}

void TestMainForm::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("about");
    QTest::addColumn<bool>("help");
    QTest::addColumn<int>("messages");
    QTest::addColumn<bool>("mainOpen");
    QTest::newRow("&Info") << "mnuInfo" << true << false << 0 << true;
    QTest::newRow("&Hilfe") << "mnuHelp" << false << true << 0 << true;
    QTest::newRow("&Steuerung") << "mnuSteuerung" << false << false << 1 << true;
    QTest::newRow("&Beenden") << "mnubeenden" << false << false << 0 << false;
}

// Each entry, chosen from the menu, does its own thing and nothing else.
void TestMainForm::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(bool, about);
    QFETCH(bool, help);
    QFETCH(int, messages);
    QFETCH(bool, mainOpen);
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QAction *action = menuAction(form, entry);
    QVERIFY(action);
    action->trigger();
    processDeletes();

    QCOMPARE(bool(form.aboutWindow()), about);
    if (about)
        QVERIFY(form.aboutWindow()->isVisible());
    QCOMPARE(bool(form.helpWindow()), help);
    if (help)
        QVERIFY(form.helpWindow()->isVisible());
    QCOMPARE(int(dialogs.messages.size()), messages);
    QCOMPARE(form.isVisible(), mainOpen);
}

void TestMainForm::aboutTwiceKeepsOneWindow()
{
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    form.show();
    form.mnuInfo_Click();
    const QPointer<AboutWindow> first = form.aboutWindow();
    QVERIFY(first);
    form.mnuInfo_Click();
    processDeletes();
    QCOMPARE(form.aboutWindow(), first.data());
    int abouts = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        abouts += window->objectName() == QLatin1String("ChipAbout");
    QCOMPARE(abouts, 1);
    QVERIFY(form.isVisible());
}

void TestMainForm::shutDown_data()
{
    QTest::addColumn<bool>("byMenu");  // "&Beenden", else the close box
    QTest::addColumn<bool>("openHelp");
    QTest::addColumn<bool>("openAbout");
    QTest::addColumn<QStringList>("order");
    const QStringList all = {"hilfe", "ChipAbout", "MainForm"};
    QTest::newRow("Beenden, both open") << true << true << true << all;
    QTest::newRow("close box, both open") << false << true << true << all;
    QTest::newRow("Beenden, none opened") << true << false << false << QStringList{"MainForm"};
    QTest::newRow("close box, none opened") << false << false << false << QStringList{"MainForm"};
    QTest::newRow("Beenden, help only") << true << true << false
                                        << QStringList{"hilfe", "MainForm"};
    QTest::newRow("Beenden, About only") << true << false << true
                                         << QStringList{"ChipAbout", "MainForm"};
}

void TestMainForm::shutDown()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, openHelp);
    QFETCH(bool, openAbout);
    QFETCH(QStringList, order);
    // With their tunes in place, so that each window has music to stop.
    for (const char *tune : {"dat2.res", "dat3.RES"}) {
        QFile file(programFile(QString::fromLatin1(tune)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MThd");
    }
    ScriptedDialogs dialogs;
    MainForm form(dialogs);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // Opened About first and help second, so that the order of closing is
    // the shut-down's own and not the order of opening.
    if (openAbout)
        form.mnuInfo_Click();
    if (openHelp)
        form.mnuHelp_Click();
    const QPointer<HelpWindow> help = form.helpWindow();
    const QPointer<AboutWindow> about = form.aboutWindow();
    QCOMPARE(bool(help), openHelp);
    QCOMPARE(bool(about), openAbout);
    QCOMPARE(int(SilentControl::commands().count(QStringLiteral("play"))),
             int(openHelp) + int(openAbout));
    SilentControl::commands().clear();

    HideRecorder recorder;
    recorder.watch(help);
    recorder.watch(about);
    recorder.watch(&form);

    // Shut down inside the application's event loop, as the program does:
    // the loop must end by itself once the last window is gone.
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, &form, [&form, byMenu] {
        if (byMenu)
            form.mnubeenden_Click();
        else
            form.close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    const int exitCode = QApplication::exec();
    guard.stop();
    QApplication::setQuitOnLastWindowClosed(false);
    processDeletes();

    QCOMPARE(exitCode, 0);
    QCOMPARE(recorder.hidden, order);
    // The help window stops its tune as it goes, the About window goes
    // silently, and the main window's own unload adds nothing to either.
    const QStringList expected = openHelp ? QStringList{"stop", "close"} : QStringList();
    QCOMPARE(SilentControl::commands(), expected);
    QVERIFY(!help);
    QVERIFY(!about);
    QVERIFY(!form.helpWindow());
    QVERIFY(!form.aboutWindow());
    QVERIFY(!form.isVisible());
    QVERIFY(dialogs.messages.isEmpty());
    for (QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
