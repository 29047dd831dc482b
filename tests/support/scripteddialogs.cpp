#include "scripteddialogs.h"

#include <new>

QString ScriptedDialogs::answerFileName()
{
    const QString name = m_names.isEmpty() ? QString() : m_names.dequeue();
    if (m_failNext) {
        m_failNext = false;
        throw std::bad_alloc();
    }
    return name;
}

QString ScriptedDialogs::askOpenFileName(const QString &title, const QString &filter,
                                         const QString &proposed)
{
    fileRequests.append({false, title, filter, proposed});
    return answerFileName();
}

QString ScriptedDialogs::askSaveFileName(const QString &title, const QString &filter,
                                         const QString &proposed)
{
    fileRequests.append({true, title, filter, proposed});
    return answerFileName();
}

Dialogs::Answer ScriptedDialogs::message(const QString &text, Buttons buttons,
                                         const QString &title)
{
    messages.append({text, buttons, title});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return m_answers.isEmpty() ? Answer::Yes : m_answers.dequeue();
}
