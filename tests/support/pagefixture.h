#pragma once

#include "scripteddialogs.h"

#include <QString>
#include <QTemporaryDir>
#include <Qt>

#include <memory>

class FileDialog;
class MainForm;
class PictureClip;
class PictureView;
class QLabel;
class QPushButton;
class RectShape;
class StretchImage;

// The main window for a page test: built on scripted dialogs with a fresh
// temporary program folder, shown on one tab and exposed; plus the lookups by
// objectName and the clicks and keys the page tests drive it with. A lookup
// of a control that does not exist stops the test run with its name.
class PageFixture
{
public:
    explicit PageFixture(int tabIndex = 0);
    ~PageFixture();

    // True once the window is shown and exposed.
    bool isReady() const { return m_ready; }

    MainForm &form() { return *m_form; }
    ScriptedDialogs dialogs;

    // The temporary program folder and a file in it.
    QString folder() const { return m_dir.path(); }
    QString filePath(const QString &name) const;

    // A folder path nothing can be written to, even as root: it lies below a
    // regular file. Hand it to setProgramFolder() to make every write fail.
    QString unwritableFolder() const;

    PictureView *view(const QString &name) const;
    RectShape *shape(const QString &name) const;
    QLabel *label(const QString &name) const;
    QPushButton *button(const QString &name) const;
    StretchImage *preview(const QString &name) const;
    PictureClip *clip(const QString &name) const;
    FileDialog *fileDialog(const QString &name) const;

    // Left clicks on a button, or one on a view (which gives it the focus).
    void clickButton(const QString &name, int times = 1);
    void clickView(const QString &name);

    // Key presses sent to a view, `times` over.
    void pressKey(const QString &viewName, Qt::Key key,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1);

    // A button click answered by the next queued file name ("" = cancel).
    void clickWithFile(const QString &buttonName, const QString &fileName);

private:
    QObject *findNamed(const QString &name, const char *kind) const;

    QTemporaryDir m_dir;
    std::unique_ptr<MainForm> m_form;
    bool m_ready = false;
};
