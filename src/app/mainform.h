#pragma once

#include "pagestate.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AboutWindow;
class Dialogs;
class HelpWindow;
class QAction;
class TabControl;
struct PageContext;

// The main window: menu, the tab control with the six work pages, and the
// page state the pages keep here.
class MainForm : public QMainWindow
{
    Q_OBJECT
public:
    // The dialogs stay the caller's; tests hand in scripted ones.
    explicit MainForm(Dialogs &dialogs, QWidget *parent = nullptr);
    ~MainForm() override;

    PageState &pageState() { return m_state; }
    Dialogs &dialogs() { return m_dialogs; }
    TabControl *tabs() const { return m_tabs; }
    HelpWindow *helpWindow() const;
    AboutWindow *aboutWindow() const;

    static constexpr int kClientWidth = 688;
    static constexpr int kClientHeight = 562;

public slots:
    void mnuInfo_Click();
    void mnuHelp_Click();
    void mnuSteuerung_Click();
    void mnubeenden_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void createMenus();
    void createTabs();
    void unloadOtherWindows();

    Dialogs &m_dialogs;
    PageState m_state;
    std::unique_ptr<PageContext> m_context;
    TabControl *m_tabs = nullptr;
    QPointer<HelpWindow> m_help;
    QPointer<AboutWindow> m_about;
};
