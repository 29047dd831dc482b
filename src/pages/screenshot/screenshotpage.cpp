#include "screenshotpage.h"

#include "app/pagecontext.h"
#include "app/tabcontrol.h"
#include "pages/pagecontrols.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/sheetfiles.h"
#include "picture/sizecycle.h"
#include "picture/stretchimage.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <cmath>

namespace {

// The viewport's size: the scroll bounds are counted from it.
constexpr int kViewportWidth = 489;
constexpr int kViewportHeight = 457;
constexpr int kScrollStep = 20;
constexpr int kCursorStep = 10;

const QString kLoadMessage = QStringLiteral("Die Datei kann leider nicht geladen werden !");

// The erase blocks, stepped by "Sel-Grösse ändern": the mode a row writes
// names the block size of its `to`.
const SizeCycle &eraseBlocks()
{
    static const SizeCycle cycle = {
        {QSize(10, 10), QSize(20, 20), 1},
        {QSize(20, 20), QSize(30, 30), 2},
        {QSize(30, 30), QSize(40, 40), 3},
        {QSize(40, 40), QSize(10, 10), 4},
    };
    return cycle;
}

// A picture coordinate as the clip takes it: rounded, halves to the even
// neighbour. Anything beyond the 16-bit coordinates counts as a refused cut,
// so that a huge or broken selector size never wraps round into a valid one.
int wholePixel(double value)
{
    const double whole = std::nearbyint(value);
    if (!std::isfinite(whole) || whole < -32768 || whole > 32767)
        throw PictureError(QStringLiteral("the rectangle is outside the picture coordinates"));
    return int(whole);
}

int roundedPixel(double value)
{
    return int(std::lround(value));
}

// A tall, narrow button whose caption is shown wrapped at its blanks, one
// word a line. The caption itself is kept as given.
class WrappedCaptionButton : public QPushButton
{
public:
    WrappedCaptionButton(const QString &caption, QWidget *parent, const QRect &place)
        : QPushButton(caption, parent)
    {
        setGeometry(place);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(rect(), Qt::AlignCenter, captionLines(this).join(QLatin1Char('\n')));
    }
};

// A plain rectangle outline drawn inside its own bounds, letting the mouse
// through to what lies beneath.
class OutlineShape : public QWidget
{
public:
    OutlineShape(QWidget *parent, const QColor &colour, int penWidth)
        : QWidget(parent), m_colour(colour), m_penWidth(penWidth)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect r = rect();
        for (int i = 0; i < m_penWidth; ++i) {
            painter.setPen(m_colour);
            painter.drawRect(r.adjusted(i, i, -1 - i, -1 - i));
        }
    }

private:
    QColor m_colour;
    int m_penWidth;
};

QWidget *makeOutline(QWidget *parent, const QString &name, const QColor &colour, int penWidth,
                     int x, int y, int w, int h)
{
    auto *shape = new OutlineShape(parent, colour, penWidth);
    shape->setObjectName(name);
    shape->setGeometry(x, y, w, h);
    return shape;
}

QPushButton *makeScrollButton(QWidget *parent, const QString &name, const QString &caption,
                              int x, int y, int w, int h)
{
    if (w >= h)
        return makeButton(parent, name, caption, QString(), x, y, w, h);
    auto *button = new WrappedCaptionButton(caption, parent, QRect(x, y, w, h));
    button->setObjectName(name);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QLineEdit *makeTextBox(QWidget *parent, const QString &name, const QString &text,
                       const QString &toolTip, int x, int y, int w, int h)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setToolTip(toolTip);
    box->setGeometry(x, y, w, h);
    return box;
}

PictureClip *makeClip(QObject *parent, const QString &name)
{
    auto *clip = new PictureClip(parent);
    clip->setObjectName(name);
    return clip;
}

PictureView *makeViewAt(QWidget *parent, const QString &name, const QRect &place)
{
    return makeView(parent, name, place.x(), place.y(), place.width(), place.height());
}

} // namespace

