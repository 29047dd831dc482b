#include "fluidmediacontrol.h"

#include <QFile>
#include <QFileInfo>

#include <fluidsynth.h>

#include <algorithm>

namespace {

// FluidSynth writes its complaints (no sound device, and the like) to stderr;
// a silent control reports them in its status instead.
void quietFluidSynth()
{
    static const bool quiet = [] {
        for (int level = FLUID_PANIC; level <= FLUID_DBG; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)quiet;
}

bool looksLikeMidi(const QByteArray &data)
{
    return data.size() >= 14 && data.startsWith("MThd");
}

} // namespace

FluidMediaControl::FluidMediaControl(Output output, const QString &soundFont)
    : m_output(output)
    , m_soundFont(soundFont)
    , m_status(QStringLiteral("closed"))
{
    quietFluidSynth();
}

FluidMediaControl::~FluidMediaControl()
{
    close();
}

void FluidMediaControl::setFileName(const QString &path)
{
    m_fileName = path;
}

void FluidMediaControl::command(const QString &command)
{
    const QString name = command.trimmed().toLower();
    if (name == QLatin1String("open"))
        open();
    else if (name == QLatin1String("play"))
        play();
    else if (name == QLatin1String("stop"))
        stop();
    else if (name == QLatin1String("close"))
        close();
    else
        throw MediaError(QStringLiteral("unknown command \"%1\"").arg(command));
}

QString FluidMediaControl::status() const
{
    return m_status;
}

bool FluidMediaControl::isOpen() const
{
    return m_open;
}

bool FluidMediaControl::isSilent() const
{
    return m_open && !m_player;
}

// The whole file is read here, so that renaming or deleting it afterwards
// cannot disturb playback.
void FluidMediaControl::open()
{
    if (m_fileName.isEmpty())
        throw MediaError(QStringLiteral("open: no file name set"));
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw MediaError(QStringLiteral("open: cannot read %1: %2")
                             .arg(m_fileName, file.errorString()));
    const QByteArray tune = file.readAll();
    const bool readFailed = file.error() != QFileDevice::NoError;
    file.close();
    if (readFailed)
        throw MediaError(QStringLiteral("open: cannot read %1").arg(m_fileName));
    if (!looksLikeMidi(tune))
        throw MediaError(QStringLiteral("open: %1 is not a MIDI file").arg(m_fileName));

    close();
    m_tune = tune;
    m_open = true;
    const QString shortName = QFileInfo(m_fileName).fileName();

    if (!QFileInfo(m_soundFont).isReadable()) {
        m_status = QStringLiteral("silent: no sound font at %1").arg(m_soundFont);
        return;
    }

    m_settings = new_fluid_settings();
    fluid_settings_setnum(m_settings, "synth.sample-rate", sampleRate);
    m_synth = m_settings ? new_fluid_synth(m_settings) : nullptr;
    if (!m_synth
        || fluid_synth_sfload(m_synth, QFile::encodeName(m_soundFont).constData(), 1)
               == FLUID_FAILED) {
        releaseSynth();
        m_status = QStringLiteral("silent: cannot load the sound font %1").arg(m_soundFont);
        return;
    }

    m_player = new_fluid_player(m_synth);
    if (!m_player
        || fluid_player_add_mem(m_player, m_tune.constData(), size_t(m_tune.size()))
               != FLUID_OK) {
        close();
        throw MediaError(QStringLiteral("open: the player refuses %1").arg(m_fileName));
    }

    if (m_output == Output::Device) {
        startDevice();
        if (!m_driver) {
            // Nothing to play on: keep the tune, drop the synthesizer.
            releaseSynth();
            m_status = QStringLiteral("silent: no audio output for %1").arg(shortName);
            return;
        }
    }
    m_status = QStringLiteral("open: %1").arg(shortName);
}

// The default driver first; if it finds no device, the usual Linux sound
// servers by name. Each attempt fails at once when its device is absent.
void FluidMediaControl::startDevice()
{
    m_driver = new_fluid_audio_driver(m_settings, m_synth);
    if (m_driver)
        return;
    char *tried = nullptr;
    fluid_settings_dupstr(m_settings, "audio.driver", &tried);
    const QByteArray triedName(tried ? tried : "");
    fluid_free(tried);
    for (const char *name : {"pulseaudio", "alsa"}) {
        if (triedName == name)
            continue;
        if (fluid_settings_setstr(m_settings, "audio.driver", name) != FLUID_OK)
            continue;
        m_driver = new_fluid_audio_driver(m_settings, m_synth);
        if (m_driver)
            return;
    }
}

void FluidMediaControl::play()
{
    if (!m_open)
        throw MediaError(QStringLiteral("play: nothing is open"));
    if (!m_player)
        return; // silent; the status already says why
    if (fluid_player_play(m_player) != FLUID_OK)
        throw MediaError(QStringLiteral("play: the player refuses to start"));
    m_status = QStringLiteral("playing: %1").arg(QFileInfo(m_fileName).fileName());
}

void FluidMediaControl::stop()
{
    if (!m_player)
        return;
    fluid_player_stop(m_player);
    fluid_synth_all_sounds_off(m_synth, -1);
    m_status = QStringLiteral("stopped: %1").arg(QFileInfo(m_fileName).fileName());
}

void FluidMediaControl::close()
{
    releaseSynth();
    m_tune.clear();
    m_open = false;
    m_status = QStringLiteral("closed");
}

void FluidMediaControl::releaseSynth()
{
    // The driver's thread feeds on the synthesizer: it goes first.
    if (m_driver) {
        delete_fluid_audio_driver(m_driver);
        m_driver = nullptr;
    }
    if (m_player) {
        fluid_player_stop(m_player);
        delete_fluid_player(m_player);
        m_player = nullptr;
    }
    if (m_synth) {
        delete_fluid_synth(m_synth);
        m_synth = nullptr;
    }
    if (m_settings) {
        delete_fluid_settings(m_settings);
        m_settings = nullptr;
    }
}

std::vector<float> FluidMediaControl::renderOffline(int frames)
{
    std::vector<float> samples(size_t(std::max(frames, 0)) * 2, 0.0f);
    if (m_output != Output::Offline || !m_synth || samples.empty())
        return samples;
    constexpr int block = 4096;
    for (int done = 0; done < frames; done += block) {
        const int count = std::min(block, frames - done);
        float *out = samples.data() + size_t(done) * 2;
        fluid_synth_write_float(m_synth, count, out, 0, 2, out, 1, 2);
    }
    return samples;
}
