#include "workpages.h"

#include "app/tabcontrol.h"
#include "rpg95/rpg95page.h"
#include "screenshot/screenshotpage.h"
#include "sets/charpage.h"
#include "sets/chippage.h"
#include "sets/facepage.h"

void buildWorkPages(TabControl &tabs, PageContext &context)
{
    new ChipPage(tabs.addPage(QStringLiteral("Chip Sets")), context);
    new CharPage(tabs.addPage(QStringLiteral("Char Sets")), context);
    new FacePage(tabs.addPage(QStringLiteral("Face Sets")), context);
    new Rpg95Page(tabs.addPage(QStringLiteral("RPG95 zu RPG2K (Chip)")), context);
    for (const ScreenshotTwin *twin : {&ScreenshotTwin::chip(), &ScreenshotTwin::charSet()}) {
        QWidget *page = tabs.addPage(twin->pageCaption);
        auto *inner = new TabControl(page);
        inner->setObjectName(twin->innerTabs);
        inner->setGeometry(0, 24, 689, 537);
        inner->addPage(QStringLiteral("Quellbild"));
        inner->addPage(QStringLiteral("Zielbild"));
        inner->setCurrentIndex(0);
        new ScreenshotPage(*inner, context, *twin);
    }
}
