#pragma once

#include <QString>

#include <memory>

class MediaControl;

// One window's tune: gives the side file in the program folder a temporary
// ".mid" name while the window's media control opens and starts it, then gives
// it its own name back. Every sequence ends silently at its first failure.
class BackgroundMusic
{
public:
    // ownName: the side file as it lies in the program folder ("dat2.res");
    // tempName: the name it has while the control opens it ("bond.mid").
    BackgroundMusic(const QString &ownName, const QString &tempName);
    ~BackgroundMusic();

    BackgroundMusic(const BackgroundMusic &) = delete;
    BackgroundMusic &operator=(const BackgroundMusic &) = delete;

    // Rename to the temporary name, set the file name, "open", "play",
    // rename back.
    void start();
    // The About window's restart: "stop", "close", then the start sequence.
    void restartStopFirst();
    // The help window's restart: rename to the temporary name, "stop",
    // "close", then the rest of the start sequence.
    void restartRenameFirst();
    // "stop", then "close". Returns false when one of them failed; the
    // failure itself is swallowed.
    bool stop();

private:
    bool renameToTemp() const;
    void giveNameBack() const;
    void openAndPlay();

    QString m_ownName;
    QString m_tempName;
    std::unique_ptr<MediaControl> m_control;
};
