#include "chippage.h"

#include "app/pagecontext.h"
#include "pages/pagecontrols.h"
#include "picture/cellcopier.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/sheetfiles.h"
#include "picture/sizecycle.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The selection sizes of this page, stepped by "Sel-Grösse ändern"; the mode
// of a row also names the clip size both update routines cut.
const SizeCycle &chipSizes()
{
    static const SizeCycle cycle = {
        {QSize(16, 16), QSize(16, 32), 1},
        {QSize(16, 32), QSize(32, 16), 2},
        {QSize(32, 16), QSize(32, 32), 3},
        {QSize(32, 32), QSize(48, 48), 4},
        {QSize(48, 48), QSize(64, 64), 5},
        {QSize(64, 64), QSize(96, 96), 6},
        {QSize(96, 96), QSize(16, 16), 7},
    };
    return cycle;
}

constexpr int kCell = 16;
const QPoint kMaximum(464, 240);

} // namespace

ChipPage::ChipPage(QWidget *page, PageContext &context)
    : QObject(page)
    , m_context(context)
{
    m_source = makeView(page, QStringLiteral("pic1"), 8, 32, 480, 256);
    m_source->setBackgroundColor(page->palette().color(QPalette::Window));
    // The source shows the window colour where it has no picture, also after
    // the window's colours change.
    m_source->installEventFilter(this);
    RectShape *sel = m_source->addShape(QStringLiteral("sel"), 0, 0, kCell, kCell);

    PictureView *target = makeView(page, QStringLiteral("pic3"), 8, 296, 480, 256);
    target->setBackgroundColor(Qt::white);
    RectShape *ins = target->addShape(QStringLiteral("ins"), 0, 0, kCell, kCell);
    try {
        target->setPicture(LoadResPicture(102));
    } catch (const PictureError &) {
        // Without its template the target starts empty; "Neue Vorlage" says why.
    }

    QGroupBox *sourceFrame = makeFrame(page, QStringLiteral("Frame1"), QStringLiteral("Quellbild"),
                                       496, 24, 185, 265);
    QLabel *kor1 = makeLabel(sourceFrame, QStringLiteral("kor1"), QStringLiteral("1"), 24, 24, 41, 17);
    QLabel *kor2 = makeLabel(sourceFrame, QStringLiteral("kor2"), QStringLiteral("1"), 80, 24, 41, 17);
    PictureView *pic2 = makeView(sourceFrame, QStringLiteral("pic2"), 16, 48, 105, 105);
    pic2->hide();
    StretchImage *img1 = makeStretchImage(sourceFrame, QStringLiteral("img1"), 16, 48, 105, 105);
    QPushButton *loadSource = makeButton(sourceFrame, QStringLiteral("LoadQChip"),
                                         QStringLiteral("Quellbild laden"),
                                         QStringLiteral("Ladet ein vorhandenes Chipset"),
                                         16, 168, 105, 25);
    QPushButton *sizeButton = makeButton(sourceFrame, QStringLiteral("selgr"),
                                         QStringLiteral("Sel-Grösse ändern"),
                                         QStringLiteral("Ändert die Grösse des Selection-Kästchens"),
                                         16, 200, 105, 25);
    QPushButton *help = makeButton(sourceFrame, QStringLiteral("chipHelp"), QStringLiteral("Hilfe (!)"),
                                   QStringLiteral("Öffnet das Hilfe-Fenster"), 16, 232, 105, 25);

    QGroupBox *targetFrame = makeFrame(page, QStringLiteral("Frame2"), QStringLiteral("Zielbild"),
                                       496, 288, 185, 265);
    QLabel *cor1 = makeLabel(targetFrame, QStringLiteral("cor1"), QStringLiteral("1"), 24, 24, 41, 17);
    QLabel *cor2 = makeLabel(targetFrame, QStringLiteral("cor2"), QStringLiteral("1"), 80, 24, 41, 17);
    PictureView *pic4 = makeView(targetFrame, QStringLiteral("pic4"), 16, 48, 105, 105);
    pic4->hide();
    StretchImage *img2 = makeStretchImage(targetFrame, QStringLiteral("img2"), 16, 48, 105, 105);
    QPushButton *save = makeButton(targetFrame, QStringLiteral("SaveZChip"),
                                   QStringLiteral("Zielbild speichern"),
                                   QStringLiteral("Speichert das Chipset ab"), 16, 168, 105, 25);
    QPushButton *loadTarget = makeButton(targetFrame, QStringLiteral("LoadZChip"),
                                         QStringLiteral("Zielbild laden"),
                                         QStringLiteral("Ladet ein vorhandenes Chipset"),
                                         16, 200, 105, 25);
    QPushButton *newTemplate = makeButton(targetFrame, QStringLiteral("New"),
                                          QStringLiteral("Neue Vorlage"),
                                          QStringLiteral("Ladet eine neue Chipset-Vorlage"),
                                          16, 232, 105, 25);

    auto *sourceClip = new PictureClip(this);
    sourceClip->setObjectName(QStringLiteral("PicClip1"));
    auto *targetClip = new PictureClip(this);
    targetClip->setObjectName(QStringLiteral("picclip2"));

    auto *sourceDialog = new FileDialog(QStringLiteral("dlgCommondialog"),
                                        QStringLiteral("Quellbild laden"), QString(), QString(), this);
    auto *saveDialog = new FileDialog(QStringLiteral("CommonDialog1"), QStringLiteral("Zielbild speichern"),
                                      QStringLiteral("*.bmp"), QStringLiteral("chip1"), this);
    auto *targetDialog = new FileDialog(QStringLiteral("DChipZLoad"), QStringLiteral("Zielbild laden"),
                                        QString(), QString(), this);

    CellCopierControls controls;
    controls.source = m_source;
    controls.selector = sel;
    controls.target = target;
    controls.insertFrame = ins;
    controls.sourceColumn = kor1;
    controls.sourceRow = kor2;
    controls.targetColumn = cor1;
    controls.targetRow = cor2;
    controls.sourceHolder = pic2;
    controls.sourcePreview = img1;
    controls.targetHolder = pic4;
    controls.targetPreview = img2;
    controls.sourceClip = sourceClip;
    controls.targetClip = targetClip;

    PageState &state = m_context.state;
    const auto clipSize = [&state] { return sizeForMode(chipSizes(), state.ChipSelSize); };
    CellCopierNumbers numbers;
    numbers.sourceStep = [] { return QSize(kCell, kCell); };
    numbers.targetStep = QSize(kCell, kCell);
    numbers.sourceMax = kMaximum;
    numbers.targetMax = kMaximum;
    numbers.sourceClipSize = clipSize;
    numbers.targetClipSize = clipSize;
    m_copier = new CellCopier(controls, numbers, this);
    // The page's own click handlers take the clicks.
    QObject::disconnect(m_source, nullptr, m_copier, nullptr);
    QObject::disconnect(target, nullptr, m_copier, nullptr);

    SheetFilesSetup files;
    files.source = m_source;
    files.sourceClip = sourceClip;
    files.runSourceUpdate = [copier = m_copier] { copier->runSourceSelection(); };
    files.target = target;
    files.targetClip = targetClip;
    files.templateId = 102;
    files.loadSourceDialog = sourceDialog;
    files.saveDialog = saveDialog;
    files.loadTargetDialog = targetDialog;
    files.loadSourceMessage = QStringLiteral("Fehler beim laden !(!)");
    files.loadTargetMessage = QStringLiteral("Fehler beim laden !!!!");
    files.templateMessage = QStringLiteral("Kann Datei nicht finden: vorlage.bmp");
    m_files = new SheetFiles(m_context.dialogs, files, this);

    connect(m_source, &PictureView::clicked, this, &ChipPage::pic1_Click);
    connect(target, &PictureView::clicked, this, &ChipPage::pic3_Click);
    connect(m_source, &PictureView::keyDown, this, &ChipPage::pic1_KeyDown);
    connect(target, &PictureView::keyDown, this, &ChipPage::pic3_KeyDown);
    connect(sizeButton, &QPushButton::clicked, this, &ChipPage::selgr_Click);
    connect(loadSource, &QPushButton::clicked, this, &ChipPage::LoadQChip_Click);
    connect(save, &QPushButton::clicked, this, &ChipPage::SaveZChip_Click);
    connect(loadTarget, &QPushButton::clicked, this, &ChipPage::LoadZChip_Click);
    connect(newTemplate, &QPushButton::clicked, this, &ChipPage::New_Click);
    connect(help, &QPushButton::clicked, this, &ChipPage::chipHelp_Click);
}

