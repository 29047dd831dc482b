#include "picture/picturefile.h"
#include "windows/backgroundmusic.h"
#include "windows/fluidmediacontrol.h"
#include "windows/mediacontrol.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// What the fake control saw, shared between the test and the fake.
struct Recording
{
    QString folder;
    QStringList steps;
    QString failOn;         // the command that throws
    bool occupyOwnName = false; // before throwing, put a new file under this name
    QString ownName;
    int controlsMade = 0;
};

// Folder contents, sorted, e.g. "bond.mid" or "dat2.res,bond.mid" -> "bond.mid,dat2.res".
QString listing(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name).join(QLatin1Char(','));
}

// A media control that writes down each step together with the folder's
// contents at that moment, so that the order of renames and commands shows.
class RecordingControl : public MediaControl
{
public:
    explicit RecordingControl(std::shared_ptr<Recording> recording)
        : m_recording(std::move(recording))
    {
    }

    void setFileName(const QString &path) override
    {
        record(QStringLiteral("file ") + QDir(m_recording->folder).relativeFilePath(path));
    }

    void command(const QString &command) override
    {
        record(command);
        if (command == m_recording->failOn) {
            if (m_recording->occupyOwnName) {
                QFile intruder(programFile(m_recording->ownName));
                if (intruder.open(QIODevice::WriteOnly))
                    intruder.write("intruder");
            }
            throw MediaError(QStringLiteral("refused"));
        }
    }

    QString status() const override { return QString(); }

private:
    void record(const QString &step)
    {
        m_recording->steps << step + QStringLiteral(" | ") + listing(m_recording->folder);
    }

    std::shared_ptr<Recording> m_recording;
};

enum Sequence { Start, RestartStopFirst, RestartRenameFirst, Stop };

void run(BackgroundMusic &music, Sequence sequence)
{
    switch (sequence) {
    case Start:
        music.start();
        break;
    case RestartStopFirst:
        music.restartStopFirst();
        break;
    case RestartRenameFirst:
        music.restartRenameFirst();
        break;
    case Stop:
        music.stop();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Sequence)

// The rename dance around the media control, for both windows' names.
class TestMusic : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void sequences_data();
    void sequences();
    void missingSideFile_data();
    void missingSideFile();
    void staleTemporaryFile_data();
    void staleTemporaryFile();
    void failingCommand_data();
    void failingCommand();
    void stopReportsFailure();
    void bothWindowsShareTheFolder();
    void factoryChoosesTheControl();

private:
    void putFile(const QString &name, const QByteArray &content);
    QByteArray contentOf(const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::shared_ptr<Recording> m_recording;
};

void TestMusic::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    setProgramFolder(m_dir->path());
    m_recording = std::make_shared<Recording>();
    m_recording->folder = m_dir->path();
    std::shared_ptr<Recording> recording = m_recording;
    MediaControl::setFactory([recording] {
        ++recording->controlsMade;
        return std::make_unique<RecordingControl>(recording);
    });
}

void TestMusic::cleanup()
{
    MediaControl::setFactory({});
    m_dir.reset();
}

