#pragma once

#include <QSize>

#include <vector>

class RectShape;

// One row of a size cycle: a rectangle of size `from` becomes `to`, and the
// page's size mode becomes `mode`, the number that names `to`.
struct SizeCycleRow
{
    QSize from;
    QSize to;
    qint16 mode;
};

// A page's cycle of selection sizes, in the order its rows are tried.
using SizeCycle = std::vector<SizeCycleRow>;

// Steps the rectangle along the cycle: at the first row whose `from` equals
// its size exactly, sets its height and then its width to `to` and, where
// `mode` is given, writes the row's mode there. False when no row matches;
// then nothing changes.
bool stepSize(RectShape &shape, const SizeCycle &cycle, qint16 *mode);

// The size a mode names (the `to` of its row); an empty size for a mode the
// cycle does not know.
QSize sizeForMode(const SizeCycle &cycle, qint16 mode);

// The selection sizes of the "Chip Sets" page and of the RPG95 page, stepped by
// their "Sel-Grösse ändern"; the mode of a row also names the clip size the
// page's update routines cut. The two differ only in their largest size.
const SizeCycle &chipSizeCycle();
const SizeCycle &rpg95SizeCycle();
