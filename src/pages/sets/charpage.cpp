#include "charpage.h"

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

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace {

const QString kModeOff = QStringLiteral("RPG95 Char Konvertor Aus");
const QString kModeOn = QStringLiteral("RPG95 Char Konvertor An");

// The target always works in RPG2K char cells.
constexpr QSize kCharCell(24, 32);
const QPoint kCharMax(264, 224);

} // namespace

CharPage::CharPage(QWidget *page, PageContext &context)
    : QObject(page)
    , m_context(context)
{
    CellCopierControls c;

    c.source = makeView(page, QStringLiteral("cPic1"), 16, 32, 288, 256);
    // The source shows the window colour where it has no picture, also after
    // the window's colours change.
    c.source->setBackgroundColor(page->palette().color(QPalette::Window));
    m_source = c.source;
    m_source->installEventFilter(this);
    m_selector = c.source->addShape(QStringLiteral("csel"), 0, 0, 24, 32);
    c.selector = m_selector;

    c.target = makeView(page, QStringLiteral("cPic3"), 16, 296, 288, 256);
    c.target->setBackgroundColor(Qt::white);
    try {
        c.target->setPicture(LoadResPicture(103));
    } catch (const PictureError &) {
        // Without its template the target starts empty; "Neue Vorlage" says why.
    }
    c.insertFrame = c.target->addShape(QStringLiteral("cins"), 0, 0, 24, 32);

    QGroupBox *sourceFrame = makeFrame(page, QStringLiteral("Frame3"), QStringLiteral("Quellbild"),
                                       312, 32, 169, 257);
    c.sourceColumn = makeLabel(sourceFrame, QStringLiteral("ccor1"), QStringLiteral("1"), 16, 24, 33, 17);
    c.sourceRow = makeLabel(sourceFrame, QStringLiteral("ccor2"), QStringLiteral("1"), 56, 24, 49, 17);
    c.sourceHolder = makeView(sourceFrame, QStringLiteral("cPic2"), 16, 48, 97, 97);
    c.sourceHolder->hide();
    c.sourcePreview = makeStretchImage(sourceFrame, QStringLiteral("cimg1"), 16, 48, 97, 97);
    QPushButton *loadSource = makeButton(sourceFrame, QStringLiteral("LoadQChar"),
                                         QStringLiteral("Quellbild laden"),
                                         QStringLiteral("Ladet ein vorhandenes Charset"),
                                         16, 152, 97, 25);
    QPushButton *help = makeButton(sourceFrame, QStringLiteral("CahrHelp"), QStringLiteral("Hilfe (!)"),
                                   QStringLiteral("Öffnet das Hilfe-Fenster"), 16, 184, 97, 25);
    m_modeButton = makeButton(sourceFrame, QStringLiteral("c95mode"), kModeOff,
                              QStringLiteral("Stellt das Selection-Kästchen auf das RPG95 Format um"),
                              8, 216, 153, 25);

    QGroupBox *targetFrame = makeFrame(page, QStringLiteral("Frame4"), QStringLiteral("Zielbild"),
                                       312, 296, 169, 257);
    c.targetColumn = makeLabel(targetFrame, QStringLiteral("ckor1"), QStringLiteral("1"), 16, 24, 33, 17);
    c.targetRow = makeLabel(targetFrame, QStringLiteral("ckor2"), QStringLiteral("1"), 56, 24, 41, 17);
    // The visible target preview: the stretched cell goes straight into it.
    c.targetHolder = makeView(targetFrame, QStringLiteral("cPic4"), 16, 48, 81, 97);
    c.targetHolder->setBorder(true);
    QPushButton *save = makeButton(targetFrame, QStringLiteral("SaveZChar"),
                                   QStringLiteral("Zielbild speichern"),
                                   QStringLiteral("Speichert das Charset ab"), 16, 152, 97, 25);
    QPushButton *loadTarget = makeButton(targetFrame, QStringLiteral("LoadZChar"),
                                         QStringLiteral("Zielbild laden"),
                                         QStringLiteral("Ladet ein vorhandenes Charset"),
                                         16, 184, 97, 25);
    QPushButton *fresh = makeButton(targetFrame, QStringLiteral("CNew"), QStringLiteral("Neue Vorlage"),
                                    QStringLiteral("Ladet eine neue Char-Vorlage"), 16, 216, 97, 25);

    c.sourceClip = new PictureClip(this);
    c.sourceClip->setObjectName(QStringLiteral("cpiclip1"));
    c.targetClip = new PictureClip(this);
    c.targetClip->setObjectName(QStringLiteral("cpiclip2"));

    CellCopierNumbers n;
    n.sourceStep = [this] { return sourceCell(); };
    n.targetStep = kCharCell;
    n.sourceMax = kCharMax;
    n.targetMax = kCharMax;
    n.sourceClipSize = [this] { return sourceCell(); };
    n.targetClipSize = [] { return kCharCell; };
    // An RPG95 figure is squeezed into the RPG2K cell.
    n.pasteSize = kCharCell;
    m_copier = new CellCopier(c, std::move(n), this);

    SheetFilesSetup files;
    files.source = c.source;
    files.sourceClip = c.sourceClip;
    files.runSourceUpdate = [this] { m_copier->runSourceSelection(); };
    files.target = c.target;
    files.targetClip = c.targetClip;
    files.templateId = 103;
    files.loadSourceDialog = new FileDialog(QStringLiteral("DCharQLoad"),
                                            QStringLiteral("Quellbild laden"), QString(),
                                            QString(), this);
    files.saveDialog = new FileDialog(QStringLiteral("DCharZSave"), QStringLiteral("Zielbild speichern"),
                                      QStringLiteral("*.bmp"), QString(), this);
    files.loadTargetDialog = new FileDialog(QStringLiteral("DCharZLoad"),
                                            QStringLiteral("Zielbild laden"), QString(),
                                            QString(), this);
    files.loadSourceMessage = QStringLiteral("Die Datei kann leider nicht geladen werden !");
    files.loadTargetMessage = files.loadSourceMessage;
    files.templateMessage = QStringLiteral("Kann Datei nicht finden: vorlage2.bmp");
    m_files = new SheetFiles(context.dialogs, std::move(files), this);

    // The copier itself answers the clicks on the two views.
    connect(c.source, &PictureView::keyDown, this, &CharPage::cPic1_KeyDown);
    connect(c.target, &PictureView::keyDown, this, &CharPage::cPic3_KeyDown);
    connect(m_modeButton, &QPushButton::clicked, this, &CharPage::c95mode_Click);
    connect(loadSource, &QPushButton::clicked, this, &CharPage::LoadQChar_Click);
    connect(help, &QPushButton::clicked, this, &CharPage::CahrHelp_Click);
    connect(save, &QPushButton::clicked, this, &CharPage::SaveZChar_Click);
    connect(loadTarget, &QPushButton::clicked, this, &CharPage::LoadZChar_Click);
    connect(fresh, &QPushButton::clicked, this, &CharPage::CNew_Click);
}

