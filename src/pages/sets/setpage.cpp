#include "setpage.h"

#include "app/pagecontext.h"
#include "pages/pagecontrols.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"

#include <QGroupBox>
#include <QLabel>

namespace {

QString name(const char *text)
{
    return QString::fromLatin1(text);
}

QLabel *label(QWidget *parent, const Place &p)
{
    return makeLabel(parent, name(p.name), QStringLiteral("1"), p.x, p.y, p.w, p.h);
}

PictureView *view(QWidget *parent, const Place &p)
{
    return makeView(parent, name(p.name), p.x, p.y, p.w, p.h);
}

QPushButton *button(QWidget *parent, const ButtonPlace &b)
{
    return makeButton(parent, name(b.place.name), QString::fromUtf8(b.caption),
                      QString::fromUtf8(b.toolTip), b.place.x, b.place.y, b.place.w, b.place.h);
}

QGroupBox *frame(QWidget *parent, const Place &p, const char *caption)
{
    return makeFrame(parent, name(p.name), QString::fromUtf8(caption), p.x, p.y, p.w, p.h);
}

} // namespace

SetPage::SetPage(QWidget *page, PageContext &context, const SetPageLayout &layout)
    : QObject(page)
    , m_context(context)
{
    CellCopierControls &c = m_controls;
    c.source = view(page, layout.source);
    // An empty source shows the system's window (text background) colour.
    c.source->setBackgroundColor(page->palette().color(QPalette::Base));
    c.selector = c.source->addShape(name(layout.selector), 0, 0, layout.selectorSize.width(),
                                    layout.selectorSize.height());
    c.target = view(page, layout.target);
    c.insertFrame = c.target->addShape(name(layout.insertFrame), 0, 0,
                                       layout.insertFrameSize.width(),
                                       layout.insertFrameSize.height());
    try {
        c.target->setPicture(LoadResPicture(layout.templateId));
    } catch (const PictureError &) {
        // Without its template the target starts empty; "Neue Vorlage" says why.
    }

    m_sourceFrame = frame(page, layout.sourceFrame, layout.sourceFrameCaption);
    c.sourceColumn = label(m_sourceFrame, layout.sourceColumn);
    c.sourceRow = label(m_sourceFrame, layout.sourceRow);
    c.sourceHolder = view(m_sourceFrame, layout.sourceHolder);
    c.sourceHolder->hide();
    const Place &sp = layout.sourcePreview;
    c.sourcePreview = makeStretchImage(m_sourceFrame, name(sp.name), sp.x, sp.y, sp.w, sp.h);
    m_loadSource = button(m_sourceFrame, layout.loadSource);
    m_help = button(m_sourceFrame, layout.help);

    m_targetFrame = frame(page, layout.targetFrame, layout.targetFrameCaption);
    c.targetColumn = label(m_targetFrame, layout.targetColumn);
    c.targetRow = label(m_targetFrame, layout.targetRow);
    c.targetHolder = view(m_targetFrame, layout.targetHolder);
    if (layout.targetPreview.name) {
        c.targetHolder->hide();
        const Place &tp = layout.targetPreview;
        c.targetPreview = makeStretchImage(m_targetFrame, name(tp.name), tp.x, tp.y, tp.w, tp.h);
    } else {
        c.targetHolder->setBorder(true);
    }
    m_save = button(m_targetFrame, layout.save);
    m_loadTarget = button(m_targetFrame, layout.loadTarget);
    m_newTemplate = button(m_targetFrame, layout.newTemplate);

    c.sourceClip = new PictureClip(this);
    c.sourceClip->setObjectName(name(layout.sourceClip));
    c.targetClip = new PictureClip(this);
    c.targetClip->setObjectName(name(layout.targetClip));

    SheetFilesSetup &files = m_fileSetup;
    files.source = c.source;
    files.sourceClip = c.sourceClip;
    files.target = c.target;
    files.targetClip = c.targetClip;
    files.templateId = layout.templateId;
    files.loadSourceDialog = new FileDialog(name(layout.loadSourceDialog),
                                            QString::fromUtf8(layout.loadSourceTitle), QString(),
                                            QString(), this);
    files.saveDialog = new FileDialog(name(layout.saveDialog), QStringLiteral("Zielbild speichern"),
                                      name(layout.saveFilter), name(layout.saveStartName), this);
    files.loadTargetDialog = new FileDialog(name(layout.loadTargetDialog),
                                            QStringLiteral("Zielbild laden"), QString(), QString(), this);
    files.loadSourceMessage = QString::fromUtf8(layout.loadSourceMessage);
    files.loadTargetMessage = QString::fromUtf8(layout.loadTargetMessage);
    files.templateMessage = QString::fromUtf8(layout.templateMessage);
}

void SetPage::startCopier(CellCopierNumbers numbers, std::function<void()> takeLoadedSource)
{
    m_copier = new CellCopier(m_controls, std::move(numbers), this);
    if (takeLoadedSource) {
        m_fileSetup.sourceClip = nullptr;
        m_fileSetup.runSourceUpdate = std::move(takeLoadedSource);
    } else {
        m_fileSetup.runSourceUpdate = [copier = m_copier] { copier->runSourceSelection(); };
    }
    m_files = new SheetFiles(m_context.dialogs, m_fileSetup, this);
}

void SetPage::openHelp()
{
    if (m_context.openHelp)
        m_context.openHelp();
}
