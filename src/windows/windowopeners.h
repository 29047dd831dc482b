#pragma once

#include <QPointer>

class AboutWindow;
class HelpWindow;
class QWidget;

// Opens the window, or brings the open one to the front unchanged.
void showHelpWindow(QPointer<HelpWindow> &slot);
void showAboutWindow(QPointer<AboutWindow> &slot);

// Moves a top-level window to the middle of its screen.
void centreOnScreen(QWidget *window);
