#include "dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

namespace {

// "Bitmaps (*.bmp)|*.bmp" names a description and its pattern; Qt wants the
// pattern inside the description. A bare pattern ("*.bmp") stands as it is.
QString qtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    if (parts.size() < 2)
        return filter;
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts.at(i);
        const QString pattern = parts.at(i + 1);
        filters << (description.contains(pattern) ? description
                                                  : description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString runFileDialog(QFileDialog::AcceptMode mode, const QString &title, const QString &filter,
                      const QString &proposed)
{
    QFileDialog dialog(QApplication::activeWindow(), title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) {
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setFileMode(QFileDialog::AnyFile);
        // ".bmp" is appended after the dialog, so the dialog would ask about
        // the wrong file; the save replaces without asking.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (!filter.isEmpty())
        dialog.setNameFilter(qtFilter(filter));
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString applicationTitle()
{
    return QStringLiteral("Zellforma");
}

Dialogs::Answer showMessage(Dialogs &dialogs, const QString &text, Dialogs::Buttons buttons,
                            const QString &title)
{
    return dialogs.message(text, buttons, title.isEmpty() ? applicationTitle() : title);
}

FileDialog::FileDialog(const QString &objectName, const QString &title, QString filter,
                       QString startName, QObject *parent)
    : QObject(parent)
    , m_title(title)
    , m_filter(std::move(filter))
    , m_fileName(startName)
    , m_proposed(std::move(startName))
{
    setObjectName(objectName);
}

void FileDialog::ShowOpen(Dialogs &dialogs)
{
    report(dialogs.askOpenFileName(m_title, m_filter, m_proposed));
}

void FileDialog::ShowSave(Dialogs &dialogs)
{
    report(dialogs.askSaveFileName(m_title, m_filter, m_proposed));
}

void FileDialog::report(const QString &name)
{
    m_fileName = name;
    if (!name.isEmpty())
        m_proposed = name;
}

QString QtDialogs::askOpenFileName(const QString &title, const QString &filter,
                                   const QString &proposed)
{
    return runFileDialog(QFileDialog::AcceptOpen, title, filter, proposed);
}

QString QtDialogs::askSaveFileName(const QString &title, const QString &filter,
                                   const QString &proposed)
{
    return runFileDialog(QFileDialog::AcceptSave, title, filter, proposed);
}

Dialogs::Answer QtDialogs::message(const QString &text, Buttons buttons, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}
