#pragma once

#include <QObject>
#include <QString>

// The modal windows the handlers need: file dialogs and message boxes. The
// program shows Qt's own; tests hand in a scripted implementation, so that no
// test ever waits on a modal window.
class Dialogs
{
public:
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~Dialogs() = default;

    // Each returns the chosen file name, or an empty one when cancelled.
    virtual QString askOpenFileName(const QString &title, const QString &filter,
                                    const QString &proposed) = 0;
    virtual QString askSaveFileName(const QString &title, const QString &filter,
                                    const QString &proposed) = 0;

    // No icon; Yes is the default button of a Yes/No box.
    virtual Answer message(const QString &text, Buttons buttons, const QString &title) = 0;
};

// The application's title, shown by every message box that sets none.
QString applicationTitle();

// A message box; without a title of its own it shows the application's title.
Dialogs::Answer showMessage(Dialogs &dialogs, const QString &text,
                            Dialogs::Buttons buttons = Dialogs::Buttons::Ok,
                            const QString &title = QString());

// One file dialog of a page, with the values it keeps from one showing to the
// next. FileName is what the last showing reported: empty after a cancel,
// while the next showing still proposes the last name chosen.
class FileDialog : public QObject
{
    Q_OBJECT
public:
    FileDialog(const QString &objectName, const QString &title, QString filter = QString(),
               QString startName = QString(), QObject *parent = nullptr);

    QString dialogTitle() const { return m_title; }
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    QString fileName() const { return m_fileName; }
    QString proposedName() const { return m_proposed; }

    void ShowOpen(Dialogs &dialogs);
    void ShowSave(Dialogs &dialogs);

private:
    void report(const QString &name);

    QString m_title;
    QString m_filter;
    QString m_fileName;
    QString m_proposed;
};

// Qt's own dialogs (not the platform's native ones, so that every machine
// shows the same dialog), parented to the active window.
class QtDialogs : public Dialogs
{
public:
    QString askOpenFileName(const QString &title, const QString &filter,
                            const QString &proposed) override;
    QString askSaveFileName(const QString &title, const QString &filter,
                            const QString &proposed) override;
    Answer message(const QString &text, Buttons buttons, const QString &title) override;
};