ScreenshotPage::ScreenshotPage(TabControl &innerTabs, PageContext &context,
                               const ScreenshotTwin &twin)
    : QObject(&innerTabs)
    , m_context(context)
    , m_twin(twin)
{
    buildSourcePage(innerTabs.page(0));
    buildTargetPage(innerTabs.page(1));
    buildEditor(innerTabs.page(1));

    // The free selector is this page's own (runSourceUpdate); the copier
    // serves the sheet side and the paste.
    CellCopierNumbers numbers;
    numbers.targetStep = twin.cell;
    numbers.targetMax = twin.insertMax;
    numbers.targetClipSize = [cell = twin.cell] { return cell; };
    // Whatever its proportions, the piece is squeezed into one cell.
    numbers.pasteSize = twin.cell;
    m_copier = new CellCopier(m_controls, std::move(numbers), this);

    SheetFilesSetup files;
    files.source = m_controls.source;
    files.sourceClip = m_controls.sourceClip;
    files.runSourceUpdate = [this] { runSourceUpdate(); };
    files.target = m_controls.target;
    files.targetClip = m_controls.targetClip;
    files.templateId = twin.templateId;
    files.loadSourceDialog = new FileDialog(twin.loadSourceDialog, QStringLiteral("Quellbild laden"),
                                            QString(), QString(), this);
    files.saveDialog = new FileDialog(twin.saveDialog, QStringLiteral("Zielbild speichern"),
                                      QStringLiteral("*.bmp"), QString(), this);
    files.loadTargetDialog = new FileDialog(twin.loadTargetDialog, QStringLiteral("Zielbild laden"),
                                            QString(), QString(), this);
    files.loadSourceMessage = kLoadMessage;
    files.loadTargetMessage = kLoadMessage;
    files.templateMessage = twin.templateMessage;
    m_files = new SheetFiles(context.dialogs, files, this);

    connectHandlers();
}

void ScreenshotPage::buildSourcePage(QWidget *page)
{
    const ScreenshotTwin &t = m_twin;
    CellCopierControls &c = m_controls;

    // The viewport shows only what of the screenshot view lies inside it.
    PictureView *viewport = makeView(page, t.viewport, 24, 48, kViewportWidth, kViewportHeight);
    viewport->setBackgroundColor(QColor(255, 0, 0));
    viewport->setFocusPolicy(Qt::NoFocus);
    c.source = makeView(viewport, t.sourceView, 0, 0, kViewportWidth, kViewportHeight);
    c.source->setBackgroundColor(page->palette().color(QPalette::Base));
    c.source->setAutoSize(true);
    // The view and the source clip share the one copy of the screenshot.
    c.source->setDrawingSurface(false);
    c.selector = c.source->addShape(t.selector, 0, 0, 16, 16);

    m_rauf = makeScrollButton(page, t.rauf, QStringLiteral("rauf"), 152, 32, 201, 17);
    m_runter = makeScrollButton(page, t.runter, QStringLiteral("runter"), 160, 504, 201, 17);
    m_links = makeScrollButton(page, t.links, QStringLiteral("l  i nks"), 8, 184, 17, 145);
    m_rechts = makeScrollButton(page, t.rechts, QStringLiteral("r ech t s"), 512, 176, 17, 145);
    // One condensed font for all four, small enough for the narrow ones.
    QFont condensed = page->font();
    condensed.setStretch(QFont::Condensed);
    fitCaptions({m_rauf, m_runter, m_links, m_rechts}, condensed);

    QGroupBox *frame = makeFrame(page, t.sourceFrame, QStringLiteral("Quellbild"), 536, 32, 145, 497);
    m_scroller = new QTimer(frame);
    m_scroller->setObjectName(t.scrollTimer);
    m_scroller->setInterval(100);

    c.sourceColumn = makeLabel(frame, t.leftLabel, QStringLiteral("1"), 24, 24, 49, 17);
    c.sourceRow = makeLabel(frame, t.topLabel, QStringLiteral("1"), 88, 24, 41, 17);
    c.sourceHolder = makeView(frame, t.sourceHolder, 24, 48, 105, 105);
    c.sourceHolder->hide();
    c.sourcePreview = makeStretchImage(frame, t.sourcePreview, 24, 48, 105, 105);
    m_loadSource = makeButton(frame, t.loadSource, QStringLiteral("Quellbild laden"),
                              t.loadSourceTip, 24, 168, 105, 25);

    // An etched outline: the white line under the grey one, one pixel apart.
    makeOutline(frame, t.etchedWhite, Qt::white, 2, 8, 216, 129, 121);
    makeOutline(frame, t.etchedGrey, QColor(128, 128, 128), 1, 7, 215, 129, 121);
    makeLabel(frame, t.sizeHeading, QStringLiteral("Selection Grösse:"), 24, 224, 97, 17);
    const QString sizeTip = QStringLiteral("Ändert die Grösse des Selektion-Kästchens");
    m_widthBox = makeTextBox(frame, t.widthBox, QStringLiteral("16"), sizeTip, 24, 256, 73, 19);
    m_widthPlus = makeButton(frame, t.widthPlus, QStringLiteral("+"), QString(), 104, 248, 25, 13);
    m_widthMinus = makeButton(frame, t.widthMinus, QStringLiteral("-"), QString(), 104, 264, 25, 13);
    m_heightBox = makeTextBox(frame, t.heightBox, QStringLiteral("16"), sizeTip, 24, 288, 73, 19);
    m_heightPlus = makeButton(frame, t.heightPlus, QStringLiteral("+"), QString(), 104, 288, 25, 13);
    m_heightMinus = makeButton(frame, t.heightMinus, QStringLiteral("-"), QString(), 104, 304, 25, 13);
    m_help = makeButton(frame, t.help, QStringLiteral("Hilfe (!)"),
                        QStringLiteral("Öffnet das Hilfe-Fenster"), 24, 352, 105, 25);

    c.sourceClip = makeClip(this, t.sourceClip);
}

