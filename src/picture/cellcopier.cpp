#include "cellcopier.h"

#include "pictureclip.h"
#include "picturefile.h"
#include "pictureview.h"
#include "rectshape.h"
#include "stretchimage.h"

#include <QLabel>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

int wholeNumber(double value)
{
    return int(std::lround(value));
}

} // namespace

QString numberText(double value)
{
    // A number beyond single precision's range keeps its own value rather
    // than showing as "inf", so that a size box can read it back.
    if (std::fabs(value) <= std::numeric_limits<float>::max())
        value = double(float(value));
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 7);
}

void flattenThroughDump(PictureView &view)
{
    // The surface becomes the picture in memory. The file is written for
    // anyone who looks into the program folder, but never read back: another
    // copy of the program sharing the folder, or a folder we may not write,
    // must not change the sheet.
    const QImage surface = view.image();
    try {
        SavePicture(surface, programFile(QStringLiteral("dump.bmp")));
    } catch (const PictureError &) {
    }
    view.setPicture(surface);
}

CellCopier::CellCopier(const CellCopierControls &controls, CellCopierNumbers numbers,
                       QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_numbers(std::move(numbers))
{
}

void CellCopier::sourceClick()
{
    m_controls.source->setTabIndex(1);
    m_controls.target->setTabIndex(2);
    QWidget::setTabOrder(m_controls.source, m_controls.target);
}

void CellCopier::targetClick()
{
    m_controls.source->setTabIndex(2);
    m_controls.target->setTabIndex(1);
    QWidget::setTabOrder(m_controls.target, m_controls.source);
}

bool CellCopier::moveByArrow(RectShape &shape, int keyCode, QSize step)
{
    const double top = shape.top();
    const double left = shape.left();
    bool moved = false;
    if (keyCode == 38) {
        shape.setTop(top - step.height());
        moved = true;
    }
    if (keyCode == 40) {
        shape.setTop(top + step.height());
        moved = true;
    }
    if (keyCode == 39) {
        shape.setLeft(left + step.width());
        moved = true;
    }
    if (keyCode == 37) {
        shape.setLeft(left - step.width());
        moved = true;
    }
    return moved;
}

void CellCopier::clamp(RectShape &shape, QPoint max)
{
    if (shape.left() < 0)
        shape.setLeft(0);
    if (shape.top() < 0)
        shape.setTop(0);
    if (shape.left() > max.x())
        shape.setLeft(max.x());
    if (shape.top() > max.y())
        shape.setTop(max.y());
}

QString CellCopier::cellNumberText(double position, int cell)
{
    return numberText((float(position) + float(cell)) / float(cell));
}

void CellCopier::sourceKeyDown(int keyCode, int)
{
    if (moveByArrow(*m_controls.selector, keyCode, m_numbers.sourceStep()))
        updateSourceSelection();
}

void CellCopier::targetKeyDown(int keyCode, int)
{
    if (moveByArrow(*m_controls.insertFrame, keyCode, m_numbers.targetStep))
        updateTargetInsert();
    else if (keyCode == 13)
        paste();
}

void CellCopier::updateSourceSelection()
{
    try {
        runSourceSelection();
    } catch (const PictureError &) {
        // The labels are written; the preview keeps its earlier picture.
    }
}

void CellCopier::runSourceSelection()
{
    const QSize clip = m_numbers.sourceClipSize();
    const QSize step = m_numbers.sourceStep();
    RectShape &sel = *m_controls.selector;
    clamp(sel, m_numbers.sourceMax);
    m_controls.sourceColumn->setText(cellNumberText(sel.left(), step.width()));
    m_controls.sourceRow->setText(cellNumberText(sel.top(), step.height()));

    PictureClip &sourceClip = *m_controls.sourceClip;
    sourceClip.setClipX(wholeNumber(sel.left()));
    sourceClip.setClipY(wholeNumber(sel.top()));
    sourceClip.setClipHeight(clip.height());
    sourceClip.setClipWidth(clip.width());
    cutSourcePreview();
}

void CellCopier::cutSourcePreview()
{
    m_controls.sourceHolder->setPicture(m_controls.sourceClip->Clip());
    if (m_controls.sourcePreview)
        m_controls.sourcePreview->setPicture(m_controls.sourceHolder->picture());
}

void CellCopier::updateTargetInsert()
{
    try {
        runTargetInsert();
    } catch (const PictureError &) {
    }
}

void CellCopier::runTargetInsert()
{
    const QSize clip = m_numbers.targetClipSize();
    PictureClip &targetClip = *m_controls.targetClip;
    targetClip.setPicture(m_controls.target->picture());

    RectShape &ins = *m_controls.insertFrame;
    clamp(ins, m_numbers.targetMax);
    m_controls.targetColumn->setText(cellNumberText(ins.left(), m_numbers.targetStep.width()));
    m_controls.targetRow->setText(cellNumberText(ins.top(), m_numbers.targetStep.height()));

    targetClip.setClipX(wholeNumber(ins.left()));
    targetClip.setClipY(wholeNumber(ins.top()));
    targetClip.setClipHeight(clip.height());
    targetClip.setClipWidth(clip.width());
    targetClip.setStretchX(m_controls.targetHolder->scaleWidth());
    targetClip.setStretchY(m_controls.targetHolder->scaleHeight());
    m_controls.targetHolder->setPicture(targetClip.Clip());
    if (m_controls.targetPreview)
        m_controls.targetPreview->setPicture(m_controls.targetHolder->picture());
}

void CellCopier::paste()
{
    try {
        PictureClip &sourceClip = *m_controls.sourceClip;
        const QImage piece = sourceClip.Clip();
        const int left = wholeNumber(m_controls.insertFrame->left());
        const int top = wholeNumber(m_controls.insertFrame->top());
        const QSize size = m_numbers.pasteSize.value_or(
            QSize(sourceClip.clipWidth(), sourceClip.clipHeight()));
        m_controls.target->PaintPicture(piece, left, top, size.width(), size.height());
        flattenThroughDump(*m_controls.target);
    } catch (const PictureError &) {
        // Without a source nothing is painted.
    }
}
