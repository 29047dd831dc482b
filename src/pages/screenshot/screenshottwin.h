#pragma once

#include "app/pagestate.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// What tells the two screenshot pages apart: the names of their controls, the
// page state fields they own, and the numbers and places that differ between
// a chip set and a char set target. Everything else of the layout is the same
// on both and is written once in ScreenshotPage.
//
// The char page's handlers and routines carry the chip page's names with a
// "c" or "cs" prefix: crauf_MouseDown, csscroller_Timer, CSScrollSourceUp,
// cspic1_MouseDown, clplus_Click, CSUpdateSourceSelection, csPic3_KeyDown,
// CSUpdateTargetCell, cspic5_KeyDown, CSClampEditCursor, CSUpdateEraseBrush,
// cselgr_Click, ctacept_Click, and so on. Both run the same methods.
struct ScreenshotTwin
{
    QString pageCaption;
    QString innerTabs;

    // "Quellbild": viewport, screenshot view and scrolling.
    QString viewport;
    QString sourceView;
    QString rauf, runter, rechts, links;
    QString scrollTimer;
    QString PageState::*scrollDirection = nullptr;

    // "Quellbild": the free selector and its frame.
    QString selector;
    QString sourceFrame;
    QString leftLabel, topLabel;
    QString sourceHolder, sourcePreview;
    QString loadSource, loadSourceTip;
    QString etchedGrey, etchedWhite;
    QString sizeHeading;
    QString widthBox, heightBox;
    QString widthPlus, widthMinus, heightPlus, heightMinus;
    QString help;
    QString sourceClip;
    QString loadSourceDialog;

    // "Zielbild": the sheet, its insert frame and its side frame.
    QString targetView;
    QRect targetViewPlace;
    QString insertFrame;
    QSize cell;
    QPoint insertMax;
    QString targetFrame;
    QRect targetFramePlace;
    QString columnLabel;
    QRect columnLabelPlace;
    QString rowLabel;
    QRect rowLabelPlace;
    QString targetPreview;
    QSize targetPreviewSize;
    QString save, saveTip;
    QString loadTarget, loadTargetTip;
    QString newTemplate, newTemplateTip;
    QPoint newTemplatePos;
    QString targetClip, editorClip;
    QString saveDialog, loadTargetDialog;
    int templateId = 102;
    QString templateMessage;

    // "Zielbild": the cell editor.
    QString editorFrame, editorCaption;
    QRect editorFramePlace;
    QString editorView;
    QRect editorViewPlace;
    QString cursor;
    QPoint cursorMax;
    QString acceptRect;
    QString swatch;
    QPoint swatchPos;
    QString swatchRect;
    QString brushClip, acceptClip;
    QString sizeButton;
    QPoint sizeButtonPos;
    QString acceptButton;
    QPoint acceptButtonPos;
    QString acceptFailure;  // empty: a failed accept ends silently
    qint16 PageState::*eraseBlockMode = nullptr;

    static const ScreenshotTwin &chip();
    static const ScreenshotTwin &charSet();
};
