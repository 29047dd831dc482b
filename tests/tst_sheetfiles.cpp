// The four file operations of a work page, driven through the buttons of the
// "Chip Sets" page: the files they write, the dialogs they show, and what
// stays as it was when they fail or are cancelled. Also the numbers the
// coordinate labels show.

#include "pagefixture.h"
#include "testpictures.h"

#include "picture/cellcopier.h"
#include "picture/dialogs.h"
#include "picture/pictureclip.h"
#include "picture/picturefile.h"
#include "picture/pictureview.h"
#include "picture/rectshape.h"
#include "picture/stretchimage.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QtTest>

namespace {

const QRgb kTemplateColour = qRgb(255, 102, 153);
const QSize kSheet(480, 256);
const QString kOpenFilter = QStringLiteral("Bitmaps (*.bmp)|*.bmp");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList folderEntries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

// Everything of the page a failed or cancelled operation must leave alone.
struct PageSnapshot
{
    QImage source, sourceClip, sourcePreview, target, targetImage, targetClip, targetPreview;
    QPointF sel, ins;
    QStringList labels;

    static PageSnapshot take(const PageFixture &f)
    {
        PageSnapshot s;
        s.source = f.view("pic1")->picture();
        s.sourceClip = f.clip("PicClip1")->picture();
        s.sourcePreview = f.preview("img1")->picture();
        s.target = f.view("pic3")->picture();
        s.targetImage = f.view("pic3")->image();
        s.targetClip = f.clip("picclip2")->picture();
        s.targetPreview = f.preview("img2")->picture();
        s.sel = QPointF(f.shape("sel")->left(), f.shape("sel")->top());
        s.ins = QPointF(f.shape("ins")->left(), f.shape("ins")->top());
        for (const char *name : {"kor1", "kor2", "cor1", "cor2"})
            s.labels << f.label(name)->text();
        return s;
    }

    bool operator==(const PageSnapshot &o) const
    {
        return source == o.source && sourceClip == o.sourceClip && sourcePreview == o.sourcePreview
            && target == o.target && targetImage == o.targetImage && targetClip == o.targetClip
            && targetPreview == o.targetPreview && sel == o.sel && ins == o.ins && labels == o.labels;
    }
};

// A page with both sides loaded, the selector at (32, 16), the insert frame
// at (48, 32), and both previews showing.
void prepareLoadedPage(PageFixture &f)
{
    const QString source = f.filePath("source.bmp");
    const QString sheet = f.filePath("sheet.bmp");
    QVERIFY(writeBmp(distinctColours(kSheet), source));
    QVERIFY(writeBmp(indexedColours(kSheet), sheet));
    f.clickWithFile("LoadQChip", source);
    f.clickWithFile("LoadZChip", sheet);
    f.pressKey("pic1", Qt::Key_Right, Qt::NoModifier, 2);
    f.pressKey("pic1", Qt::Key_Down);
    f.pressKey("pic3", Qt::Key_Right, Qt::NoModifier, 3);
    f.pressKey("pic3", Qt::Key_Down, Qt::NoModifier, 2);
    QVERIFY(!f.preview("img1")->picture().isNull());
    QVERIFY(!f.preview("img2")->picture().isNull());
    QVERIFY(f.dialogs.messages.isEmpty());
}

void expectOneMessage(const PageFixture &f, const QString &text)
{
    QCOMPARE(f.dialogs.messages.size(), 1);
    QCOMPARE(f.dialogs.messages.first().text, text);
    QCOMPARE(f.dialogs.messages.first().title, QStringLiteral("Zellforma"));
    QCOMPARE(f.dialogs.messages.first().buttons, Dialogs::Buttons::Ok);
}

} // namespace

class TestSheetFiles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    // Save target
    void save_data();
    void save();
    void saveAppendsSuffix();
    void failedSave_data();
    void failedSave();

    // Dialogs
    void cancelledOperation_data();
    void cancelledOperation();
    void dialogNames();

    // Loads
    void failedOperation_data();
    void failedOperation();
    void loadSourceKeepsTheSelector();
    void loadSourceTooSmallForTheSelector();
    void loadTargetThenPaste();

    // New template
    void newTemplate_data();
    void newTemplate();

    // What the operations rely on
    void numberText_data();
    void numberText();
};

void TestSheetFiles::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestSheetFiles::save_data()
{
    QTest::addColumn<QSize>("loaded");  // picture loaded into the target; empty: the template
    QTest::newRow("template") << QSize();
    QTest::newRow("smaller sheet") << QSize(100, 50);
    QTest::newRow("larger sheet") << QSize(600, 300);
}

