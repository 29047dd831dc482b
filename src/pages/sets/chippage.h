#pragma once

#include <QWidget>

class QWidget;
struct PageContext;

// The "Chip Sets" work page.
class ChipPage : public QObject
{
    Q_OBJECT
public:
    ChipPage(QWidget *page, PageContext &context);
};
