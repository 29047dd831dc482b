#include "charpage.h"

#include "app/pagecontext.h"
#include "pages/pagecontrols.h"
#include "picture/rectshape.h"

namespace {

const QString kModeOff = QStringLiteral("RPG95 Char Konvertor Aus");
const QString kModeOn = QStringLiteral("RPG95 Char Konvertor An");

// The target always works in RPG2K char cells.
constexpr QSize kCharCell(24, 32);
constexpr QSize kRpg95Cell(32, 32);
const QPoint kCharMax(264, 224);

const SetPageLayout kLayout = {
    {"cPic1", 16, 32, 288, 256}, {"cPic3", 16, 296, 288, 256},
    "csel", kCharCell, "cins", kCharCell,
    {"Frame3", 312, 32, 169, 257},
    {"ccor1", 16, 24, 33, 17}, {"ccor2", 56, 24, 49, 17},
    {"cPic2", 16, 48, 97, 97}, {"cimg1", 16, 48, 97, 97},
    {{"LoadQChar", 16, 152, 97, 25}, "Quellbild laden", "Ladet ein vorhandenes Charset"},
    {{"CahrHelp", 16, 184, 97, 25}, "Hilfe (!)", "Öffnet das Hilfe-Fenster"},
    {"Frame4", 312, 296, 169, 257},
    {"ckor1", 16, 24, 33, 17}, {"ckor2", 56, 24, 41, 17},
    {"cPic4", 16, 48, 81, 97}, {nullptr, 0, 0, 0, 0},
    {{"SaveZChar", 16, 152, 97, 25}, "Zielbild speichern", "Speichert das Charset ab"},
    {{"LoadZChar", 16, 184, 97, 25}, "Zielbild laden", "Ladet ein vorhandenes Charset"},
    {{"CNew", 16, 216, 97, 25}, "Neue Vorlage", "Ladet eine neue Char-Vorlage"},
    "cpiclip1", "cpiclip2",
    "DCharQLoad", "DCharZSave", "DCharZLoad", "*.bmp", nullptr,
    103, "Die Datei kann leider nicht geladen werden !",
    "Die Datei kann leider nicht geladen werden !", "Kann Datei nicht finden: vorlage2.bmp",
};

} // namespace

CharPage::CharPage(QWidget *page, PageContext &context)
    : SetPage(page, context, kLayout)
{
    m_modeButton = makeButton(m_sourceFrame, QStringLiteral("c95mode"), kModeOff,
                              QStringLiteral("Stellt das Selection-Kästchen auf das RPG95 Format um"),
                              8, 216, 153, 25);

    CellCopierNumbers numbers;
    numbers.sourceStep = [this] { return sourceCell(); };
    numbers.targetStep = kCharCell;
    numbers.sourceMax = kCharMax;
    numbers.targetMax = kCharMax;
    numbers.sourceClipSize = [this] { return sourceCell(); };
    numbers.targetClipSize = [] { return kCharCell; };
    // An RPG95 figure is squeezed into the RPG2K cell.
    numbers.pasteSize = kCharCell;
    startCopier(std::move(numbers));

    connectHandlers(this, &CharPage::cPic1_Click, &CharPage::cPic3_Click, &CharPage::cPic1_KeyDown,
                    &CharPage::cPic3_KeyDown, &CharPage::LoadQChar_Click, &CharPage::SaveZChar_Click,
                    &CharPage::LoadZChar_Click, &CharPage::CNew_Click, &CharPage::CahrHelp_Click);
    connect(m_modeButton, &QPushButton::clicked, this, &CharPage::c95mode_Click);
}

QSize CharPage::sourceCell() const
{
    return m_context.state.CharSelMode == 2 ? kRpg95Cell : kCharCell;
}

void CharPage::cPic1_Click() { m_copier->sourceClick(); }
void CharPage::cPic3_Click() { m_copier->targetClick(); }
void CharPage::cPic1_KeyDown(int keyCode, int shift) { m_copier->sourceKeyDown(keyCode, shift); }
void CharPage::cPic3_KeyDown(int keyCode, int shift) { m_copier->targetKeyDown(keyCode, shift); }
void CharPage::CharUpdateSourceSelection() { m_copier->updateSourceSelection(); }
void CharPage::CharUpdateTargetInsert() { m_copier->updateTargetInsert(); }
void CharPage::LoadQChar_Click() { m_files->loadSource(); }
void CharPage::SaveZChar_Click() { m_files->saveTarget(); }
void CharPage::LoadZChar_Click() { m_files->loadTarget(); }
void CharPage::CNew_Click() { m_files->newTemplate(); }
void CharPage::CahrHelp_Click() { openHelp(); }

void CharPage::c95mode_Click()
{
    // The selector's size says which mode is on; its corner stays where it is.
    RectShape &sel = *m_controls.selector;
    if (sel.width() == 24 && sel.height() == 32) {
        sel.setWidth(32);
        sel.setHeight(32);
        m_context.state.CharSelMode = 2;
        m_modeButton->setText(kModeOn);
    } else if (sel.width() == 32 && sel.height() == 32) {
        sel.setWidth(24);
        sel.setHeight(32);
        m_context.state.CharSelMode = 1;
        m_modeButton->setText(kModeOff);
    }
    m_copier->updateSourceSelection();
}