void TestSheetFiles::save()
{
    QFETCH(QSize, loaded);

    PageFixture f;
    QVERIFY(f.isReady());
    PictureView *pic3 = f.view("pic3");
    if (loaded.isValid()) {
        QVERIFY(writeBmp(distinctColours(loaded), f.filePath("in.bmp")));
        f.clickWithFile("LoadZChip", f.filePath("in.bmp"));
        QCOMPARE(pic3->picture().size(), loaded);
    }
    // Paint that no flatten has taken into the picture yet.
    QImage red(10, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    pic3->PaintPicture(red, 5, 5, 10, 10);
    const QImage surface = pic3->image();
    QVERIFY(pic3->picture().pixel(5, 5) != qRgb(255, 0, 0));

    f.clickWithFile("SaveZChip", f.filePath("name"));

    QVERIFY(f.dialogs.messages.isEmpty());
    const QString written = f.filePath("name.bmp");
    const BmpHeader header = readBmpHeader(written);
    QVERIFY(header.valid);
    QCOMPARE(header.bitsPerPixel, quint16(24));
    QCOMPARE(header.compression, 0u);
    QCOMPARE(header.pixelOffset, 54u);  // no palette
    QCOMPARE(header.width, 480);
    QCOMPARE(header.height, 256);       // bottom-up
    QCOMPARE(header.fileSize, quint32(54 + 480 * 3 * 256));
    const QImage saved = LoadPicture(written);
    QCOMPARE(saved, surface);
    QCOMPARE(saved.pixel(14, 14), qRgb(255, 0, 0));
    if (loaded.isValid() && loaded.width() < 480)
        QCOMPARE(saved.pixel(479, 255), qRgb(255, 255, 255));  // the view's background
    QCOMPARE(pic3->image(), surface);
}

void TestSheetFiles::saveAppendsSuffix()
{
    PageFixture f;
    QVERIFY(f.isReady());
    const QString existing = f.filePath("sheet.bmp");
    QVERIFY(writeBmp(indexedColours(QSize(8, 8)), existing));
    const QByteArray before = fileBytes(existing);

    f.clickWithFile("SaveZChip", existing);

    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(fileBytes(existing), before);
    QVERIFY(isEvenColour(LoadPicture(f.filePath("sheet.bmp.bmp")), kTemplateColour));

    // Saving again under that name replaces the file without a question.
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    f.view("pic3")->PaintPicture(red, 0, 0, 16, 16);
    f.clickWithFile("SaveZChip", existing);
    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(LoadPicture(f.filePath("sheet.bmp.bmp")).pixel(0, 0), qRgb(255, 0, 0));
}

void TestSheetFiles::failedSave_data()
{
    QTest::addColumn<QString>("name");      // relative to the program folder
    QTest::addColumn<QString>("occupant");  // what already stands at name + ".bmp"

    QTest::newRow("missing folder") << "nofolder/sheet" << "";
    QTest::newRow("name of a folder") << "taken" << "folder";
    // The file can be written in place, but not the new file beside it that a
    // safe save writes first, since its name grows past the longest allowed.
    QTest::newRow("existing file, no room for the new one") << QString(246, QLatin1Char('s')) << "file";
}

void TestSheetFiles::failedSave()
{
    QFETCH(QString, name);
    QFETCH(QString, occupant);

    PageFixture f;
    QVERIFY(f.isReady());
    const QString written = f.filePath(name + ".bmp");
    QByteArray existingBytes;
    if (occupant == QLatin1String("folder")) {
        QVERIFY(QDir(f.folder()).mkdir(name + ".bmp"));
    } else if (occupant == QLatin1String("file")) {
        QVERIFY(writeBmp(distinctColours(QSize(4, 4)), written));
        existingBytes = fileBytes(written);
    }
    const QImage target = f.view("pic3")->image();

    f.clickWithFile("SaveZChip", f.filePath(name));

    expectOneMessage(f, QStringLiteral("Es ist ein Fehler beim speichern aufgekreuzt !"));
    QCOMPARE(f.view("pic3")->image(), target);
    if (occupant == QLatin1String("folder"))
        QVERIFY(QFileInfo(written).isDir());
    else if (occupant == QLatin1String("file"))
        QCOMPARE(fileBytes(written), existingBytes);
    else
        QVERIFY(!QFile::exists(written));
}

void TestSheetFiles::cancelledOperation_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("load source") << "LoadQChip";
    QTest::newRow("save target") << "SaveZChip";
    QTest::newRow("load target") << "LoadZChip";
    QTest::newRow("new template, No") << "New";
}