void ScreenshotPage::buildTargetPage(QWidget *page)
{
    const ScreenshotTwin &t = m_twin;
    CellCopierControls &c = m_controls;

    c.target = makeViewAt(page, t.targetView, t.targetViewPlace);
    c.insertFrame = c.target->addShape(t.insertFrame, 0, 0, t.cell.width(), t.cell.height());
    try {
        c.target->setPicture(LoadResPicture(t.templateId));
    } catch (const PictureError &) {
        // Without its template the sheet starts empty; "Neue Vorlage" says why.
    }

    const QRect &fp = t.targetFramePlace;
    QGroupBox *frame = makeFrame(page, t.targetFrame, QStringLiteral("Zielbild"),
                                 fp.x(), fp.y(), fp.width(), fp.height());
    const QRect &col = t.columnLabelPlace;
    const QRect &row = t.rowLabelPlace;
    c.targetColumn = makeLabel(frame, t.columnLabel, QStringLiteral("1"),
                               col.x(), col.y(), col.width(), col.height());
    c.targetRow = makeLabel(frame, t.rowLabel, QStringLiteral("1"),
                            row.x(), row.y(), row.width(), row.height());
    // The preview is the holder view itself, borderless.
    c.targetHolder = makeViewAt(frame, t.targetPreview, QRect(QPoint(24, 48), t.targetPreviewSize));
    c.targetHolder->setBackgroundColor(page->palette().color(QPalette::Window));
    m_save = makeButton(frame, t.save, QStringLiteral("Zielbild speichern"), t.saveTip,
                        24, 160, 105, 25);
    m_loadTarget = makeButton(frame, t.loadTarget, QStringLiteral("Zielbild laden"),
                              t.loadTargetTip, 24, 192, 105, 25);
    m_newTemplate = makeButton(frame, t.newTemplate, QStringLiteral("Neue Vorlage"),
                               t.newTemplateTip, t.newTemplatePos.x(), t.newTemplatePos.y(), 105, 25);

    c.targetClip = makeClip(this, t.targetClip);
    m_editorClip = makeClip(this, t.editorClip);
}

