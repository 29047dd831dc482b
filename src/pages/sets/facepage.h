#pragma once

#include <QWidget>

class QWidget;
struct PageContext;

// The "Face Sets" work page.
class FacePage : public QObject
{
    Q_OBJECT
public:
    FacePage(QWidget *page, PageContext &context);
};
