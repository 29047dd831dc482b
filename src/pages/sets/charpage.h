#pragma once

#include <QWidget>

class QWidget;
struct PageContext;

// The "Char Sets" work page.
class CharPage : public QObject
{
    Q_OBJECT
public:
    CharPage(QWidget *page, PageContext &context);
};
