#pragma once

#include "picture/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

// Dialogs for tests: file dialogs answer with queued names, message boxes
// with queued answers, and everything shown is recorded.
class ScriptedDialogs : public Dialogs
{
public:
    struct FileRequest { bool save; QString title; QString filter; QString proposed; };
    struct Message { QString text; Buttons buttons; QString title; };

    // The next file dialog answers with `name` ("" = cancelled).
    void queueFileName(const QString &name) { m_names.enqueue(name); }
    // The next file dialog takes its name and then fails as if memory ran out.
    void failNextFileDialog() { m_failNext = true; }
    // The next Yes/No box answers with `answer`; unqueued boxes answer Yes / OK.
    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }

    QList<FileRequest> fileRequests;
    QList<Message> messages;

    QString askOpenFileName(const QString &title, const QString &filter,
                            const QString &proposed) override;
    QString askSaveFileName(const QString &title, const QString &filter,
                            const QString &proposed) override;
    Answer message(const QString &text, Buttons buttons, const QString &title) override;

private:
    QQueue<QString> m_names;
    QQueue<Answer> m_answers;
    bool m_failNext = false;

    QString answerFileName();
};
