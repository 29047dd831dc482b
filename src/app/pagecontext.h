#pragma once

#include "pagestate.h"

#include <functional>

class Dialogs;

// What a work page gets from the main window: its share of the page state,
// the dialogs, and the way to open the help window. Pages never reach into
// the main window itself.
struct PageContext
{
    PageState &state;
    Dialogs &dialogs;
    std::function<void()> openHelp;
};
