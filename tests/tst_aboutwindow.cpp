#include "picture/embeddedassets.h"
#include "picture/picturefile.h"
#include "windows/aboutwindow.h"
#include "windows/mediacontrol.h"
#include "windows/windowopeners.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// Every step any media control was asked to do, in order.
QStringList &mediaLog()
{
    static QStringList log;
    return log;
}

// A silent media control that only writes down what it is told.
class SilentControl : public MediaControl
{
public:
    void setFileName(const QString &path) override
    {
        mediaLog() << QStringLiteral("file ") + QFileInfo(path).fileName();
    }
    void command(const QString &command) override { mediaLog() << command; }
    QString status() const override { return QString(); }
};

const QStringList startSequence = {QStringLiteral("file rolltide.mid"), QStringLiteral("open"),
                                   QStringLiteral("play")};
const QStringList stopSequence = {QStringLiteral("stop"), QStringLiteral("close")};

} // namespace

class TestAboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void opensInDesignState();
    void labels_data();
    void labels();
    void labelCycle_data();
    void labelCycle();
    void okKeys_data();
    void okKeys();
    void okRestartsTheCycle();
    void closeBoxSendsNoCommand();
    void openTwiceKeepsOneWindow();
    void restartTimerStopsFirst();
    void withoutSideFileStillCycles();

private:
    AboutWindow *open();
    QStringList visibleLabels() const;
    QString sideFile() const { return m_folder.filePath(QStringLiteral("dat3.RES")); }

    QTemporaryDir m_folder;
    QPointer<AboutWindow> m_slot;
};

void TestAboutWindow::initTestCase()
{
    QVERIFY(m_folder.isValid());
    setProgramFolder(m_folder.path());
    MediaControl::setFactory([] { return std::make_unique<SilentControl>(); });
}

void TestAboutWindow::init()
{
    QFile tune(sideFile());
    QVERIFY(tune.open(QIODevice::WriteOnly));
    tune.write("MThd");
    tune.close();
    mediaLog().clear();
}

void TestAboutWindow::cleanup()
{
    delete m_slot.data();
    QFile::remove(sideFile());
    QFile::remove(m_folder.filePath(QStringLiteral("rolltide.mid")));
}

AboutWindow *TestAboutWindow::open()
{
    showAboutWindow(m_slot);
    return m_slot.data();
}

QStringList TestAboutWindow::visibleLabels() const
{
    QStringList visible;
    for (const char *name : {"l1", "l2", "l3", "l4"}) {
        auto *label = m_slot->findChild<QLabel *>(QString::fromLatin1(name));
        if (label && label->isVisibleTo(m_slot))
            visible << label->objectName();
    }
    return visible;
}

void TestAboutWindow::opensInDesignState()
{
    AboutWindow *window = open();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), QStringLiteral("ChipAbout"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Zellforma (Version 1.0, Build 36)"));
    QVERIFY(window->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QCOMPARE(window->minimumSize(), QSize(382, 285));
    QCOMPARE(window->maximumSize(), QSize(382, 285));
    QCOMPARE(window->palette().color(QPalette::Window), QColor(128, 255, 255));

    // A tool window keeps out of the taskbar.
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    auto *image = window->findChild<QLabel *>(QStringLiteral("Image1"));
    QVERIFY(image);
    QCOMPARE(image->geometry(), QRect(0, 0, 379, 284));
    QVERIFY(image->hasScaledContents());
    QVERIFY(!embeddedAsset(QStringLiteral("about.jpg")).isEmpty());
    QCOMPARE(image->pixmap().size(), QSize(379, 356));

    auto *ok = window->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    QCOMPARE(ok->geometry(), QRect(288, 248, 97, 39));
    QVERIFY(ok->isDefault());

    auto *ani = window->findChild<QTimer *>(QStringLiteral("ani"));
    auto *nochrolltide = window->findChild<QTimer *>(QStringLiteral("nochrolltide"));
    QVERIFY(ani && nochrolltide);
    QVERIFY(ani->isActive());
    QCOMPARE(ani->interval(), 3000);
    QVERIFY(nochrolltide->isActive());
    QCOMPARE(nochrolltide->interval(), 56000);

    QCOMPARE(window->aboutStep(), 1);
    QCOMPARE(visibleLabels(), QStringList{QStringLiteral("l1")});
    QCOMPARE(mediaLog(), startSequence);
    QVERIFY(QFile::exists(sideFile()));
}

void TestAboutWindow::labels_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");

    QTest::newRow("l1") << "l1" << QRect(224, 80, 153, 17) << "Zellforma";
    QTest::newRow("l2") << "l2" << QRect(240, 80, 129, 17) << "Von: Zellforma-Team";
    QTest::newRow("l3") << "l3" << QRect(248, 80, 113, 17) << "Version 1.0";
    QTest::newRow("l4") << "l4" << QRect(256, 80, 97, 17) << "Musik: ebenso";
}

