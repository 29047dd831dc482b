#include "windowopeners.h"

#include "aboutwindow.h"
#include "helpwindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

template<typename Window>
void showOrRaise(QPointer<Window> &slot)
{
    if (!slot) {
        slot = new Window();
        slot->adjustSize();
        centreOnScreen(slot);
        slot->show();
        return;
    }
    slot->show();
    slot->raise();
    slot->activateWindow();
}

} // namespace

void showHelpWindow(QPointer<HelpWindow> &slot)
{
    showOrRaise(slot);
}

void showAboutWindow(QPointer<AboutWindow> &slot)
{
    showOrRaise(slot);
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