void ScreenshotPage::buildEditor(QWidget *page)
{
    const ScreenshotTwin &t = m_twin;
    const QRect &fp = t.editorFramePlace;
    QGroupBox *frame = makeFrame(page, t.editorFrame, t.editorCaption,
                                 fp.x(), fp.y(), fp.width(), fp.height());

    m_editor = makeViewAt(frame, t.editorView, t.editorViewPlace);
    m_editor->setBackgroundColor(page->palette().color(QPalette::Base));
    m_cursor = m_editor->addShape(t.cursor, 0, 0, 10, 10);
    m_acceptRect = m_editor->addShape(t.acceptRect, 0, 0, t.editorViewPlace.width(),
                                      t.editorViewPlace.height());
    m_acceptRect->setVisible(false);

    // The swatch holds the blank sheet; erase blocks are cut from its corner.
    m_swatch = makeView(frame, t.swatch, t.swatchPos.x(), t.swatchPos.y(), 65, 57);
    m_swatch->hide();
    try {
        m_swatch->setPicture(LoadResPicture(t.templateId));
    } catch (const PictureError &) {
        // Without it there is nothing to erase with; Enter then paints nothing.
    }
    m_swatchRect = m_swatch->addShape(t.swatchRect, 0, 0, 10, 10);

    m_sizeButton = makeButton(frame, t.sizeButton, QStringLiteral("Sel-Grösse ändern"),
                              QStringLiteral("Ändert die Grösse des Selection-Kästchens"),
                              t.sizeButtonPos.x(), t.sizeButtonPos.y(), 137, 25);
    m_acceptButton = makeButton(frame, t.acceptButton, QStringLiteral("Änderung aktzeptieren"),
                                QStringLiteral("Änderung in das Zielbild einfügen"),
                                t.acceptButtonPos.x(), t.acceptButtonPos.y(), 137, 25);

    m_brushClip = makeClip(this, t.brushClip);
    m_acceptClip = makeClip(this, t.acceptClip);
}

void ScreenshotPage::connectHandlers()
{
    const CellCopierControls &c = m_controls;
    // The scroll buttons answer the mouse only, any of its buttons.
    for (QPushButton *button : {m_rauf, m_runter, m_rechts, m_links})
        button->installEventFilter(this);
    connect(m_scroller, &QTimer::timeout, this, &ScreenshotPage::sscroller_Timer);

    connect(c.source, &PictureView::clicked, this, &ScreenshotPage::spic1_Click);
    connect(c.source, &PictureView::mouseDown, this, &ScreenshotPage::spic1_MouseDown);
    connect(c.source, &PictureView::keyDown, this, &ScreenshotPage::spic1_KeyDown);
    connect(m_widthPlus, &QPushButton::clicked, this, &ScreenshotPage::lplus_Click);
    connect(m_widthMinus, &QPushButton::clicked, this, &ScreenshotPage::lminus_Click);
    connect(m_heightPlus, &QPushButton::clicked, this, &ScreenshotPage::tplus_Click);
    connect(m_heightMinus, &QPushButton::clicked, this, &ScreenshotPage::tminus_Click);

    connect(c.target, &PictureView::clicked, this, &ScreenshotPage::spic3_Click);
    connect(c.target, &PictureView::keyDown, this, &ScreenshotPage::spic3_KeyDown);
    connect(m_editor, &PictureView::keyDown, this, &ScreenshotPage::spic5_KeyDown);
    connect(m_sizeButton, &QPushButton::clicked, this, &ScreenshotPage::sselgr_Click);
    connect(m_acceptButton, &QPushButton::clicked, this, &ScreenshotPage::sacept_Click);

    connect(m_loadSource, &QPushButton::clicked, this, &ScreenshotPage::cLoadQs_Click);
    connect(m_save, &QPushButton::clicked, this, &ScreenshotPage::cSaveZS_Click);
    connect(m_loadTarget, &QPushButton::clicked, this, &ScreenshotPage::cLoadZS_Click);
    connect(m_newTemplate, &QPushButton::clicked, this, &ScreenshotPage::snew_Click);
    connect(m_help, &QPushButton::clicked, this, &ScreenshotPage::chipscrennHelp_Click);
}