void TestSheetFiles::cancelledOperation()
{
    QFETCH(QString, button);

    PageFixture f;
    QVERIFY(f.isReady());
    prepareLoadedPage(f);
    const PageSnapshot before = PageSnapshot::take(f);
    const QStringList files = folderEntries(f.folder());

    if (button == QLatin1String("New")) {
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        f.clickButton(button);
        QCOMPARE(f.dialogs.messages.size(), 1);  // the question only
    } else {
        f.clickWithFile(button, QString());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    QVERIFY(PageSnapshot::take(f) == before);
    QCOMPARE(folderEntries(f.folder()), files);
}

void TestSheetFiles::dialogNames()
{
    PageFixture f;
    QVERIFY(f.isReady());
    const QString source = f.filePath("source.bmp");
    const QString sheet = f.filePath("sheet.bmp");
    QVERIFY(writeBmp(distinctColours(kSheet), source));
    QVERIFY(writeBmp(indexedColours(kSheet), sheet));
    const QString saved = f.filePath("saved");

    f.clickWithFile("SaveZChip", saved);
    f.clickWithFile("SaveZChip", QString());
    f.clickWithFile("SaveZChip", QString());
    f.clickWithFile("LoadQChip", source);
    f.clickWithFile("LoadZChip", sheet);
    f.clickWithFile("LoadQChip", QString());
    f.clickWithFile("LoadZChip", QString());

    struct Expected { bool save; const char *title; QString filter; QString proposed; };
    const Expected expected[] = {
        {true, "Zielbild speichern", "*.bmp", "chip1"},
        {true, "Zielbild speichern", "*.bmp", saved},
        {true, "Zielbild speichern", "*.bmp", saved},  // a cancel keeps the last name
        {false, "Quellbild laden", kOpenFilter, ""},
        {false, "Zielbild laden", kOpenFilter, ""},
        {false, "Quellbild laden", kOpenFilter, source},
        {false, "Zielbild laden", kOpenFilter, sheet},
    };
    QCOMPARE(f.dialogs.fileRequests.size(), int(std::size(expected)));
    for (int i = 0; i < f.dialogs.fileRequests.size(); ++i) {
        const ScriptedDialogs::FileRequest &request = f.dialogs.fileRequests.at(i);
        QCOMPARE(request.save, expected[i].save);
        QCOMPARE(request.title, QString::fromUtf8(expected[i].title));
        QCOMPARE(request.filter, expected[i].filter);
        QCOMPARE(request.proposed, expected[i].proposed);
    }
    QVERIFY(f.dialogs.messages.isEmpty());
    QVERIFY(QFile::exists(saved + ".bmp"));
}

void TestSheetFiles::failedOperation_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("file");  // what the chosen name holds

    const struct { const char *button; const char *message; } loads[] = {
        {"LoadQChip", "Fehler beim laden !(!)"},
        {"LoadZChip", "Fehler beim laden !!!!"},
    };
    for (const auto &load : loads) {
        const QByteArray row = QByteArray(load.button) + ", ";
        QTest::newRow(row + "text file") << load.button << load.message << "text";
        QTest::newRow(row + "missing file") << load.button << load.message << "missing";
        QTest::newRow(row + "empty file") << load.button << load.message << "empty";
        QTest::newRow(row + "cut-off bitmap") << load.button << load.message << "cut";
        QTest::newRow(row + "memory exhausted") << load.button << load.message << "no memory";
    }
    QTest::newRow("SaveZChip, memory exhausted")
        << "SaveZChip" << "Es ist ein Fehler beim speichern aufgekreuzt !" << "no memory";
}

void TestSheetFiles::failedOperation()
{
    QFETCH(QString, button);
    QFETCH(QString, message);
    QFETCH(QString, file);

    PageFixture f;
    QVERIFY(f.isReady());
    prepareLoadedPage(f);
    const PageSnapshot before = PageSnapshot::take(f);
    const QString chosen = f.filePath("bad.bmp");
    if (file == QLatin1String("text")) {
        QVERIFY(writeFile(chosen, "Das ist kein Bild.\n"));
    } else if (file == QLatin1String("empty")) {
        QVERIFY(writeFile(chosen, QByteArray()));
    } else if (file == QLatin1String("cut")) {
        // A whole sheet with its last rows missing must not load as a damaged one.
        QImage sheet(480, 256, QImage::Format_RGB32);
        sheet.fill(Qt::darkCyan);
        SavePicture(sheet, chosen);
        QFile bytes(chosen);
        QVERIFY(bytes.resize(bytes.size() - 480 * 3 * 10));
    } else if (file == QLatin1String("no memory")) {
        QVERIFY(writeBmp(distinctColours(kSheet), chosen));
        f.dialogs.failNextFileDialog();
    }

    f.clickWithFile(button, chosen);

    expectOneMessage(f, message);
    QVERIFY(PageSnapshot::take(f) == before);
}

