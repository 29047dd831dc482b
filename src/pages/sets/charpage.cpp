#include "charpage.h"

#include "app/pagecontext.h"

CharPage::CharPage(QWidget *page, PageContext &)
    : QObject(page)
{
}
