#include "rpg95page.h"

#include "app/pagecontext.h"
#include "pages/pagecontrols.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/sizecycle.h"
#include "picture/stretchimage.h"

#include <QLabel>
#include <QPainter>

namespace {

constexpr QSize kCell(16, 16);
const QPoint kSelectorMax(112, 496);
const QPoint kInsertMax(464, 240);

// An RPG95 chip set is 256 x 1024 pixels, shown as four sections of
// 128 x 512: two columns, two rows, numbered like the map labels s1 .. s4.
constexpr QSize kWholeSet(256, 1024);
const QPoint kSectionCorner[4] = {{0, 0}, {128, 0}, {0, 512}, {128, 512}};

const QColor kOnView(255, 0, 0);
const QColor kOffView(255, 255, 255);

SetPageLayout rpg95Layout()
{
    SetPageLayout l{};
    l.source = {"rpic1", 48, 40, 128, 512};
    l.selector = "rsel";
    l.selectorSize = kCell;
    l.target = {"rpic3", 200, 40, 480, 256};
    l.insertFrame = "rins";
    l.insertFrameSize = kCell;
    l.templateId = 102;

    l.sourceFrame = {"Frame7", 264, 296, 257, 257};
    l.sourceFrameCaption = "Quelldatei";
    l.sourceColumn = {"rcor1", 16, 24, 41, 17};
    l.sourceRow = {"rcor2", 80, 24, 41, 17};
    l.sourceHolder = {"rpic2", 16, 48, 105, 105};
    l.sourcePreview = {"rimg1", 16, 48, 105, 105};
    l.loadSource = {{"CLoadQr", 16, 176, 105, 25}, "Quelldatei laden",
                    "Ladet ein vorhandenes RPG95 Chipset"};
    l.help = {{"chipkonvHelp", 136, 208, 105, 25}, "Hilfe (!)", "Öffnet das Hilfe-Fenster"};

    l.targetFrame = {"frame8", 528, 296, 145, 257};
    l.targetFrameCaption = "Zieldatei";
    l.targetColumn = {"rkor1", 16, 24, 49, 17};
    l.targetRow = {"rkor2", 80, 24, 41, 17};
    // No stretched image: the bordered holder is the target preview itself.
    l.targetHolder = {"rpic4", 16, 48, 105, 105};
    l.targetPreview = {nullptr, 0, 0, 0, 0};
    l.save = {{"SaveRChip", 16, 160, 105, 25}, "Zieldbild speichern",
              "Speichert das neue Chipset ab"};
    l.loadTarget = {{"LoadRChip", 16, 192, 105, 25}, "Zielbild laden",
                    "Ladet ein vorhandenes RPG2K Chipset"};
    l.newTemplate = {{"Rnew", 16, 224, 105, 25}, "Neue Vorlage",
                     "Ladet eine neue RPG2K Chipset-Vorlage"};

    l.sourceClip = "rpiclip1";
    l.targetClip = "rpiclip2";
    l.loadSourceDialog = "LoadQR";
    l.loadSourceTitle = "Quelldatei laden";
    l.saveDialog = "DSaveZR";
    l.saveFilter = "*.bmp";
    l.saveStartName = nullptr;
    l.loadTargetDialog = "dLoadZR";
    l.loadSourceMessage = "Die Datei kann leider nicht geladen werden !";
    l.loadTargetMessage = "Die Datei kann leider nicht geladen werden !";
    l.templateMessage = "Kann Datei nicht finden: vorlage.bmp";
    return l;
}

// A picture of another size than an RPG95 chip set is kept whole, grown on
// the right and at the bottom to at least 256 x 1024 in the colour of the
// empty section view: every section can then be cut, and the map never marks
// a section the view does not show. What lies beyond 256 x 1024 is never shown.
QImage paddedToWholeSet(const QImage &picture, const QColor &fill)
{
    const QSize size = picture.size().expandedTo(kWholeSet);
    if (size == picture.size())
        return picture;
    QImage whole(size, QImage::Format_RGB32);
    whole.fill(fill);
    QPainter painter(&whole);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, picture);
    return whole;
}