void ChipPage::pic1_Click()
{
    m_copier->sourceClick();
}

void ChipPage::pic3_Click()
{
    m_copier->targetClick();
}

void ChipPage::pic1_KeyDown(int keyCode, int shift)
{
    m_copier->sourceKeyDown(keyCode, shift);
}

void ChipPage::pic3_KeyDown(int keyCode, int shift)
{
    m_copier->targetKeyDown(keyCode, shift);
}

void ChipPage::ChipUpdateSourceSelection()
{
    m_copier->updateSourceSelection();
}

void ChipPage::ChipUpdateTargetInsert()
{
    m_copier->updateTargetInsert();
}

void ChipPage::selgr_Click()
{
    const CellCopierControls &controls = m_copier->controls();
    stepSize(*controls.selector, chipSizes(), &m_context.state.ChipSelSize);
    // The insert frame steps on its own; only its step runs the source update.
    if (stepSize(*controls.insertFrame, chipSizes(), nullptr))
        ChipUpdateSourceSelection();
}

void ChipPage::LoadQChip_Click()
{
    m_files->loadSource();
}

void ChipPage::SaveZChip_Click()
{
    m_files->saveTarget();
}

void ChipPage::LoadZChip_Click()
{
    m_files->loadTarget();
}

void ChipPage::New_Click()
{
    m_files->newTemplate();
}

void ChipPage::chipHelp_Click()
{
    if (m_context.openHelp)
        m_context.openHelp();
}

bool ChipPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_source && event->type() == QEvent::PaletteChange)
        m_source->setBackgroundColor(m_source->palette().color(QPalette::Window));
    return QObject::eventFilter(watched, event);
}
