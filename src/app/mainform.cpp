#include "mainform.h"

#include "pagecontext.h"
#include "tabcontrol.h"
#include "pages/workpages.h"
#include "picture/dialogs.h"
#include "picture/picturefile.h"
#include "windows/aboutwindow.h"
#include "windows/helpwindow.h"
#include "windows/windowopeners.h"

#include <QCloseEvent>
#include <QFile>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>

#include "picture/embeddedassets.h"

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (const char *name : {"icon16.png", "icon32.png"}) {
        QPixmap pixmap;
        if (pixmap.loadFromData(embeddedAsset(QString::fromLatin1(name))))
            icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

MainForm::MainForm(Dialogs &dialogs, QWidget *parent)
    : QMainWindow(parent)
    , m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Zellforma"));
    // Every window of the program carries the same icon.
    QApplication::setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    m_context = std::make_unique<PageContext>(
        PageContext{m_state, m_dialogs, [this] { mnuHelp_Click(); }});

    Form_Load();
    createMenus();
    createTabs();

    // The client area below the menu is fixed; the window follows it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setAutoFillBackground(true);
}

MainForm::~MainForm() = default;

HelpWindow *MainForm::helpWindow() const
{
    return m_help;
}

AboutWindow *MainForm::aboutWindow() const
{
    return m_about;
}

void MainForm::Form_Load()
{
    m_state.setStartValues();
    // A picture left by an earlier run; whether it goes or stays is nobody's
    // concern but the next paste's.
    QFile::remove(programFile(QStringLiteral("dump.bmp")));
}

void MainForm::createMenus()
{
    QMenu *datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("mnuDatei"));
    struct Entry { const char *name; const char *text; void (MainForm::*slot)(); };
    const Entry entries[] = {
        {"mnuInfo", "&Info", &MainForm::mnuInfo_Click},
        {"mnuHelp", "&Hilfe", &MainForm::mnuHelp_Click},
        {"mnuSteuerung", "&Steuerung", &MainForm::mnuSteuerung_Click},
        {"mnubeenden", "&Beenden", &MainForm::mnubeenden_Click},
    };
    for (const Entry &entry : entries) {
        QAction *action = datei->addAction(QString::fromUtf8(entry.text));
        action->setObjectName(QString::fromLatin1(entry.name));
        connect(action, &QAction::triggered, this, entry.slot);
    }
}

void MainForm::createTabs()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);

    m_tabs = new TabControl(client);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(0, 0, 689, 561);
    buildWorkPages(*m_tabs, *m_context);
    m_tabs->setCurrentIndex(0);
}

void MainForm::mnuInfo_Click()
{
    showAboutWindow(m_about);
}

void MainForm::mnuHelp_Click()
{
    showHelpWindow(m_help);
}

void MainForm::mnuSteuerung_Click()
{
    showMessage(m_dialogs, QStringLiteral("Pfeiltasten: Selector bewegen / Enter: Grafik einfügen"),
                Dialogs::Buttons::Ok, QStringLiteral("Tastenbelegung"));
}

void MainForm::mnubeenden_Click()
{
    unloadOtherWindows();
    close();
}

void MainForm::closeEvent(QCloseEvent *event)
{
    // Closing is never refused; the other windows go first.
    unloadOtherWindows();
    event->accept();
}

void MainForm::unloadOtherWindows()
{
    if (m_help)
        m_help->close();
    if (m_about)
        m_about->close();
}
