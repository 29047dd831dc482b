#include "workpages.h"

#include "app/tabcontrol.h"
#include "rpg95/rpg95page.h"
#include "sets/charpage.h"
#include "sets/chippage.h"
#include "sets/facepage.h"

void buildWorkPages(TabControl &tabs, PageContext &context)
{
    new ChipPage(tabs.addPage(QStringLiteral("Chip Sets")), context);
    new CharPage(tabs.addPage(QStringLiteral("Char Sets")), context);
    new FacePage(tabs.addPage(QStringLiteral("Face Sets")), context);
    new Rpg95Page(tabs.addPage(QStringLiteral("RPG95 zu RPG2K (Chip)")), context);
    for (const char *name : {"SSTab2", "CSTab2"}) {
        QWidget *page = tabs.addPage(QString::fromLatin1(name) == QLatin1String("SSTab2")
                                         ? QStringLiteral("Screenshot zu Chip")
                                         : QStringLiteral("Screenshot zu Char"));
        auto *inner = new TabControl(page);
        inner->setObjectName(QString::fromLatin1(name));
        inner->setGeometry(0, 24, 689, 537);
        inner->addPage(QStringLiteral("Quellbild"));
        inner->addPage(QStringLiteral("Zielbild"));
        inner->setCurrentIndex(0);
    }
}
