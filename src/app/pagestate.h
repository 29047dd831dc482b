#pragma once

#include <QString>

#include <optional>

// The few values the work pages remember beyond their controls. Each field
// belongs to one page; the main window owns them all.
struct PageState
{
    std::optional<qint16> RSection;  // set by the first load of the RPG95 page
    QString SScrollDirection;
    QString CSScrollDirection;
    qint16 ChipSelSize = 0;
    qint16 RSelSize = 0;
    qint16 CharSelMode = 0;
    qint16 CSEraseBlockMode = 0;
    qint16 SEraseBlockMode = 0;

    // The start values every run begins with.
    void setStartValues();
};
