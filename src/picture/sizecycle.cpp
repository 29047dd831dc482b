#include "sizecycle.h"

#include "rectshape.h"

bool stepSize(RectShape &shape, const SizeCycle &cycle, qint16 *mode)
{
    for (const SizeCycleRow &row : cycle) {
        if (shape.width() == row.from.width() && shape.height() == row.from.height()) {
            shape.setHeight(row.to.height());
            shape.setWidth(row.to.width());
            if (mode)
                *mode = row.mode;
            return true;
        }
    }
    return false;
}

QSize sizeForMode(const SizeCycle &cycle, qint16 mode)
{
    for (const SizeCycleRow &row : cycle) {
        if (row.mode == mode)
            return row.to;
    }
    return QSize(0, 0);
}

namespace {

// The selection sizes of the two chip set pages; they differ only in their
// largest square.
SizeCycle selectionSizes(int largest)
{
    const QSize square(largest, largest);
    return {
        {QSize(16, 16), QSize(16, 32), 1},
        {QSize(16, 32), QSize(32, 16), 2},
        {QSize(32, 16), QSize(32, 32), 3},
        {QSize(32, 32), QSize(48, 48), 4},
        {QSize(48, 48), QSize(64, 64), 5},
        {QSize(64, 64), square, 6},
        {square, QSize(16, 16), 7},
    };
}

} // namespace

const SizeCycle &chipSizeCycle()
{
    static const SizeCycle cycle = selectionSizes(96);
    return cycle;
}

const SizeCycle &rpg95SizeCycle()
{
    static const SizeCycle cycle = selectionSizes(128);
    return cycle;
}
