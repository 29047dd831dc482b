#include "facepage.h"

#include "app/pagecontext.h"

FacePage::FacePage(QWidget *page, PageContext &)
    : QObject(page)
{
}