bool CharPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_source && event->type() == QEvent::PaletteChange)
        m_source->setBackgroundColor(m_source->palette().color(QPalette::Window));
    return QObject::eventFilter(watched, event);
}

QSize CharPage::sourceCell() const
{
    return m_context.state.CharSelMode == 2 ? QSize(32, 32) : kCharCell;
}

void CharPage::cPic1_Click()
{
    m_copier->sourceClick();
}

void CharPage::cPic3_Click()
{
    m_copier->targetClick();
}

void CharPage::cPic1_KeyDown(int keyCode, int shift)
{
    m_copier->sourceKeyDown(keyCode, shift);
}

void CharPage::cPic3_KeyDown(int keyCode, int shift)
{
    m_copier->targetKeyDown(keyCode, shift);
}

void CharPage::CharUpdateSourceSelection()
{
    m_copier->updateSourceSelection();
}

void CharPage::CharUpdateTargetInsert()
{
    m_copier->updateTargetInsert();
}

void CharPage::c95mode_Click()
{
    // The selector's size says which mode is on; its corner stays where it is.
    if (m_selector->width() == 24 && m_selector->height() == 32) {
        m_selector->setWidth(32);
        m_selector->setHeight(32);
        m_context.state.CharSelMode = 2;
        m_modeButton->setText(kModeOn);
    } else if (m_selector->width() == 32 && m_selector->height() == 32) {
        m_selector->setWidth(24);
        m_selector->setHeight(32);
        m_context.state.CharSelMode = 1;
        m_modeButton->setText(kModeOff);
    }
    m_copier->updateSourceSelection();
}

void CharPage::LoadQChar_Click()
{
    m_files->loadSource();
}

void CharPage::SaveZChar_Click()
{
    m_files->saveTarget();
}

void CharPage::LoadZChar_Click()
{
    m_files->loadTarget();
}

void CharPage::CNew_Click()
{
    m_files->newTemplate();
}

void CharPage::CahrHelp_Click()
{
    if (m_context.openHelp)
        m_context.openHelp();
}
