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
