#pragma once

#include "setpage.h"

// The "Face Sets" work page: copies 48 x 48 portraits cell by cell into an
// RPG2K face set.
class FacePage : public SetPage
{
    Q_OBJECT
public:
    FacePage(QWidget *page, PageContext &context);

public slots:
    void fpic1_Click();
    void fpic3_Click();
    void fpic1_KeyDown(int keyCode, int shift);
    void fpic3_KeyDown(int keyCode, int shift);
    void FaceUpdateSourceSelection();
    void FaceUpdateTargetInsert();
    void LoadQFace_Click();
    void SaveZFace_Click();
    void LoadZFace_Click();
    void fNew_Click();
    void faceHelp_Click();
};