void TestSheetFiles::loadSourceKeepsTheSelector()
{
    PageFixture f;
    QVERIFY(f.isReady());
    prepareLoadedPage(f);
    const QImage second = indexedColours(QSize(640, 400));
    QVERIFY(writeBmp(second, f.filePath("second.bmp")));

    f.clickWithFile("LoadQChip", f.filePath("second.bmp"));

    QVERIFY(f.dialogs.messages.isEmpty());
    QCOMPARE(f.shape("sel")->left(), 32.0);
    QCOMPARE(f.shape("sel")->top(), 16.0);
    QCOMPARE(f.label("kor1")->text(), QStringLiteral("3"));
    QCOMPARE(f.label("kor2")->text(), QStringLiteral("2"));
    const QImage piece = f.view("pic2")->picture();
    QCOMPARE(piece.size(), QSize(16, 16));
    QVERIFY(sameArea(piece, QPoint(0, 0), second, QPoint(32, 16), QSize(16, 16)));
    QCOMPARE(f.preview("img1")->picture(), piece);
}

void TestSheetFiles::loadSourceTooSmallForTheSelector()
{
    PageFixture f;
    QVERIFY(f.isReady());
    prepareLoadedPage(f);
    const QImage earlierPiece = f.view("pic2")->picture();
    const QImage small = distinctColours(QSize(20, 20));
    QVERIFY(writeBmp(small, f.filePath("small.bmp")));

    f.clickWithFile("LoadQChip", f.filePath("small.bmp"));

    // The picture is in, but the selector's piece cannot be cut from it.
    expectOneMessage(f, QStringLiteral("Fehler beim laden !(!)"));
    QCOMPARE(f.view("pic1")->picture().size(), small.size());
    QCOMPARE(f.clip("PicClip1")->picture().size(), small.size());
    QCOMPARE(f.view("pic2")->picture(), earlierPiece);
}

void TestSheetFiles::loadTargetThenPaste()
{
    PageFixture f;
    QVERIFY(f.isReady());
    prepareLoadedPage(f);
    const QImage loaded = distinctColours(QSize(480, 256)).mirrored(true, true);
    QVERIFY(writeBmp(loaded, f.filePath("next.bmp")));
    f.clickWithFile("LoadZChip", f.filePath("next.bmp"));
    QCOMPARE(f.shape("ins")->left(), 48.0);
    QCOMPARE(f.shape("ins")->top(), 32.0);

    f.pressKey("pic3", Qt::Key_Return);

    const QImage after = f.view("pic3")->image();
    QCOMPARE(changedArea(loaded, after), QRect(48, 32, 16, 16));
    QVERIFY(sameArea(after, QPoint(48, 32), distinctColours(kSheet), QPoint(32, 16), QSize(16, 16)));
}

void TestSheetFiles::newTemplate_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TestSheetFiles::newTemplate()
{
    QFETCH(bool, yes);

    PageFixture f;
    QVERIFY(f.isReady());
    prepareLoadedPage(f);
    PictureView *pic3 = f.view("pic3");
    QImage red(16, 16, QImage::Format_RGB32);
    red.fill(Qt::red);
    pic3->PaintPicture(red, 0, 0, 16, 16);
    const PageSnapshot before = PageSnapshot::take(f);

    f.dialogs.queueAnswer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    f.clickButton("New");

    QCOMPARE(f.dialogs.messages.size(), 1);
    const ScriptedDialogs::Message &question = f.dialogs.messages.first();
    QCOMPARE(question.text, QStringLiteral("Aktuelles Zielbild löschen ?"));
    QCOMPARE(question.title, QStringLiteral("Achtung !"));
    QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
    if (!yes) {
        QVERIFY(PageSnapshot::take(f) == before);
        return;
    }
    QCOMPARE(pic3->picture().size(), kSheet);
    QVERIFY(isEvenColour(pic3->picture(), kTemplateColour));
    QVERIFY(isEvenColour(pic3->image(), kTemplateColour));
    // Only the view takes the template; the clip and preview catch up later.
    QCOMPARE(f.clip("picclip2")->picture(), before.targetClip);
    QCOMPARE(f.preview("img2")->picture(), before.targetPreview);
}

void TestSheetFiles::numberText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");

    const QLocale german(QLocale::German, QLocale::Germany);
    QTest::newRow("fraction, German") << 9.25f << german << "9,25";
    QTest::newRow("fraction, C") << 9.25f << QLocale::c() << "9.25";
    QTest::newRow("seven digits, German") << 1.333333f << german << "1,333333";
    QTest::newRow("third, C") << 4.0f / 3.0f << QLocale::c() << "1.333333";
    QTest::newRow("whole, German") << 30.0f << german << "30";
    QTest::newRow("whole, C") << 30.0f << QLocale::c() << "30";
    QTest::newRow("thousands without separator") << 1000.0f << german << "1000";
}

void TestSheetFiles::numberText()
{
    QFETCH(float, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);

    QLocale::setDefault(locale);
    QCOMPARE(::numberText(value), expected);
}

QTEST_MAIN(TestSheetFiles)
#include "tst_sheetfiles.moc"
