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

const SizeCycle &chipSizeCycle()
{
    static const SizeCycle cycle = {
        {QSize(16, 16), QSize(16, 32), 1},
        {QSize(16, 32), QSize(32, 16), 2},
        {QSize(32, 16), QSize(32, 32), 3},
        {QSize(32, 32), QSize(48, 48), 4},
        {QSize(48, 48), QSize(64, 64), 5},
        {QSize(64, 64), QSize(96, 96), 6},
        {QSize(96, 96), QSize(16, 16), 7},
    };
    return cycle;
}

const SizeCycle &rpg95SizeCycle()
{
    static const SizeCycle cycle = {
        {QSize(16, 16), QSize(16, 32), 1},
        {QSize(16, 32), QSize(32, 16), 2},
        {QSize(32, 16), QSize(32, 32), 3},
        {QSize(32, 32), QSize(48, 48), 4},
        {QSize(48, 48), QSize(64, 64), 5},
        {QSize(64, 64), QSize(128, 128), 6},
        {QSize(128, 128), QSize(16, 16), 7},
    };
    return cycle;
}
