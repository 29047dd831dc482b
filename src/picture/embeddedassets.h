#pragma once

#include <QByteArray>
#include <QString>

// Files made at build time and compiled into the program: the three template
// bitmaps ("tpl102.dib", "tpl103.dib", "tpl104.dib"), the window icons
// ("icon16.png", "icon32.png") and the About picture ("about.jpg").
// Returns an empty array for an unknown name.
QByteArray embeddedAsset(const QString &name);
