#pragma once

#include "setpage.h"

// The "Chip Sets" work page: builds an RPG2K chip set of 480 x 256 pixels from
// 16 x 16 cells, copying pieces of seven sizes from a source picture.
class ChipPage : public SetPage
{
    Q_OBJECT
public:
    ChipPage(QWidget *page, PageContext &context);

public slots:
    void pic1_Click();
    void pic3_Click();
    void pic1_KeyDown(int keyCode, int shift);
    void pic3_KeyDown(int keyCode, int shift);
    void ChipUpdateSourceSelection();
    void ChipUpdateTargetInsert();
    void selgr_Click();
    void LoadQChip_Click();
    void SaveZChip_Click();
    void LoadZChip_Click();
    void New_Click();
    void chipHelp_Click();
};
