#pragma once

#include "pages/sets/setpage.h"

class QLabel;
class PictureClip;
class RectShape;

// The "RPG95 zu RPG2K (Chip)" work page: loads an RPG95 chip set of
// 256 x 1024 pixels once, shows one 128 x 512 section of it at a time and
// copies pieces of it by hand into an RPG2K chip set.
class Rpg95Page : public SetPage
{
    Q_OBJECT
public:
    Rpg95Page(QWidget *page, PageContext &context);

public slots:
    void CLoadQr_Click();
    void wechseln_Click();
    void rpic1_Click();
    void rpic3_Click();
    void rpic1_KeyDown(int keyCode, int shift);
    void rpic3_KeyDown(int keyCode, int shift);
    void RUpdateSourceSelection();
    void RUpdateTargetInsert();
    void rselgr_Click();
    void SaveRChip_Click();
    void LoadRChip_Click();
    void Rnew_Click();
    void chipkonvHelp_Click();

private:
    void RInitLoadedSource();
    // Cuts the section the section rectangle stands on out of the whole
    // picture into the section view and the source clip. Throws PictureError.
    void cutSection();
    void updateSourceOfNewSection();
    void showOnMap(int section);

    RectShape *m_sectionRect = nullptr;   // rtempsel
    PictureClip *m_wholePicture = nullptr;  // tempclip
    QLabel *m_map[4] = {};                // s1 .. s4
    QPushButton *m_switch = nullptr;      // wechseln
};
