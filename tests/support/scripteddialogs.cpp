#include "scripteddialogs.h"

QString ScriptedDialogs::askOpenFileName(const QString &title, const QString &filter,
                                         const QString &proposed)
{
    fileRequests.append({false, title, filter, proposed});
    return m_names.isEmpty() ? QString() : m_names.dequeue();
}

QString ScriptedDialogs::askSaveFileName(const QString &title, const QString &filter,
                                         const QString &proposed)
{
    fileRequests.append({true, title, filter, proposed});
    return m_names.isEmpty() ? QString() : m_names.dequeue();
}

Dialogs::Answer ScriptedDialogs::message(const QString &text, Buttons buttons,
                                         const QString &title)
{
    messages.append({text, buttons, title});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return m_answers.isEmpty() ? Answer::Yes : m_answers.dequeue();
}