void TestAboutWindow::labels()
{
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    auto *label = open()->findChild<QLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->geometry(), place);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().family(), QStringLiteral("Comic Sans MS"));
    QCOMPARE(label->font().pointSize(), 9);
    QVERIFY(!label->autoFillBackground());
    // Whatever font stands in for the named one, the line is not cut off.
    QVERIFY(label->fontMetrics().horizontalAdvance(text) <= place.width());
}

void TestAboutWindow::labelCycle_data()
{
    QTest::addColumn<int>("tickCount");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("step");

    QTest::newRow("at load") << 0 << "l1" << 1;
    QTest::newRow("3 s") << 1 << "l2" << 2;
    QTest::newRow("6 s") << 2 << "l4" << 3;
    QTest::newRow("9 s") << 3 << "l3" << 4;
    QTest::newRow("12 s") << 4 << "l1" << 1;
    QTest::newRow("15 s") << 5 << "l2" << 2;
    QTest::newRow("second round 9 s") << 7 << "l3" << 4;
}

void TestAboutWindow::labelCycle()
{
    QFETCH(int, tickCount);
    QFETCH(QString, shown);
    QFETCH(int, step);

    AboutWindow *window = open();
    for (int i = 0; i < tickCount; ++i)
        window->ani_Timer();
    QCOMPARE(visibleLabels(), QStringList{shown});
    QCOMPARE(window->aboutStep(), step);
}

void TestAboutWindow::okKeys_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestAboutWindow::okKeys()
{
    QFETCH(int, key);

    AboutWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *ok = window->findChild<QPushButton *>(QStringLiteral("cmdOK"));
    mediaLog().clear();
    QTest::keyClick(ok, Qt::Key(key));
    QCOMPARE(mediaLog(), stopSequence);
    QTRY_VERIFY(m_slot.isNull());
}

void TestAboutWindow::okRestartsTheCycle()
{
    AboutWindow *window = open();
    window->ani_Timer();
    window->ani_Timer();
    mediaLog().clear();
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                      Qt::LeftButton);
    QCOMPARE(mediaLog(), stopSequence);
    QTRY_VERIFY(m_slot.isNull());

    mediaLog().clear();
    window = open();
    QCOMPARE(window->aboutStep(), 1);
    QCOMPARE(visibleLabels(), QStringList{QStringLiteral("l1")});
    QCOMPARE(mediaLog(), startSequence);
    window->ani_Timer();
    QCOMPARE(visibleLabels(), QStringList{QStringLiteral("l2")});
}

void TestAboutWindow::closeBoxSendsNoCommand()
{
    AboutWindow *window = open();
    mediaLog().clear();
    QVERIFY(window->close());
    QTRY_VERIFY(m_slot.isNull());
    QVERIFY(mediaLog().isEmpty());
}

void TestAboutWindow::openTwiceKeepsOneWindow()
{
    AboutWindow *window = open();
    window->ani_Timer();
    const QStringList logBefore = mediaLog();

    showAboutWindow(m_slot);
    QCOMPARE(m_slot.data(), window);
    QCOMPARE(window->aboutStep(), 2);
    QCOMPARE(visibleLabels(), QStringList{QStringLiteral("l2")});
    QCOMPARE(mediaLog(), logBefore);

    int aboutWindows = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        aboutWindows += qobject_cast<AboutWindow *>(widget) ? 1 : 0;
    QCOMPARE(aboutWindows, 1);
}

void TestAboutWindow::restartTimerStopsFirst()
{
    AboutWindow *window = open();
    mediaLog().clear();
    window->nochrolltide_Timer();
    QCOMPARE(mediaLog(), stopSequence + startSequence);
    QVERIFY(QFile::exists(sideFile()));
    QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("rolltide.mid"))));
}

void TestAboutWindow::withoutSideFileStillCycles()
{
    QVERIFY(QFile::remove(sideFile()));
    AboutWindow *window = open();
    QVERIFY(window && window->isVisible());
    QVERIFY(mediaLog().isEmpty());
    window->ani_Timer();
    QCOMPARE(visibleLabels(), QStringList{QStringLiteral("l2")});
    QCOMPARE(window->aboutStep(), 2);
}

QTEST_MAIN(TestAboutWindow)
#include "tst_aboutwindow.moc"
