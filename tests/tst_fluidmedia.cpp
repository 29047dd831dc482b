#include "windows/fluidmediacontrol.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

double rms(const std::vector<float> &samples)
{
    if (samples.empty())
        return 0.0;
    double sum = 0.0;
    for (float sample : samples)
        sum += double(sample) * sample;
    return std::sqrt(sum / double(samples.size()));
}

// A second of audio is loud enough well above this; silence is zero.
constexpr double audible = 0.002;

bool haveSoundFont()
{
    return QFile::exists(QStringLiteral(ZF_SOUNDFONT));
}

} // namespace

// The real FluidSynth control, played offline into a buffer.
class TestFluidMedia : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void playsOurTunes_data();
    void playsOurTunes();
    void keepsPlayingWhenTheFileMoves();
    void openFails_data();
    void openFails();
    void closeReleasesTheFile();
    void commandsInAnyOrder_data();
    void commandsInAnyOrder();
    void silentWithoutSoundFont();
    void deviceOutputNeverFails();

private:
    QString copyTune(const QString &name, const QString &as);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestFluidMedia::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

// Works on a copy, so the build's own side files are never renamed or deleted.
QString TestFluidMedia::copyTune(const QString &name, const QString &as)
{
    const QString source = QDir(QStringLiteral(ZF_BIN_DIR)).filePath(name);
    const QString target = m_dir->filePath(as);
    if (!QFile::copy(source, target))
        return QString();
    return target;
}

void TestFluidMedia::playsOurTunes_data()
{
    QTest::addColumn<QString>("sideFile");
    QTest::addColumn<QString>("tempName");
    QTest::newRow("About tune") << "dat3.RES" << "rolltide.mid";
    QTest::newRow("help tune") << "dat2.res" << "bond.mid";
}

// Our generated tunes open, sound and fall silent on "stop".
void TestFluidMedia::playsOurTunes()
{
    if (!haveSoundFont())
        QSKIP("No General MIDI sound font at " ZF_SOUNDFONT " (package timgm6mb-soundfont)");
    QFETCH(QString, sideFile);
    QFETCH(QString, tempName);
    const QString path = copyTune(sideFile, tempName);
    QVERIFY2(!path.isEmpty(), qPrintable(sideFile + " is missing from " ZF_BIN_DIR));

    FluidMediaControl control(FluidMediaControl::Output::Offline);
    control.setFileName(path);
    control.command(QStringLiteral("open"));
    QVERIFY(control.isOpen());
    QVERIFY2(!control.isSilent(), qPrintable(control.status()));

    // Opened but not started: nothing sounds.
    QVERIFY(rms(control.renderOffline(FluidMediaControl::sampleRate / 4)) < audible / 10);

    control.command(QStringLiteral("play"));
    QVERIFY(control.status().startsWith(QLatin1String("playing")));
    for (int second = 0; second < 4; ++second) {
        const double level = rms(control.renderOffline(FluidMediaControl::sampleRate));
        QVERIFY2(level > audible, qPrintable(QStringLiteral("second %1: rms %2")
                                                 .arg(second)
                                                 .arg(level)));
    }

    control.command(QStringLiteral("stop"));
    control.renderOffline(FluidMediaControl::sampleRate / 2); // reverb tail
    QVERIFY(rms(control.renderOffline(FluidMediaControl::sampleRate)) < audible / 10);
    control.command(QStringLiteral("close"));
    QVERIFY(!control.isOpen());
}

// "open" reads the whole file: the rename back right after "play" (or even a
// deletion) does not disturb the tune.
void TestFluidMedia::keepsPlayingWhenTheFileMoves()
{
    if (!haveSoundFont())
        QSKIP("No General MIDI sound font at " ZF_SOUNDFONT " (package timgm6mb-soundfont)");
    const QString path = copyTune(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));
    QVERIFY(!path.isEmpty());

    FluidMediaControl control(FluidMediaControl::Output::Offline);
    control.setFileName(path);
    control.command(QStringLiteral("open"));
    control.command(QStringLiteral("play"));
    QVERIFY(QFile::rename(path, m_dir->filePath(QStringLiteral("dat2.res"))));
    QVERIFY(QFile::remove(m_dir->filePath(QStringLiteral("dat2.res"))));

    QVERIFY(rms(control.renderOffline(2 * FluidMediaControl::sampleRate)) > audible);
}

void TestFluidMedia::openFails_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing file") << "bond.mid" << QByteArray();
    QTest::newRow("empty file") << "bond.mid" << QByteArray("");
    QTest::newRow("not MIDI") << "bond.mid" << QByteArray("RIFF\x24\0\0\0WAVEfmt plus more", 24);
    QTest::newRow("header cut short") << "bond.mid" << QByteArray("MThd\0\0\0\6", 8);
    QTest::newRow("a folder") << "folder" << QByteArray();
    QTest::newRow("no file name") << "" << QByteArray();
}

