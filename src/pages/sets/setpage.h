#pragma once

#include <QObject>
#include <QSize>

#include "picture/cellcopier.h"
#include "picture/pictureview.h"
#include "picture/sheetfiles.h"

#include <QPushButton>

struct PageContext;

// Where a control stands in its container, and what it is called.
struct Place
{
    const char *name;
    int x, y, w, h;
};

// A button's place and texts.
struct ButtonPlace
{
    Place place;
    const char *caption;
    const char *toolTip;
};

// Everything that tells the three set pages apart on screen and on disk; the
// copying itself is told by the page's CellCopierNumbers.
struct SetPageLayout
{
    Place source;
    Place target;
    const char *selector;
    QSize selectorSize;
    const char *insertFrame;
    QSize insertFrameSize;

    Place sourceFrame;
    Place sourceColumn, sourceRow;
    Place sourceHolder;       // hidden; receives the cut piece
    Place sourcePreview;      // shows it stretched
    ButtonPlace loadSource;
    ButtonPlace help;

    Place targetFrame;
    Place targetColumn, targetRow;
    Place targetHolder;       // hidden, or the visible bordered preview
    Place targetPreview;      // name nullptr: the holder is the preview
    ButtonPlace save;
    ButtonPlace loadTarget;
    ButtonPlace newTemplate;

    const char *sourceClip, *targetClip;
    const char *loadSourceDialog, *saveDialog, *loadTargetDialog;
    const char *saveFilter;
    const char *saveStartName;
    int templateId;
    const char *loadSourceMessage, *loadTargetMessage, *templateMessage;

    const char *sourceFrameCaption = "Quellbild";
    const char *targetFrameCaption = "Zielbild";
    const char *loadSourceTitle = "Quellbild laden";
};

// What the three set pages and the RPG95 page share: their controls built
// from a layout, the cell copier and the four file operations. A page adds its own numbers, its named
// handlers and whatever else is its own.
class SetPage : public QObject
{
    Q_OBJECT
protected:
    SetPage(QWidget *page, PageContext &context, const SetPageLayout &layout);

    // Finishes the page once its numbers are known. A page that makes more of
    // a loaded source than the cell copier's source clip hands in the routine
    // that takes the picture from the source view instead; it runs after every
    // successful source load, in place of the source update.
    void startCopier(CellCopierNumbers numbers, std::function<void()> takeLoadedSource = {});

    // Connects the views and buttons to the page's named handlers.
    template<typename Page>
    void connectHandlers(Page *self, void (Page::*sourceClick)(), void (Page::*targetClick)(),
                         void (Page::*sourceKey)(int, int), void (Page::*targetKey)(int, int),
                         void (Page::*loadSource)(), void (Page::*save)(),
                         void (Page::*loadTarget)(), void (Page::*newTemplate)(),
                         void (Page::*help)())
    {
        connect(m_controls.source, &PictureView::clicked, self, sourceClick);
        connect(m_controls.target, &PictureView::clicked, self, targetClick);
        connect(m_controls.source, &PictureView::keyDown, self, sourceKey);
        connect(m_controls.target, &PictureView::keyDown, self, targetKey);
        connect(m_loadSource, &QPushButton::clicked, self, loadSource);
        connect(m_save, &QPushButton::clicked, self, save);
        connect(m_loadTarget, &QPushButton::clicked, self, loadTarget);
        connect(m_newTemplate, &QPushButton::clicked, self, newTemplate);
        connect(m_help, &QPushButton::clicked, self, help);
    }

    void openHelp();

    PageContext &m_context;
    CellCopierControls m_controls;
    QWidget *m_sourceFrame = nullptr;
    QWidget *m_targetFrame = nullptr;
    CellCopier *m_copier = nullptr;
    SheetFiles *m_files = nullptr;

private:
    SheetFilesSetup m_fileSetup;
    QPushButton *m_loadSource = nullptr;
    QPushButton *m_help = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_loadTarget = nullptr;
    QPushButton *m_newTemplate = nullptr;
};
