#pragma once

#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class PictureClip;
class PictureView;
class QLabel;
class RectShape;
class StretchImage;

// The controls one copier works on. A preview image may be missing where the
// holder view itself is the visible preview.
struct CellCopierControls
{
    PictureView *source = nullptr;
    RectShape *selector = nullptr;
    PictureView *target = nullptr;
    RectShape *insertFrame = nullptr;
    QLabel *sourceColumn = nullptr;
    QLabel *sourceRow = nullptr;
    QLabel *targetColumn = nullptr;
    QLabel *targetRow = nullptr;
    PictureView *sourceHolder = nullptr;
    StretchImage *sourcePreview = nullptr;
    PictureView *targetHolder = nullptr;
    StretchImage *targetPreview = nullptr;
    PictureClip *sourceClip = nullptr;
    PictureClip *targetClip = nullptr;
};

// The numbers that make a page's copier its own. Steps and clip sizes are
// asked for at each use, since a page's size mode can change them. A page
// that runs its own source side (free selection) leaves the source ones unset.
struct CellCopierNumbers
{
    std::function<QSize()> sourceStep;
    QSize targetStep;
    QPoint sourceMax;   // largest Left and Top of the selector
    QPoint targetMax;   // largest Left and Top of the insert frame
    std::function<QSize()> sourceClipSize;
    std::function<QSize()> targetClipSize;
    // Painted size of a paste; without it the piece keeps the source clip's size.
    std::optional<QSize> pasteSize;
};

// The one pattern of every work page: a selector over the source and an
// insert frame over the target, moved with the arrow keys and clamped to the
// page's bounds, their cell coordinates and enlarged previews, and Enter in
// the target painting the selected piece at the insert frame.
//
// Every routine ends silently at its first failure and keeps what it did
// before; only runSourceSelection() lets the failure through, for the source
// load that reports it.
class CellCopier : public QObject
{
    Q_OBJECT
public:
    CellCopier(const CellCopierControls &controls, CellCopierNumbers numbers,
               QObject *parent = nullptr);

    const CellCopierControls &controls() const { return m_controls; }

    // Focus swap: the clicked view comes first in the tab order.
    void sourceClick();
    void targetClick();

    void sourceKeyDown(int keyCode, int shift);
    void targetKeyDown(int keyCode, int shift);

    void updateSourceSelection();
    void runSourceSelection();  // throws PictureError
    // Cuts the source clip's rectangle as it stands into the source preview,
    // for a page that gives the clip a new picture. Throws PictureError.
    void cutSourcePreview();
    void updateTargetInsert();
    void runTargetInsert();  // throws PictureError
    void paste();

    // Moves a rectangle by one step for the arrow key codes 37 to 40; false
    // for any other key.
    static bool moveByArrow(RectShape &shape, int keyCode, QSize step);
    // Strict tests in the order Left < 0, Top < 0, Left > max, Top > max.
    static void clamp(RectShape &shape, QPoint max);
    // (position + cell) / cell in single precision, as the labels show it.
    static QString cellNumberText(double position, int cell);

private:
    CellCopierControls m_controls;
    CellCopierNumbers m_numbers;
};

// A label's number: single precision, no leading blank, whole values without
// decimals, fractions with up to seven significant digits and the user's
// decimal separator.
QString numberText(double value);

// Makes the view's drawing surface its picture, so that what was painted
// becomes part of it, and writes it to "dump.bmp" in the program folder.
// Never fails: a file that cannot be written is passed over.
void flattenThroughDump(PictureView &view);