void TestFluidMedia::openFails()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QString path;
    if (!name.isEmpty())
        path = m_dir->filePath(name);
    if (name == QLatin1String("folder"))
        QVERIFY(QDir(m_dir->path()).mkdir(name));
    else if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    FluidMediaControl control(FluidMediaControl::Output::Offline);
    if (!path.isEmpty())
        control.setFileName(path);
    QVERIFY_THROWS_EXCEPTION(MediaError, control.command(QStringLiteral("open")));
    QVERIFY(!control.isOpen());
    // What follows in the windows' sequences must not crash.
    QVERIFY_THROWS_EXCEPTION(MediaError, control.command(QStringLiteral("play")));
    control.command(QStringLiteral("stop"));
    control.command(QStringLiteral("close"));
}

// After "stop" and "close" nothing holds the file: it can be renamed, deleted
// and opened again.
void TestFluidMedia::closeReleasesTheFile()
{
    const QString path = copyTune(QStringLiteral("dat3.RES"), QStringLiteral("rolltide.mid"));
    QVERIFY(!path.isEmpty());
    FluidMediaControl control(FluidMediaControl::Output::Offline);
    control.setFileName(path);
    control.command(QStringLiteral("open"));
    control.command(QStringLiteral("play"));
    control.renderOffline(1024);
    control.command(QStringLiteral("stop"));
    control.command(QStringLiteral("close"));
    QCOMPARE(control.status(), QStringLiteral("closed"));

    const QString own = m_dir->filePath(QStringLiteral("dat3.RES"));
    QVERIFY(QFile::rename(path, own));
    QVERIFY(QFile::rename(own, path));
    control.command(QStringLiteral("open"));
    QVERIFY(control.isOpen());
    control.command(QStringLiteral("close"));
    QVERIFY(QFile::remove(path));
    QVERIFY(!QFile::exists(path));
}

void TestFluidMedia::commandsInAnyOrder_data()
{
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<bool>("openAtEnd");
    QTest::newRow("stop and close twice, as the help window's Beenden does")
        << QStringList{"open", "play", "stop", "close", "stop", "close"} << false;
    QTest::newRow("everything on a fresh control")
        << QStringList{"stop", "close", "play", "close"} << false;
    QTest::newRow("open twice") << QStringList{"open", "play", "open", "play"} << true;
    QTest::newRow("play twice, stop twice")
        << QStringList{"open", "play", "play", "stop", "stop", "play"} << true;
    QTest::newRow("play after close") << QStringList{"open", "close", "play"} << false;
    QTest::newRow("close without stop, then again")
        << QStringList{"open", "play", "close", "open", "play"} << true;
    QTest::newRow("unknown command") << QStringList{"open", "rewind", "play"} << true;
}

// Refused commands throw MediaError and leave the control usable; none crash.
void TestFluidMedia::commandsInAnyOrder()
{
    QFETCH(QStringList, commands);
    QFETCH(bool, openAtEnd);
    const QString path = copyTune(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));
    QVERIFY(!path.isEmpty());

    FluidMediaControl control(FluidMediaControl::Output::Offline);
    control.setFileName(path);
    for (const QString &command : commands) {
        try {
            control.command(command);
        } catch (const MediaError &) {
        }
        control.renderOffline(512);
    }
    QCOMPARE(control.isOpen(), openAtEnd);
    // A "play" after "stop" goes on where the tune stood, maybe in a pause.
    if (openAtEnd && haveSoundFont())
        QVERIFY(rms(control.renderOffline(2 * FluidMediaControl::sampleRate)) > audible);
}

// Without a sound font the control opens and plays without error and says in
// its status why nothing is heard.
void TestFluidMedia::silentWithoutSoundFont()
{
    const QString path = copyTune(QStringLiteral("dat2.res"), QStringLiteral("bond.mid"));
    QVERIFY(!path.isEmpty());
    FluidMediaControl control(FluidMediaControl::Output::Offline,
                              m_dir->filePath(QStringLiteral("none.sf2")));
    control.setFileName(path);
    control.command(QStringLiteral("open"));
    control.command(QStringLiteral("play"));
    QVERIFY(control.isOpen());
    QVERIFY(control.isSilent());
    QVERIFY2(control.status().contains(QLatin1String("sound font")), qPrintable(control.status()));
    QCOMPARE(rms(control.renderOffline(4096)), 0.0);
    control.command(QStringLiteral("stop"));
    control.command(QStringLiteral("close"));
    QVERIFY(!control.isOpen());
}

// Through the sound device, whether the machine has one or not: "open" and
// "play" succeed and return promptly; a machine without one stays silent.
void TestFluidMedia::deviceOutputNeverFails()
{
    const QString path = copyTune(QStringLiteral("dat3.RES"), QStringLiteral("rolltide.mid"));
    QVERIFY(!path.isEmpty());
    FluidMediaControl control;
    control.setFileName(path);
    QElapsedTimer clock;
    clock.start();
    control.command(QStringLiteral("open"));
    control.command(QStringLiteral("play"));
    QVERIFY2(clock.elapsed() < 5000, "open and play must not wait for the tune");
    QVERIFY(control.isOpen());
    QVERIFY2(control.isSilent() == control.status().startsWith(QLatin1String("silent")),
             qPrintable(control.status()));
    qInfo("%s", qPrintable(control.status()));
    control.command(QStringLiteral("stop"));
    control.command(QStringLiteral("close"));
    QVERIFY(!control.isOpen());
}

QTEST_GUILESS_MAIN(TestFluidMedia)
#include "tst_fluidmedia.moc"
