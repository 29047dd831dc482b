#include "facepage.h"

namespace {

constexpr QSize kFaceCell(48, 48);
const QPoint kFaceMax(144, 144);

const SetPageLayout kLayout = {
    {"fpic1", 16, 56, 192, 192}, {"fpic3", 16, 288, 192, 192},
    "fsel", kFaceCell, "fins", kFaceCell,
    {"Frame5", 224, 48, 209, 225},
    {"fcor1", 24, 24, 25, 17}, {"fcor2", 64, 24, 41, 17},
    {"fpic2", 24, 48, 96, 96}, {"fimg1", 24, 48, 97, 97},
    {{"LoadQFace", 24, 160, 97, 25}, "Quellbild laden", "Ladet ein vorhandenes Faceset"},
    {{"faceHelp", 24, 192, 97, 25}, "Hilfe (!)", "Öffnet das Hilfe-Fenster"},
    {"Frame6", 224, 280, 209, 265},
    {"fkor1", 24, 24, 25, 17}, {"fkor2", 64, 24, 41, 17},
    {"fpic4", 24, 48, 96, 96}, {nullptr, 0, 0, 0, 0},
    {{"SaveZFace", 24, 160, 97, 25}, "Zielbild speichern", "Speichert das neue Faceset ab"},
    {{"LoadZFace", 24, 192, 97, 25}, "Zielbild laden", "Ladet ein vorhandenes Faceset"},
    {{"fNew", 24, 224, 97, 25}, "Neue Vorlage", "Ladet eine neue Faceset-Vorlage"},
    "fpicclip1", "fpicclip2",
    "dLoadQface", "DSaveZFace", "DLoadZFace", "*bmp", nullptr,
    104, "Die Datei kann leider nicht geladen werden !",
    "Die Datei kann leider nicht geladen werden !", "Kann Datei nicht finden: vorlage3.bmp",
};

} // namespace

FacePage::FacePage(QWidget *page, PageContext &context)
    : SetPage(page, context, kLayout)
{
    CellCopierNumbers numbers;
    numbers.sourceStep = [] { return kFaceCell; };
    numbers.targetStep = kFaceCell;
    numbers.sourceMax = kFaceMax;
    numbers.targetMax = kFaceMax;
    numbers.sourceClipSize = [] { return kFaceCell; };
    numbers.targetClipSize = [] { return kFaceCell; };
    startCopier(std::move(numbers));

    connectHandlers(this, &FacePage::fpic1_Click, &FacePage::fpic3_Click, &FacePage::fpic1_KeyDown,
                    &FacePage::fpic3_KeyDown, &FacePage::LoadQFace_Click, &FacePage::SaveZFace_Click,
                    &FacePage::LoadZFace_Click, &FacePage::fNew_Click, &FacePage::faceHelp_Click);
}

void FacePage::fpic1_Click() { m_copier->sourceClick(); }
void FacePage::fpic3_Click() { m_copier->targetClick(); }
void FacePage::fpic1_KeyDown(int keyCode, int shift) { m_copier->sourceKeyDown(keyCode, shift); }
void FacePage::fpic3_KeyDown(int keyCode, int shift) { m_copier->targetKeyDown(keyCode, shift); }
void FacePage::FaceUpdateSourceSelection() { m_copier->updateSourceSelection(); }
void FacePage::FaceUpdateTargetInsert() { m_copier->updateTargetInsert(); }
void FacePage::LoadQFace_Click() { m_files->loadSource(); }
void FacePage::SaveZFace_Click() { m_files->saveTarget(); }
void FacePage::LoadZFace_Click() { m_files->loadTarget(); }
void FacePage::fNew_Click() { m_files->newTemplate(); }
void FacePage::faceHelp_Click() { openHelp(); }
