#include "chippage.h"

#include "app/pagecontext.h"

ChipPage::ChipPage(QWidget *page, PageContext &)
    : QObject(page)
{
}
