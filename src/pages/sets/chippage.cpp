#include "chippage.h"

#include "app/pagecontext.h"
#include "pages/pagecontrols.h"
#include "picture/sizecycle.h"
#include "picture/stretchimage.h"

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

constexpr QSize kCell(16, 16);
const QPoint kMaximum(464, 240);

const SetPageLayout kLayout = {
    {"pic1", 8, 32, 480, 256}, {"pic3", 8, 296, 480, 256},
    "sel", kCell, "ins", kCell,
    {"Frame1", 496, 24, 185, 265},
    {"kor1", 24, 24, 41, 17}, {"kor2", 80, 24, 41, 17},
    {"pic2", 16, 48, 105, 105}, {"img1", 16, 48, 105, 105},
    {{"LoadQChip", 16, 168, 105, 25}, "Quellbild laden", "Ladet ein vorhandenes Chipset"},
    {{"chipHelp", 16, 232, 105, 25}, "Hilfe (!)", "Öffnet das Hilfe-Fenster"},
    {"Frame2", 496, 288, 185, 265},
    {"cor1", 24, 24, 41, 17}, {"cor2", 80, 24, 41, 17},
    {"pic4", 16, 48, 105, 105}, {"img2", 16, 48, 105, 105},
    {{"SaveZChip", 16, 168, 105, 25}, "Zielbild speichern", "Speichert das Chipset ab"},
    {{"LoadZChip", 16, 200, 105, 25}, "Zielbild laden", "Ladet ein vorhandenes Chipset"},
    {{"New", 16, 232, 105, 25}, "Neue Vorlage", "Ladet eine neue Chipset-Vorlage"},
    "PicClip1", "picclip2",
    "dlgCommondialog", "CommonDialog1", "DChipZLoad", "*.bmp", "chip1",
    102, "Fehler beim laden !(!)", "Fehler beim laden !!!!",
    "Kann Datei nicht finden: vorlage.bmp",
};

} // namespace

ChipPage::ChipPage(QWidget *page, PageContext &context)
    : SetPage(page, context, kLayout)
{
    QPushButton *sizeButton = makeButton(m_sourceFrame, QStringLiteral("selgr"),
                                         QStringLiteral("Sel-Grösse ändern"),
                                         QStringLiteral("Ändert die Grösse des Selection-Kästchens"),
                                         16, 200, 105, 25);

    // The chip previews carry a thin border; the picture still fills 105 x 105.
    m_controls.sourcePreview->setBorder(true);
    m_controls.targetPreview->setBorder(true);

    PageState &state = context.state;
    const auto clipSize = [&state] { return sizeForMode(chipSizes(), state.ChipSelSize); };
    CellCopierNumbers numbers;
    numbers.sourceStep = [] { return kCell; };
    numbers.targetStep = kCell;
    numbers.sourceMax = kMaximum;
    numbers.targetMax = kMaximum;
    numbers.sourceClipSize = clipSize;
    numbers.targetClipSize = clipSize;
    startCopier(std::move(numbers));

    connectHandlers(this, &ChipPage::pic1_Click, &ChipPage::pic3_Click, &ChipPage::pic1_KeyDown,
                    &ChipPage::pic3_KeyDown, &ChipPage::LoadQChip_Click, &ChipPage::SaveZChip_Click,
                    &ChipPage::LoadZChip_Click, &ChipPage::New_Click, &ChipPage::chipHelp_Click);
    connect(sizeButton, &QPushButton::clicked, this, &ChipPage::selgr_Click);
}

void ChipPage::pic1_Click() { m_copier->sourceClick(); }
void ChipPage::pic3_Click() { m_copier->targetClick(); }
void ChipPage::pic1_KeyDown(int keyCode, int shift) { m_copier->sourceKeyDown(keyCode, shift); }
void ChipPage::pic3_KeyDown(int keyCode, int shift) { m_copier->targetKeyDown(keyCode, shift); }
void ChipPage::ChipUpdateSourceSelection() { m_copier->updateSourceSelection(); }
void ChipPage::ChipUpdateTargetInsert() { m_copier->updateTargetInsert(); }
void ChipPage::LoadQChip_Click() { m_files->loadSource(); }
void ChipPage::SaveZChip_Click() { m_files->saveTarget(); }
void ChipPage::LoadZChip_Click() { m_files->loadTarget(); }
void ChipPage::New_Click() { m_files->newTemplate(); }
void ChipPage::chipHelp_Click() { openHelp(); }

void ChipPage::selgr_Click()
{
    stepSize(*m_controls.selector, chipSizes(), &m_context.state.ChipSelSize);
    // The insert frame steps on its own; only its step runs the source update.
    if (stepSize(*m_controls.insertFrame, chipSizes(), nullptr))
        ChipUpdateSourceSelection();
}
