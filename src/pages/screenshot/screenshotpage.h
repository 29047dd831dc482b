#pragma once

#include "screenshottwin.h"

#include "picture/cellcopier.h"

#include <QObject>

class PictureClip;
class PictureView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class RectShape;
class SheetFiles;
class StretchImage;
class TabControl;
struct PageContext;

// A screenshot cutter page ("Screenshot zu Chip" or "Screenshot zu Char"),
// spread over its inner tab control. "Quellbild": a screenshot of any size
// scrolled inside a fixed viewport, with a free selector in picture pixels.
// "Zielbild": the sheet, where Enter squeezes the selected piece into the cell
// under the insert frame, and a magnified cell editor that blanks parts of
// the cell with the template's colour and writes it back.
//
// The methods carry the chip page's names; the char page runs the same ones
// (see ScreenshotTwin for its names).
class ScreenshotPage : public QObject
{
    Q_OBJECT
public:
    ScreenshotPage(TabControl &innerTabs, PageContext &context, const ScreenshotTwin &twin);

public slots:
    // Scrolling ("Quellbild").
    void rauf_MouseDown();
    void runter_MouseDown();
    void rechts_MouseDown();
    void links_MouseDown();
    void rauf_MouseUp();
    void runter_MouseUp();
    void rechts_MouseUp();
    void links_MouseUp();
    void sscroller_Timer();
    void SScrollSourceUp();
    void SScrollSourceDown();
    void SScrollSourceLeft();
    void SScrollSourceRight();

    // The free selector.
    void spic1_Click();
    void spic1_MouseDown(int button, int shift, int x, int y);
    void spic1_KeyDown(int keyCode, int shift);
    void lplus_Click();
    void lminus_Click();
    void tplus_Click();
    void tminus_Click();
    void SUpdateSourceSelection();

    // The sheet ("Zielbild").
    void spic3_Click();
    void spic3_KeyDown(int keyCode, int shift);
    void SUpdateTargetCell();

    // The cell editor.
    void spic5_KeyDown(int keyCode, int shift);
    void SClampEditCursor();
    void SUpdateEraseBrush();
    void sselgr_Click();
    void sacept_Click();

    // The file buttons and help.
    void cLoadQs_Click();
    void cSaveZS_Click();
    void cLoadZS_Click();
    void snew_Click();
    void chipscrennHelp_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSourcePage(QWidget *page);
    void buildTargetPage(QWidget *page);
    void buildEditor(QWidget *page);
    void connectHandlers();

    void startScrolling(const QString &word);
    void runSourceUpdate();  // throws PictureError
    void fitSelector();
    void showSelectorPosition();
    // The size buttons: the box's number changed by `delta`, bounded, given
    // to the selector as its width or height.
    void stepSelectorSize(QLineEdit *box, int delta, bool width);
    int blockSize() const;

    PageContext &m_context;
    const ScreenshotTwin &m_twin;
    CellCopierControls m_controls;
    CellCopier *m_copier = nullptr;
    SheetFiles *m_files = nullptr;

    // "Quellbild"
    QPushButton *m_rauf = nullptr;
    QPushButton *m_runter = nullptr;
    QPushButton *m_rechts = nullptr;
    QPushButton *m_links = nullptr;
    QTimer *m_scroller = nullptr;
    QLineEdit *m_widthBox = nullptr;
    QLineEdit *m_heightBox = nullptr;
    QPushButton *m_widthPlus = nullptr;
    QPushButton *m_widthMinus = nullptr;
    QPushButton *m_heightPlus = nullptr;
    QPushButton *m_heightMinus = nullptr;
    QPushButton *m_loadSource = nullptr;
    QPushButton *m_help = nullptr;

    // "Zielbild"
    QPushButton *m_save = nullptr;
    QPushButton *m_loadTarget = nullptr;
    QPushButton *m_newTemplate = nullptr;
    PictureClip *m_editorClip = nullptr;

    // The cell editor
    PictureView *m_editor = nullptr;
    RectShape *m_cursor = nullptr;
    RectShape *m_acceptRect = nullptr;
    PictureView *m_swatch = nullptr;
    RectShape *m_swatchRect = nullptr;
    PictureClip *m_brushClip = nullptr;
    PictureClip *m_acceptClip = nullptr;
    QPushButton *m_sizeButton = nullptr;
    QPushButton *m_acceptButton = nullptr;
};