void TestMusic::putFile(const QString &name, const QByteArray &content)
{
    QFile file(QDir(m_dir->path()).filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray TestMusic::contentOf(const QString &name) const
{
    QFile file(QDir(m_dir->path()).filePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestMusic::sequences_data()
{
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<QString>("tempName");
    QTest::addColumn<Sequence>("sequence");
    QTest::addColumn<QStringList>("steps");

    const QStringList aboutStart = {
        "file rolltide.mid | rolltide.mid",
        "open | rolltide.mid",
        "play | rolltide.mid",
    };
    const QStringList helpStart = {
        "file bond.mid | bond.mid",
        "open | bond.mid",
        "play | bond.mid",
    };
    QTest::newRow("about start") << "dat3.RES" << "rolltide.mid" << Start << aboutStart;
    QTest::newRow("help start") << "dat2.res" << "bond.mid" << Start << helpStart;
    QTest::newRow("about restart: stop and close before the rename")
        << "dat3.RES" << "rolltide.mid" << RestartStopFirst
        << (QStringList{"stop | dat3.RES", "close | dat3.RES"} + aboutStart);
    QTest::newRow("help restart: rename before stop and close")
        << "dat2.res" << "bond.mid" << RestartRenameFirst
        << (QStringList{"stop | bond.mid", "close | bond.mid"} + helpStart);
    QTest::newRow("stop") << "dat2.res" << "bond.mid" << Stop
                          << QStringList{"stop | dat2.res", "close | dat2.res"};
}

// The steps in their order, and the side file under its own name afterwards
// with its content untouched.
void TestMusic::sequences()
{
    QFETCH(QString, ownName);
    QFETCH(QString, tempName);
    QFETCH(Sequence, sequence);
    QFETCH(QStringList, steps);

    putFile(ownName, "tune");
    BackgroundMusic music(ownName, tempName);
    run(music, sequence);

    QCOMPARE(m_recording->steps, steps);
    QCOMPARE(listing(m_dir->path()), ownName);
    QCOMPARE(contentOf(ownName), QByteArray("tune"));

    // Timer ticks come again and again; each restart runs the same way.
    if (sequence == RestartStopFirst || sequence == RestartRenameFirst) {
        m_recording->steps.clear();
        run(music, sequence);
        QCOMPARE(m_recording->steps, steps);
        QCOMPARE(listing(m_dir->path()), ownName);
    }
    QCOMPARE(m_recording->controlsMade, 1);
}

void TestMusic::missingSideFile_data()
{
    QTest::addColumn<Sequence>("sequence");
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("start") << Start << QStringList();
    QTest::newRow("about restart sends stop and close first")
        << RestartStopFirst << QStringList{"stop | ", "close | "};
    QTest::newRow("help restart stops at its rename") << RestartRenameFirst << QStringList();
}

void TestMusic::missingSideFile()
{
    QFETCH(Sequence, sequence);
    QFETCH(QStringList, steps);

    BackgroundMusic music(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));
    run(music, sequence);

    QCOMPARE(m_recording->steps, steps);
    QCOMPARE(listing(m_dir->path()), QString());
}

void TestMusic::staleTemporaryFile_data()
{
    missingSideFile_data();
}

// A leftover "bond.mid" beside "dat2.res": nothing is opened and neither file
// is touched.
void TestMusic::staleTemporaryFile()
{
    QFETCH(Sequence, sequence);
    QFETCH(QStringList, steps);

    putFile(QStringLiteral("dat2.res"), "own");
    putFile(QStringLiteral("bond.mid"), "stale");
    BackgroundMusic music(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));
    run(music, sequence);

    for (QString &step : steps)
        step += QStringLiteral("bond.mid,dat2.res");
    QCOMPARE(m_recording->steps, steps);
    QCOMPARE(listing(m_dir->path()), QStringLiteral("bond.mid,dat2.res"));
    QCOMPARE(contentOf(QStringLiteral("dat2.res")), QByteArray("own"));
    QCOMPARE(contentOf(QStringLiteral("bond.mid")), QByteArray("stale"));
}

void TestMusic::failingCommand_data()
{
    QTest::addColumn<Sequence>("sequence");
    QTest::addColumn<QString>("failOn");
    QTest::addColumn<bool>("occupyOwnName");
    QTest::addColumn<QStringList>("steps");

    const QString open = QStringLiteral("file bond.mid | bond.mid");
    QTest::newRow("start, open fails") << Start << "open" << false
                                       << QStringList{open, "open | bond.mid"};
    QTest::newRow("start, play fails")
        << Start << "play" << false << QStringList{open, "open | bond.mid", "play | bond.mid"};
    QTest::newRow("help restart, stop fails")
        << RestartRenameFirst << "stop" << false << QStringList{"stop | bond.mid"};
    QTest::newRow("help restart, close fails")
        << RestartRenameFirst << "close" << false
        << QStringList{"stop | bond.mid", "close | bond.mid"};
    QTest::newRow("help restart, open fails")
        << RestartRenameFirst << "open" << false
        << QStringList{"stop | bond.mid", "close | bond.mid", open, "open | bond.mid"};
    QTest::newRow("about restart, stop fails before any rename")
        << RestartStopFirst << "stop" << false << QStringList{"stop | dat2.res"};
    QTest::newRow("start, open fails, own name taken meanwhile")
        << Start << "open" << true << QStringList{open, "open | bond.mid"};
    QTest::newRow("help restart, close fails, own name taken meanwhile")
        << RestartRenameFirst << "close" << true
        << QStringList{"stop | bond.mid", "close | bond.mid"};
}

// After a failure the side file gets its own name back, so the next start
// plays again; a file that meanwhile took the own name is never overwritten.
void TestMusic::failingCommand()
{
    QFETCH(Sequence, sequence);
    QFETCH(QString, failOn);
    QFETCH(bool, occupyOwnName);
    QFETCH(QStringList, steps);

    putFile(QStringLiteral("dat2.res"), "tune");
    m_recording->failOn = failOn;
    m_recording->occupyOwnName = occupyOwnName;
    m_recording->ownName = QStringLiteral("dat2.res");
    BackgroundMusic music(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));
    run(music, sequence);

    QCOMPARE(m_recording->steps, steps);
    if (occupyOwnName) {
        QCOMPARE(listing(m_dir->path()), QStringLiteral("bond.mid,dat2.res"));
        QCOMPARE(contentOf(QStringLiteral("bond.mid")), QByteArray("tune"));
        QCOMPARE(contentOf(QStringLiteral("dat2.res")), QByteArray("intruder"));
        return;
    }
    QCOMPARE(listing(m_dir->path()), QStringLiteral("dat2.res"));
    QCOMPARE(contentOf(QStringLiteral("dat2.res")), QByteArray("tune"));

    // The next start finds the file and plays it.
    m_recording->failOn.clear();
    m_recording->steps.clear();
    music.start();
    QCOMPARE(m_recording->steps,
             (QStringList{"file bond.mid | bond.mid", "open | bond.mid", "play | bond.mid"}));
}

// A refused "stop" ends the stop sequence before "close"; the caller learns of it.
void TestMusic::stopReportsFailure()
{
    BackgroundMusic music(QStringLiteral("dat3.RES"), QStringLiteral("rolltide.mid"));
    QVERIFY(music.stop());
    m_recording->steps.clear();

    m_recording->failOn = QStringLiteral("stop");
    QVERIFY(!music.stop());
    QCOMPARE(m_recording->steps, QStringList{"stop | "});

    m_recording->failOn = QStringLiteral("close");
    m_recording->steps.clear();
    QVERIFY(!music.stop());
    QCOMPARE(m_recording->steps, (QStringList{"stop | ", "close | "}));
}

// The About and help windows open together: each keeps to its own files.
void TestMusic::bothWindowsShareTheFolder()
{
    putFile(QStringLiteral("dat3.RES"), "about");
    putFile(QStringLiteral("dat2.res"), "help");
    BackgroundMusic about(QStringLiteral("dat3.RES"), QStringLiteral("rolltide.mid"));
    BackgroundMusic help(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));

    about.start();
    help.start();
    help.restartRenameFirst();
    about.restartStopFirst();
    help.stop();
    help.stop();

    QCOMPARE(listing(m_dir->path()), QStringLiteral("dat2.res,dat3.RES"));
    QCOMPARE(contentOf(QStringLiteral("dat3.RES")), QByteArray("about"));
    QCOMPARE(contentOf(QStringLiteral("dat2.res")), QByteArray("help"));
    QCOMPARE(m_recording->controlsMade, 2);
    QVERIFY(m_recording->steps.contains("open | dat2.res,rolltide.mid"));
    QVERIFY(m_recording->steps.contains("open | bond.mid,dat3.RES"));
}

void TestMusic::factoryChoosesTheControl()
{
    std::unique_ptr<MediaControl> fake = MediaControl::create();
    QVERIFY(dynamic_cast<RecordingControl *>(fake.get()));

    // A factory that hands back nothing falls back to the real player.
    MediaControl::setFactory([] { return std::unique_ptr<MediaControl>(); });
    QVERIFY(dynamic_cast<FluidMediaControl *>(MediaControl::create().get()));

    MediaControl::setFactory({});
    QVERIFY(dynamic_cast<FluidMediaControl *>(MediaControl::create().get()));
}

QTEST_GUILESS_MAIN(TestMusic)
#include "tst_music.moc"