bool ScreenshotPage::eventFilter(QObject *watched, QEvent *event)
{
    struct ScrollButton { QPushButton *button; void (ScreenshotPage::*down)(); void (ScreenshotPage::*up)(); };
    const ScrollButton buttons[] = {
        {m_rauf, &ScreenshotPage::rauf_MouseDown, &ScreenshotPage::rauf_MouseUp},
        {m_runter, &ScreenshotPage::runter_MouseDown, &ScreenshotPage::runter_MouseUp},
        {m_rechts, &ScreenshotPage::rechts_MouseDown, &ScreenshotPage::rechts_MouseUp},
        {m_links, &ScreenshotPage::links_MouseDown, &ScreenshotPage::links_MouseUp},
    };
    const QEvent::Type type = event->type();
    const bool press = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    if (!press && type != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    for (const ScrollButton &b : buttons) {
        if (watched != b.button)
            continue;
        (this->*(press ? b.down : b.up))();
        // The left button still shows the button pressed; the others go no
        // further than here.
        return static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton;
    }
    return QObject::eventFilter(watched, event);
}

// Scrolling ------------------------------------------------------------------

void ScreenshotPage::startScrolling(const QString &word)
{
    m_context.state.*m_twin.scrollDirection = word;
    m_scroller->start();
}

void ScreenshotPage::rauf_MouseDown() { startScrolling(QStringLiteral("rauf")); }
void ScreenshotPage::runter_MouseDown() { startScrolling(QStringLiteral("runter")); }
void ScreenshotPage::rechts_MouseDown() { startScrolling(QStringLiteral("rechts")); }
void ScreenshotPage::links_MouseDown() { startScrolling(QStringLiteral("links")); }
void ScreenshotPage::rauf_MouseUp() { m_scroller->stop(); }
void ScreenshotPage::runter_MouseUp() { m_scroller->stop(); }
void ScreenshotPage::rechts_MouseUp() { m_scroller->stop(); }
void ScreenshotPage::links_MouseUp() { m_scroller->stop(); }

void ScreenshotPage::sscroller_Timer()
{
    const QString &direction = m_context.state.*m_twin.scrollDirection;
    if (direction == QLatin1String("links"))
        SScrollSourceLeft();
    if (direction == QLatin1String("rechts"))
        SScrollSourceRight();
    if (direction == QLatin1String("rauf"))
        SScrollSourceUp();
    if (direction == QLatin1String("runter"))
        SScrollSourceDown();
}

// Each routine moves the view and keeps only its own bound; the picture is
// never touched.
void ScreenshotPage::SScrollSourceLeft()
{
    PictureView &view = *m_controls.source;
    int left = view.x() + kScrollStep;
    if (left > 0)
        left = 0;
    view.move(left, view.y());
}

void ScreenshotPage::SScrollSourceRight()
{
    PictureView &view = *m_controls.source;
    int left = view.x() - kScrollStep;
    const int limit = kViewportWidth - view.width();
    if (left < limit)
        left = limit;
    view.move(left, view.y());
}

void ScreenshotPage::SScrollSourceUp()
{
    PictureView &view = *m_controls.source;
    int top = view.y() + kScrollStep;
    if (top > 0)
        top = 0;
    view.move(view.x(), top);
}

void ScreenshotPage::SScrollSourceDown()
{
    PictureView &view = *m_controls.source;
    int top = view.y() - kScrollStep;
    const int limit = kViewportHeight - view.height();
    if (top < limit)
        top = limit;
    view.move(view.x(), top);
}

// The free selector ------------------------------------------------------------

void ScreenshotPage::spic1_Click()
{
    m_copier->sourceClick();
}

void ScreenshotPage::spic1_MouseDown(int, int, int x, int y)
{
    RectShape &sel = *m_controls.selector;
    sel.setLeft(x);
    sel.setTop(y);
    showSelectorPosition();
    fitSelector();
    SUpdateSourceSelection();
}

void ScreenshotPage::spic1_KeyDown(int keyCode, int)
{
    if (CellCopier::moveByArrow(*m_controls.selector, keyCode, QSize(1, 1)))
        SUpdateSourceSelection();
}

void ScreenshotPage::lplus_Click() { stepSelectorSize(m_widthBox, +1, true); }
void ScreenshotPage::lminus_Click() { stepSelectorSize(m_widthBox, -1, true); }
void ScreenshotPage::tplus_Click() { stepSelectorSize(m_heightBox, +1, false); }
void ScreenshotPage::tminus_Click() { stepSelectorSize(m_heightBox, -1, false); }

void ScreenshotPage::stepSelectorSize(QLineEdit *box, int delta, bool width)
{
    // A box that holds no finite number, or a plus that would give less than
    // one pixel, leaves box and selector as they are, silently. Any other
    // number is taken: a selector beyond the picture coordinates makes the
    // cut fail like any refused one, and a plus brings it back to 100.
    bool ok = false;
    const double typed = QLocale().toDouble(box->text().trimmed(), &ok);
    if (!ok || !std::isfinite(typed))
        return;
    double value = typed + delta;
    if (delta > 0 && value > 300)
        value = 100;
    if (delta < 0 && value < 1)
        value = 1;
    if (value < 1)
        return;
    box->setText(numberText(value));
    if (width)
        m_controls.selector->setWidth(value);
    else
        m_controls.selector->setHeight(value);
    SUpdateSourceSelection();
}

// Keeps the selector on the picture (the view's size); one larger than the
// picture ends with a negative Left or Top.
void ScreenshotPage::fitSelector()
{
    RectShape &sel = *m_controls.selector;
    const PictureView &view = *m_controls.source;
    if (sel.left() < 0)
        sel.setLeft(0);
    if (sel.top() < 0)
        sel.setTop(0);
    if (sel.left() + sel.width() > view.width())
        sel.setRight(view.width());
    if (sel.top() + sel.height() > view.height())
        sel.setBottom(view.height());
}

void ScreenshotPage::showSelectorPosition()
{
    m_controls.sourceColumn->setText(numberText(m_controls.selector->left()));
    m_controls.sourceRow->setText(numberText(m_controls.selector->top()));
}

void ScreenshotPage::SUpdateSourceSelection()
{
    try {
        runSourceUpdate();
    } catch (const PictureError &) {
        // The labels follow the selector; the preview keeps its picture.
    }
}

void ScreenshotPage::runSourceUpdate()
{
    fitSelector();
    showSelectorPosition();
    const RectShape &sel = *m_controls.selector;
    const int left = wholePixel(sel.left());
    const int top = wholePixel(sel.top());
    const int height = wholePixel(sel.height());
    const int width = wholePixel(sel.width());
    PictureClip &clip = *m_controls.sourceClip;
    clip.setClipX(left);
    clip.setClipY(top);
    clip.setClipHeight(height);
    clip.setClipWidth(width);
    m_controls.sourceHolder->setPicture(clip.Clip());
    m_controls.sourcePreview->setPicture(m_controls.sourceHolder->picture());
}

// The sheet --------------------------------------------------------------------

void ScreenshotPage::spic3_Click()
{
    m_copier->targetClick();
}

void ScreenshotPage::spic3_KeyDown(int keyCode, int)
{
    // Every key first folds what was painted into the sheet (an accepted
    // cell) into its picture, so that the clips below see it.
    flattenThroughDump(*m_controls.target);
    if (CellCopier::moveByArrow(*m_controls.insertFrame, keyCode, m_twin.cell))
        SUpdateTargetCell();
    else if (keyCode == 13)
        m_copier->paste();
}

void ScreenshotPage::SUpdateTargetCell()
{
    try {
        const QImage sheet = m_controls.target->picture();
        m_controls.targetClip->setPicture(sheet);
        m_editorClip->setPicture(sheet);
        // Clamp, labels and the preview, as on every other page.
        m_copier->runTargetInsert();

        const RectShape &ins = *m_controls.insertFrame;
        PictureClip &clip = *m_editorClip;
        clip.setClipX(wholePixel(ins.left()));
        clip.setClipY(wholePixel(ins.top()));
        clip.setClipHeight(m_twin.cell.height());
        clip.setClipWidth(m_twin.cell.width());
        clip.setStretchX(m_editor->scaleWidth());
        clip.setStretchY(m_editor->scaleHeight());
        m_editor->setPicture(clip.Clip());
    } catch (const PictureError &) {
    }
}

// The cell editor --------------------------------------------------------------

int ScreenshotPage::blockSize() const
{
    return sizeForMode(eraseBlocks(), m_context.state.*m_twin.eraseBlockMode).width();
}

void ScreenshotPage::spic5_KeyDown(int keyCode, int)
{
    if (CellCopier::moveByArrow(*m_cursor, keyCode, QSize(kCursorStep, kCursorStep))) {
        SClampEditCursor();
        return;
    }
    if (keyCode != 13)
        return;
    try {
        // The block takes the size of the mode now, whatever size the brush
        // was prepared for.
        const int size = blockSize();
        m_editor->PaintPicture(m_brushClip->Clip(), roundedPixel(m_cursor->left()),
                               roundedPixel(m_cursor->top()), size, size);
        flattenThroughDump(*m_editor);
    } catch (const PictureError &) {
        // No brush before the first arrow key: nothing is painted.
    }
}

void ScreenshotPage::SClampEditCursor()
{
    CellCopier::clamp(*m_cursor, m_twin.cursorMax);
    SUpdateEraseBrush();
}

void ScreenshotPage::SUpdateEraseBrush()
{
    const int size = blockSize();
    m_brushClip->setPicture(m_swatch->picture());
    m_brushClip->setClipX(roundedPixel(m_swatchRect->left()));
    m_brushClip->setClipY(roundedPixel(m_swatchRect->top()));
    m_brushClip->setClipHeight(size);
    m_brushClip->setClipWidth(size);
}

void ScreenshotPage::sselgr_Click()
{
    stepSize(*m_swatchRect, eraseBlocks(), &(m_context.state.*m_twin.eraseBlockMode));
    stepSize(*m_cursor, eraseBlocks(), nullptr);
}

void ScreenshotPage::sacept_Click()
{
    try {
        PictureClip &clip = *m_acceptClip;
        clip.setPicture(m_editor->picture());
        clip.setClipX(roundedPixel(m_acceptRect->left()));
        clip.setClipY(roundedPixel(m_acceptRect->top()));
        clip.setClipHeight(roundedPixel(m_acceptRect->height()));
        clip.setClipWidth(roundedPixel(m_acceptRect->width()));
        const QImage cell = clip.Clip();
        m_editor->setPicture(cell);
        // Into the sheet's drawing surface only: the next key in the sheet
        // folds it into the picture, and a save writes it right away.
        const RectShape &ins = *m_controls.insertFrame;
        m_controls.target->PaintPicture(cell, roundedPixel(ins.left()), roundedPixel(ins.top()),
                                        m_twin.cell.width(), m_twin.cell.height());
    } catch (const PictureError &) {
        if (!m_twin.acceptFailure.isEmpty())
            showMessage(m_context.dialogs, m_twin.acceptFailure);
    }
}

// Files and help -----------------------------------------------------------------

void ScreenshotPage::cLoadQs_Click() { m_files->loadSource(); }
void ScreenshotPage::cSaveZS_Click() { m_files->saveTarget(); }
void ScreenshotPage::cLoadZS_Click() { m_files->loadTarget(); }
void ScreenshotPage::snew_Click() { m_files->newTemplate(); }

void ScreenshotPage::chipscrennHelp_Click()
{
    if (m_context.openHelp)
        m_context.openHelp();
}
