#include "app/mainform.h"
#include "picture/dialogs.h"
#include "windows/windowopeners.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zellforma"));
    // The small dialog font the fixed layouts were measured with.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

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
