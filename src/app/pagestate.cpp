#include "pagestate.h"

void PageState::setStartValues()
{
    ChipSelSize = 7;
    RSelSize = 7;
    CharSelMode = 1;
    CSEraseBlockMode = 4;
    SEraseBlockMode = 4;
}
