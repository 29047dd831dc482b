#pragma once

#include <QObject>
#include <QString>

#include <functional>

class Dialogs;
class FileDialog;
class PictureClip;
class PictureView;

// What one page hands to its four file operations: its views and clips, its
// dialogs, its template and its messages. A page without one of the dialogs
// leaves it null and does not offer that operation.
struct SheetFilesSetup
{
    PictureView *source = nullptr;
    // Null where the page's source update takes the loaded picture from the
    // source view itself.
    PictureClip *sourceClip = nullptr;
    std::function<void()> runSourceUpdate;  // the page's source update; may throw
    PictureView *target = nullptr;
    PictureClip *targetClip = nullptr;
    int templateId = 102;
    FileDialog *loadSourceDialog = nullptr;
    FileDialog *saveDialog = nullptr;
    FileDialog *loadTargetDialog = nullptr;
    QString loadSourceMessage;
    QString loadTargetMessage;
    QString templateMessage;
};

// The four file operations of a work page: load source, save target, load
// target and new template. Each ends silently when its dialog reports no
// name, and shows the page's one message when any of its steps fails in any
// way (a picture error, memory exhausted by a huge picture, ...), keeping
// what it had done before.
class SheetFiles : public QObject
{
    Q_OBJECT
public:
    SheetFiles(Dialogs &dialogs, SheetFilesSetup setup, QObject *parent = nullptr);

    void loadSource();
    void saveTarget();
    void loadTarget();
    void newTemplate();

    static QString openFilter();
    static QString saveMessage();

private:
    Dialogs &m_dialogs;
    SheetFilesSetup m_setup;
};