QLabel *mapLabel(QWidget *frame, const char *name, int x, int y)
{
    QLabel *label = makeLabel(frame, QString::fromLatin1(name), QString(), x, y, 33, 57);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace

Rpg95Page::Rpg95Page(QWidget *page, PageContext &context)
    : SetPage(page, context, rpg95Layout())
{
    // Never shown: it only carries the rectangle that says which section is cut.
    PictureView *sectionHolder = makeView(page, QStringLiteral("rtemppic"), 0, 40, 192, 192);
    sectionHolder->hide();
    m_sectionRect = sectionHolder->addShape(QStringLiteral("rtempsel"), 0, 0, 128, 512);
    m_sectionRect->setVisible(false);
    m_wholePicture = new PictureClip(this);
    m_wholePicture->setObjectName(QStringLiteral("tempclip"));

    m_map[0] = mapLabel(m_sourceFrame, "s1", 160, 40);
    m_map[1] = mapLabel(m_sourceFrame, "s2", 192, 40);
    m_map[2] = mapLabel(m_sourceFrame, "s3", 160, 96);
    m_map[3] = mapLabel(m_sourceFrame, "s4", 192, 96);
    showOnMap(0);

    m_switch = makeButton(m_sourceFrame, QStringLiteral("wechseln"),
                          QStringLiteral("Sektion wechseln"),
                          QStringLiteral("Wechselt zur nächsten Sektion des momentan geladenen RPG95 Chipset"),
                          136, 176, 105, 25);
    m_switch->setEnabled(false);
    QPushButton *sizeButton = makeButton(m_sourceFrame, QStringLiteral("rselgr"),
                                         QStringLiteral("Sel-Grösse ändern"),
                                         QStringLiteral("Ändert die Grösse des Selection-Kästchens"),
                                         16, 208, 105, 25);

    // The source preview carries a thin border; the target preview is the
    // bordered view itself.
    m_controls.sourcePreview->setBorder(true);

    PageState &state = context.state;
    const auto clipSize = [&state] { return sizeForMode(rpg95SizeCycle(), state.RSelSize); };
    CellCopierNumbers numbers;
    numbers.sourceStep = [] { return kCell; };
    numbers.targetStep = kCell;
    numbers.sourceMax = kSelectorMax;
    numbers.targetMax = kInsertMax;
    numbers.sourceClipSize = clipSize;
    numbers.targetClipSize = clipSize;
    startCopier(std::move(numbers), [this] { RInitLoadedSource(); });

    connectHandlers(this, &Rpg95Page::rpic1_Click, &Rpg95Page::rpic3_Click,
                    &Rpg95Page::rpic1_KeyDown, &Rpg95Page::rpic3_KeyDown,
                    &Rpg95Page::CLoadQr_Click, &Rpg95Page::SaveRChip_Click,
                    &Rpg95Page::LoadRChip_Click, &Rpg95Page::Rnew_Click,
                    &Rpg95Page::chipkonvHelp_Click);
    connect(m_switch, &QPushButton::clicked, this, &Rpg95Page::wechseln_Click);
    connect(sizeButton, &QPushButton::clicked, this, &Rpg95Page::rselgr_Click);
}

void Rpg95Page::rpic1_Click() { m_copier->sourceClick(); }
void Rpg95Page::rpic3_Click() { m_copier->targetClick(); }
void Rpg95Page::rpic1_KeyDown(int keyCode, int shift) { m_copier->sourceKeyDown(keyCode, shift); }
void Rpg95Page::rpic3_KeyDown(int keyCode, int shift) { m_copier->targetKeyDown(keyCode, shift); }
void Rpg95Page::RUpdateSourceSelection() { m_copier->updateSourceSelection(); }
void Rpg95Page::RUpdateTargetInsert() { m_copier->updateTargetInsert(); }
void Rpg95Page::SaveRChip_Click() { m_files->saveTarget(); }
void Rpg95Page::LoadRChip_Click() { m_files->loadTarget(); }
void Rpg95Page::Rnew_Click() { m_files->newTemplate(); }
void Rpg95Page::chipkonvHelp_Click() { openHelp(); }

// The file goes into the section view whole; RInitLoadedSource then keeps it
// and shows its first section. A load that fails changes nothing.
void Rpg95Page::CLoadQr_Click() { m_files->loadSource(); }

void Rpg95Page::RInitLoadedSource()
{
    try {
        m_switch->setEnabled(true);
        showOnMap(1);
        m_sectionRect->setLeft(0);
        m_sectionRect->setTop(0);
        PictureView &view = *m_controls.source;
        m_wholePicture->setPicture(paddedToWholeSet(view.picture(), view.backgroundColor()));
        cutSection();
        m_context.state.RSection = 1;
        m_controls.sourceClip->setPicture(view.picture());
        updateSourceOfNewSection();
    } catch (const PictureError &) {
    }
}

void Rpg95Page::wechseln_Click()
{
    std::optional<qint16> &section = m_context.state.RSection;
    // Nothing loaded yet: there is no section to go on to.
    if (!section)
        return;
    *section += 1;
    const int next = *section;
    if (next >= 1 && next <= 4) {
        const QPoint corner = kSectionCorner[next - 1];
        m_sectionRect->setLeft(corner.x());
        m_sectionRect->setTop(corner.y());
        showOnMap(next);
    }
    // The count runs 1, 2, 3, 0: the switch after section 4 shows section 1.
    if (next == 4)
        *section = 0;
    try {
        cutSection();
        m_controls.sourceClip->setPicture(m_controls.source->picture());
        updateSourceOfNewSection();
    } catch (const PictureError &) {
    }
}

void Rpg95Page::rselgr_Click()
{
    stepSize(*m_controls.selector, rpg95SizeCycle(), &m_context.state.RSelSize);
    stepSize(*m_controls.insertFrame, rpg95SizeCycle(), nullptr);
    RUpdateSourceSelection();
}

// The source update of a load and a switch. Where the selector reaches past
// the section, the source clip keeps the rectangle of its last good cut: the
// preview then shows that piece of the new section, which is what Enter pastes.
void Rpg95Page::updateSourceOfNewSection()
{
    try {
        m_copier->runSourceSelection();
        return;
    } catch (const PictureError &) {
    }
    try {
        m_copier->cutSourcePreview();
    } catch (const PictureError &) {
        // No good cut yet: the preview stays as it was.
    }
}

void Rpg95Page::cutSection()
{
    PictureClip &whole = *m_wholePicture;
    const RectShape &rect = *m_sectionRect;
    whole.setClipX(qRound(rect.left()));
    whole.setClipY(qRound(rect.top()));
    whole.setClipHeight(qRound(rect.height()));
    whole.setClipWidth(qRound(rect.width()));
    m_controls.source->setPicture(whole.Clip());
}

void Rpg95Page::showOnMap(int section)
{
    for (int i = 0; i < 4; ++i) {
        const QColor colour = i + 1 == section ? kOnView : kOffView;
        QPalette pal = m_map[i]->palette();
        if (pal.color(QPalette::Window) == colour)
            continue;
        pal.setColor(QPalette::Window, colour);
        m_map[i]->setPalette(pal);
    }
}
