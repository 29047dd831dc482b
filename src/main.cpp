#include "app/mainform.h"
#include "pages/pagecontrols.h"
#include "picture/dialogs.h"
#include "windows/windowopeners.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zellforma"));
    useDialogFont();

    // Qt's own dialogs speak German where the translations are installed.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTranslator);

    QtDialogs dialogs;
    MainForm window(dialogs);
    window.adjustSize();
    centreOnScreen(&window);
    window.show();
    return app.exec();
}
