#include "facepage.h"

#include "app/pagecontext.h"
#include "pages/pagecontrols.h"
#include "picture/cellcopier.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/sheetfiles.h"
#include "picture/stretchimage.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kFaceCell(48, 48);
const QPoint kFaceMax(144, 144);

} // namespace

FacePage::FacePage(QWidget *page, PageContext &context)
    : QObject(page)
    , m_context(context)
{
    CellCopierControls c;

    c.source = makeView(page, QStringLiteral("fpic1"), 16, 56, 192, 192);
    c.selector = c.source->addShape(QStringLiteral("fsel"), 0, 0, 48, 48);
    c.target = makeView(page, QStringLiteral("fpic3"), 16, 288, 192, 192);
    try {
        c.target->setPicture(LoadResPicture(104));
    } catch (const PictureError &) {
        // Without its template the target starts empty; "Neue Vorlage" says why.
    }
    c.insertFrame = c.target->addShape(QStringLiteral("fins"), 0, 0, 48, 48);

    QGroupBox *sourceFrame = makeFrame(page, QStringLiteral("Frame5"), QStringLiteral("Quellbild"),
                                       224, 48, 209, 225);
    c.sourceColumn = makeLabel(sourceFrame, QStringLiteral("fcor1"), QStringLiteral("1"), 24, 24, 25, 17);
    c.sourceRow = makeLabel(sourceFrame, QStringLiteral("fcor2"), QStringLiteral("1"), 64, 24, 41, 17);
    c.sourceHolder = makeView(sourceFrame, QStringLiteral("fpic2"), 24, 48, 96, 96);
    c.sourceHolder->hide();
    c.sourcePreview = makeStretchImage(sourceFrame, QStringLiteral("fimg1"), 24, 48, 97, 97);
    QPushButton *loadSource = makeButton(sourceFrame, QStringLiteral("LoadQFace"),
                                         QStringLiteral("Quellbild laden"),
                                         QStringLiteral("Ladet ein vorhandenes Faceset"),
                                         24, 160, 97, 25);
    QPushButton *help = makeButton(sourceFrame, QStringLiteral("faceHelp"), QStringLiteral("Hilfe (!)"),
                                   QStringLiteral("Öffnet das Hilfe-Fenster"), 24, 192, 97, 25);

    QGroupBox *targetFrame = makeFrame(page, QStringLiteral("Frame6"), QStringLiteral("Zielbild"),
                                       224, 280, 209, 265);
    c.targetColumn = makeLabel(targetFrame, QStringLiteral("fkor1"), QStringLiteral("1"), 24, 24, 25, 17);
    c.targetRow = makeLabel(targetFrame, QStringLiteral("fkor2"), QStringLiteral("1"), 64, 24, 41, 17);
    // The visible target preview: the stretched cell goes straight into it.
    c.targetHolder = makeView(targetFrame, QStringLiteral("fpic4"), 24, 48, 96, 96);
    c.targetHolder->setBorder(true);
    QPushButton *save = makeButton(targetFrame, QStringLiteral("SaveZFace"),
                                   QStringLiteral("Zielbild speichern"),
                                   QStringLiteral("Speichert das neue Faceset ab"), 24, 160, 97, 25);
    QPushButton *loadTarget = makeButton(targetFrame, QStringLiteral("LoadZFace"),
                                         QStringLiteral("Zielbild laden"),
                                         QStringLiteral("Ladet ein vorhandenes Faceset"),
                                         24, 192, 97, 25);
    QPushButton *fresh = makeButton(targetFrame, QStringLiteral("fNew"), QStringLiteral("Neue Vorlage"),
                                    QStringLiteral("Ladet eine neue Faceset-Vorlage"), 24, 224, 97, 25);

    c.sourceClip = new PictureClip(this);
    c.sourceClip->setObjectName(QStringLiteral("fpicclip1"));
    c.targetClip = new PictureClip(this);
    c.targetClip->setObjectName(QStringLiteral("fpicclip2"));

    CellCopierNumbers n;
    n.sourceStep = [] { return kFaceCell; };
    n.targetStep = kFaceCell;
    n.sourceMax = kFaceMax;
    n.targetMax = kFaceMax;
    n.sourceClipSize = [] { return kFaceCell; };
    n.targetClipSize = [] { return kFaceCell; };
    m_copier = new CellCopier(c, std::move(n), this);

    SheetFilesSetup files;
    files.source = c.source;
    files.sourceClip = c.sourceClip;
    files.runSourceUpdate = [this] { m_copier->runSourceSelection(); };
    files.target = c.target;
    files.targetClip = c.targetClip;
    files.templateId = 104;
    files.loadSourceDialog = new FileDialog(QStringLiteral("dLoadQface"),
                                            QStringLiteral("Quellbild laden"), QString(),
                                            QString(), this);
    files.saveDialog = new FileDialog(QStringLiteral("DSaveZFace"), QStringLiteral("Zielbild speichern"),
                                      QStringLiteral("*bmp"), QString(), this);
    files.loadTargetDialog = new FileDialog(QStringLiteral("DLoadZFace"),
                                            QStringLiteral("Zielbild laden"), QString(),
                                            QString(), this);
    files.loadSourceMessage = QStringLiteral("Die Datei kann leider nicht geladen werden !");
    files.loadTargetMessage = files.loadSourceMessage;
    files.templateMessage = QStringLiteral("Kann Datei nicht finden: vorlage3.bmp");
    m_files = new SheetFiles(context.dialogs, std::move(files), this);

    // The copier itself answers the clicks on the two views.
    connect(c.source, &PictureView::keyDown, this, &FacePage::fpic1_KeyDown);
    connect(c.target, &PictureView::keyDown, this, &FacePage::fpic3_KeyDown);
    connect(loadSource, &QPushButton::clicked, this, &FacePage::LoadQFace_Click);
    connect(help, &QPushButton::clicked, this, &FacePage::faceHelp_Click);
    connect(save, &QPushButton::clicked, this, &FacePage::SaveZFace_Click);
    connect(loadTarget, &QPushButton::clicked, this, &FacePage::LoadZFace_Click);
    connect(fresh, &QPushButton::clicked, this, &FacePage::fNew_Click);
}

void FacePage::fpic1_Click()
{
    m_copier->sourceClick();
}

void FacePage::fpic3_Click()
{
    m_copier->targetClick();
}

void FacePage::fpic1_KeyDown(int keyCode, int shift)
{
    m_copier->sourceKeyDown(keyCode, shift);
}

void FacePage::fpic3_KeyDown(int keyCode, int shift)
{
    m_copier->targetKeyDown(keyCode, shift);
}

void FacePage::FaceUpdateSourceSelection()
{
    m_copier->updateSourceSelection();
}

void FacePage::FaceUpdateTargetInsert()
{
    m_copier->updateTargetInsert();
}

void FacePage::LoadQFace_Click()
{
    m_files->loadSource();
}

void FacePage::SaveZFace_Click()
{
    m_files->saveTarget();
}

void FacePage::LoadZFace_Click()
{
    m_files->loadTarget();
}

void FacePage::fNew_Click()
{
    m_files->newTemplate();
}

void FacePage::faceHelp_Click()
{
    if (m_context.openHelp)
        m_context.openHelp();
}
