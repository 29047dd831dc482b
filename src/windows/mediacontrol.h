#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <stdexcept>

// A command the media control could not carry out.
class MediaError : public std::runtime_error
{
public:
    explicit MediaError(const QString &what);
};

// The invisible media control of the About and help windows: a MIDI player
// driven by a file name and the commands "open", "play", "stop" and "close".
class MediaControl
{
public:
    virtual ~MediaControl() = default;

    virtual void setFileName(const QString &path) = 0;
    // Throws MediaError when the command fails.
    virtual void command(const QString &command) = 0;
    // What the control last did or why it stays silent; nobody but tests reads it.
    virtual QString status() const = 0;

    // Every window gets its control from here; tests hand in a recording fake.
    using Factory = std::function<std::unique_ptr<MediaControl>()>;
    static std::unique_ptr<MediaControl> create();
    static void setFactory(Factory factory); // empty: back to the real player
};
