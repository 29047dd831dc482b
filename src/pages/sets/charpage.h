#pragma once

#include "setpage.h"

// The "Char Sets" work page: copies figures cell by cell into an RPG2K char
// set, with a selector that can be switched to the RPG95 char cell.
class CharPage : public SetPage
{
    Q_OBJECT
public:
    CharPage(QWidget *page, PageContext &context);

public slots:
    void cPic1_Click();
    void cPic3_Click();
    void cPic1_KeyDown(int keyCode, int shift);
    void cPic3_KeyDown(int keyCode, int shift);
    void CharUpdateSourceSelection();
    void CharUpdateTargetInsert();
    void c95mode_Click();
    void LoadQChar_Click();
    void SaveZChar_Click();
    void LoadZChar_Click();
    void CNew_Click();
    void CahrHelp_Click();

private:
    // The source cell of the current char mode: 24 x 32 (RPG2K) or 32 x 32 (RPG95).
    QSize sourceCell() const;

    QPushButton *m_modeButton = nullptr;
};
