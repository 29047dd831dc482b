#include "screenshottwin.h"

namespace {

ScreenshotTwin makeChipTwin()
{
    ScreenshotTwin t;
    t.pageCaption = QStringLiteral("Screenshot zu Chip");
    t.innerTabs = QStringLiteral("SSTab2");

    t.viewport = QStringLiteral("behälter");
    t.sourceView = QStringLiteral("spic1");
    t.rauf = QStringLiteral("rauf");
    t.runter = QStringLiteral("runter");
    t.rechts = QStringLiteral("rechts");
    t.links = QStringLiteral("links");
    t.scrollTimer = QStringLiteral("sscroller");
    t.scrollDirection = &PageState::SScrollDirection;

    t.selector = QStringLiteral("ssel");
    t.sourceFrame = QStringLiteral("Frame9");
    t.leftLabel = QStringLiteral("scor1");
    t.topLabel = QStringLiteral("scor2");
    t.sourceHolder = QStringLiteral("spic2");
    t.sourcePreview = QStringLiteral("simg1");
    t.loadSource = QStringLiteral("cLoadQs");
    t.loadSourceTip = QStringLiteral("Ladet ein vorhandenes Screenshot");
    t.etchedGrey = QStringLiteral("Shape2");
    t.etchedWhite = QStringLiteral("Shape1");
    t.sizeHeading = QStringLiteral("Label1");
    t.widthBox = QStringLiteral("sleft");
    t.heightBox = QStringLiteral("sto");
    t.widthPlus = QStringLiteral("lplus");
    t.widthMinus = QStringLiteral("lminus");
    t.heightPlus = QStringLiteral("tplus");
    t.heightMinus = QStringLiteral("tminus");
    t.help = QStringLiteral("chipscrennHelp");
    t.sourceClip = QStringLiteral("sPicClip1");
    t.loadSourceDialog = QStringLiteral("LoadQS");

    t.targetView = QStringLiteral("spic3");
    t.targetViewPlace = QRect(8, 32, 480, 256);
    t.insertFrame = QStringLiteral("sins");
    t.cell = QSize(16, 16);
    t.insertMax = QPoint(464, 240);
    t.targetFrame = QStringLiteral("frame10");
    t.targetFramePlace = QRect(504, 32, 169, 257);
    t.columnLabel = QStringLiteral("skor1");
    t.columnLabelPlace = QRect(24, 24, 41, 17);
    t.rowLabel = QStringLiteral("skor2");
    t.rowLabelPlace = QRect(88, 24, 41, 17);
    t.targetPreview = QStringLiteral("spic4");
    t.targetPreviewSize = QSize(105, 105);
    t.save = QStringLiteral("cSaveZS");
    t.saveTip = QStringLiteral("Speichert das neue Chipset ab");
    t.loadTarget = QStringLiteral("cLoadZS");
    t.loadTargetTip = QStringLiteral("Ladet ein vorhandenes RPG2K Chipset");
    t.newTemplate = QStringLiteral("snew");
    t.newTemplateTip = QStringLiteral("Ladet eine neue Chipset-Vorlage");
    t.newTemplatePos = QPoint(24, 224);
    t.targetClip = QStringLiteral("sPicClip2");
    t.editorClip = QStringLiteral("spicclip3");
    t.saveDialog = QStringLiteral("SaveZS");
    t.loadTargetDialog = QStringLiteral("LoadZS");
    t.templateId = 102;
    t.templateMessage = QStringLiteral("Kann Datei nicht finden: vorlage.bmp");

    t.editorFrame = QStringLiteral("frame12");
    t.editorCaption = QStringLiteral("Chip säubern");
    t.editorFramePlace = QRect(8, 288, 441, 241);
    t.editorView = QStringLiteral("spic5");
    t.editorViewPlace = QRect(24, 40, 159, 159);
    t.cursor = QStringLiteral("stins");
    t.cursorMax = QPoint(150, 150);
    t.acceptRect = QStringLiteral("stsel2");
    t.swatch = QStringLiteral("spic6");
    t.swatchPos = QPoint(376, 184);
    t.swatchRect = QStringLiteral("stsel");
    t.brushClip = QStringLiteral("spicclip5");
    t.acceptClip = QStringLiteral("spicclip6");
    t.sizeButton = QStringLiteral("sselgr");
    t.sizeButtonPos = QPoint(200, 40);
    t.acceptButton = QStringLiteral("sacept");
    t.acceptButtonPos = QPoint(200, 80);
    t.acceptFailure = QStringLiteral("fehler!");
    t.eraseBlockMode = &PageState::SEraseBlockMode;
    return t;
}

ScreenshotTwin makeCharTwin()
{
    ScreenshotTwin t;
    t.pageCaption = QStringLiteral("Screenshot zu Char");
    t.innerTabs = QStringLiteral("CSTab2");

    t.viewport = QStringLiteral("cbehälter");
    t.sourceView = QStringLiteral("cspic1");
    t.rauf = QStringLiteral("crauf");
    t.runter = QStringLiteral("crunter");
    t.rechts = QStringLiteral("crechts");
    t.links = QStringLiteral("clinks");
    t.scrollTimer = QStringLiteral("csscroller");
    t.scrollDirection = &PageState::CSScrollDirection;

    t.selector = QStringLiteral("cssel");
    t.sourceFrame = QStringLiteral("cFrame9");
    t.leftLabel = QStringLiteral("cscor1");
    t.topLabel = QStringLiteral("cscor2");
    t.sourceHolder = QStringLiteral("cspic2");
    t.sourcePreview = QStringLiteral("csimg1");
    t.loadSource = QStringLiteral("ccLoadQs");
    t.loadSourceTip = QStringLiteral("Ladet ein vorhandener Screenshot");
    t.etchedGrey = QStringLiteral("cShape2");
    t.etchedWhite = QStringLiteral("cShape1");
    t.sizeHeading = QStringLiteral("cLabel1");
    t.widthBox = QStringLiteral("csleft");
    t.heightBox = QStringLiteral("csto");
    t.widthPlus = QStringLiteral("clplus");
    t.widthMinus = QStringLiteral("clminus");
    t.heightPlus = QStringLiteral("ctplus");
    t.heightMinus = QStringLiteral("ctminus");
    t.help = QStringLiteral("charscreenhelp");
    t.sourceClip = QStringLiteral("csPicClip1");
    t.loadSourceDialog = QStringLiteral("ccLoadQc");

    t.targetView = QStringLiteral("csPic3");
    t.targetViewPlace = QRect(16, 40, 288, 256);
    t.insertFrame = QStringLiteral("csins");
    t.cell = QSize(24, 32);
    t.insertMax = QPoint(264, 224);
    t.targetFrame = QStringLiteral("cframe10");
    t.targetFramePlace = QRect(16, 304, 289, 225);
    t.columnLabel = QStringLiteral("cskor1");
    t.columnLabelPlace = QRect(32, 24, 25, 17);
    t.rowLabel = QStringLiteral("cskor2");
    t.rowLabelPlace = QRect(72, 24, 33, 17);
    t.targetPreview = QStringLiteral("cspic4");
    t.targetPreviewSize = QSize(81, 105);
    t.save = QStringLiteral("ccSaveZS");
    t.saveTip = QStringLiteral("Speichert das neue Charset ab");
    t.loadTarget = QStringLiteral("ccLoadZS");
    t.loadTargetTip = QStringLiteral("Ladet ein vorhandenes RPG2K Charset");
    t.newTemplate = QStringLiteral("csnew");
    t.newTemplateTip = QStringLiteral("Ladet eine neue Vorlage");
    t.newTemplatePos = QPoint(136, 160);
    t.targetClip = QStringLiteral("csPicClip2");
    t.editorClip = QStringLiteral("cspicclip3");
    t.saveDialog = QStringLiteral("cSaveZc");
    t.loadTargetDialog = QStringLiteral("cLoadZc");
    t.templateId = 103;
    t.templateMessage = QStringLiteral("Kann Datei nicht finden: vorlage2.bmp");

    t.editorFrame = QStringLiteral("frame11");
    t.editorCaption = QStringLiteral("Char säubern");
    t.editorFramePlace = QRect(312, 32, 305, 497);
    t.editorView = QStringLiteral("cspic5");
    t.editorViewPlace = QRect(16, 24, 239, 319);
    t.cursor = QStringLiteral("ctins");
    t.cursorMax = QPoint(230, 310);
    t.acceptRect = QStringLiteral("ctsel2");
    t.swatch = QStringLiteral("cspic6");
    t.swatchPos = QPoint(192, 368);
    t.swatchRect = QStringLiteral("ctsel");
    t.brushClip = QStringLiteral("ctpicclip5");
    t.acceptClip = QStringLiteral("ctpicclip6");
    t.sizeButton = QStringLiteral("cselgr");
    t.sizeButtonPos = QPoint(16, 368);
    t.acceptButton = QStringLiteral("ctacept");
    t.acceptButtonPos = QPoint(16, 400);
    t.eraseBlockMode = &PageState::CSEraseBlockMode;
    return t;
}

} // namespace

const ScreenshotTwin &ScreenshotTwin::chip()
{
    static const ScreenshotTwin twin = makeChipTwin();
    return twin;
}

const ScreenshotTwin &ScreenshotTwin::charSet()
{
    static const ScreenshotTwin twin = makeCharTwin();
    return twin;
}
