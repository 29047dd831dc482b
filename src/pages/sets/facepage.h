#pragma once

#include <QObject>

class CellCopier;
class QWidget;
class SheetFiles;
struct PageContext;

// The "Face Sets" work page: copies 48 x 48 portraits cell by cell into an
// RPG2K face set.
class FacePage : public QObject
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

private:
    PageContext &m_context;
    CellCopier *m_copier = nullptr;
    SheetFiles *m_files = nullptr;
};
