#include "sheetfiles.h"

#include "dialogs.h"
#include "pictureclip.h"
#include "picturefile.h"
#include "pictureview.h"

#include <exception>

SheetFiles::SheetFiles(Dialogs &dialogs, SheetFilesSetup setup, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
    , m_setup(std::move(setup))
{
}

QString SheetFiles::openFilter()
{
    return QStringLiteral("Bitmaps (*.bmp)|*.bmp");
}

QString SheetFiles::saveMessage()
{
    return QStringLiteral("Es ist ein Fehler beim speichern aufgekreuzt !");
}

void SheetFiles::loadSource()
{
    try {
        FileDialog &dialog = *m_setup.loadSourceDialog;
        dialog.setFilter(openFilter());
        dialog.ShowOpen(m_dialogs);
        const QString name = dialog.fileName();
        if (name.isEmpty())
            return;
        m_setup.source->setPicture(LoadPicture(name));
        if (m_setup.sourceClip)
            m_setup.sourceClip->setPicture(m_setup.source->picture());
        if (m_setup.runSourceUpdate)
            m_setup.runSourceUpdate();
    } catch (const std::exception &) {
        showMessage(m_dialogs, m_setup.loadSourceMessage);
    }
}

void SheetFiles::saveTarget()
{
    try {
        FileDialog &dialog = *m_setup.saveDialog;
        dialog.ShowSave(m_dialogs);
        const QString name = dialog.fileName();
        if (name.isEmpty())
            return;
        // The suffix is appended whatever the name already ends with.
        SavePicture(m_setup.target->image(), name + QStringLiteral(".bmp"));
    } catch (const std::exception &) {
        showMessage(m_dialogs, saveMessage());
    }
}

void SheetFiles::loadTarget()
{
    try {
        FileDialog &dialog = *m_setup.loadTargetDialog;
        dialog.setFilter(openFilter());
        dialog.ShowOpen(m_dialogs);
        const QString name = dialog.fileName();
        if (name.isEmpty())
            return;
        m_setup.target->setPicture(LoadPicture(name));
        m_setup.targetClip->setPicture(m_setup.target->picture());
    } catch (const std::exception &) {
        showMessage(m_dialogs, m_setup.loadTargetMessage);
    }
}

void SheetFiles::newTemplate()
{
    try {
        const Dialogs::Answer answer =
            showMessage(m_dialogs, QStringLiteral("Aktuelles Zielbild löschen ?"),
                        Dialogs::Buttons::YesNo, QStringLiteral("Achtung !"));
        if (answer != Dialogs::Answer::Yes)
            return;
        m_setup.target->setPicture(LoadResPicture(m_setup.templateId));
    } catch (const std::exception &) {
        showMessage(m_dialogs, m_setup.templateMessage);
    }
}
