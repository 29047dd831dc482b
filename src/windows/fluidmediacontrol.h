#pragma once

#include "mediacontrol.h"

#include <QByteArray>

#include <fluidsynth/types.h>

#include <vector>

#ifndef ZF_SOUNDFONT
#define ZF_SOUNDFONT "/usr/share/sounds/sf2/TimGM6mb.sf2"
#endif

// The real media control: plays a MIDI file through FluidSynth with the
// General MIDI sound font. Without a sound device or sound font it stays
// silent and says so only in its status.
class FluidMediaControl : public MediaControl
{
public:
    // Device plays through the sound card; Offline plays only into
    // renderOffline(), for tests and machines without audio.
    enum class Output { Device, Offline };

    static constexpr int sampleRate = 44100;

    explicit FluidMediaControl(Output output = Output::Device,
                               const QString &soundFont = QStringLiteral(ZF_SOUNDFONT));
    ~FluidMediaControl() override;

    FluidMediaControl(const FluidMediaControl &) = delete;
    FluidMediaControl &operator=(const FluidMediaControl &) = delete;

    void setFileName(const QString &path) override;
    void command(const QString &command) override;
    QString status() const override;

    bool isOpen() const;
    // Open, but nothing will be heard (no sound font or no sound device).
    bool isSilent() const;

    // Offline output: lets the opened tune run on for the given number of
    // frames and returns them as interleaved stereo samples. Silence when
    // nothing is open, the control is silent or it plays through the device.
    std::vector<float> renderOffline(int frames);

private:
    void open();
    void play();
    void stop();
    void close();
    void startDevice();
    void releaseSynth();

    Output m_output;
    QString m_soundFont;
    QString m_fileName;
    QString m_status;
    bool m_open = false;
    QByteArray m_tune; // the whole file, read at "open"
    fluid_settings_t *m_settings = nullptr;
    fluid_synth_t *m_synth = nullptr;
    fluid_player_t *m_player = nullptr;
    fluid_audio_driver_t *m_driver = nullptr;
};
