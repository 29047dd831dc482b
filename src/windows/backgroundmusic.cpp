#include "backgroundmusic.h"

#include "mediacontrol.h"
#include "picture/picturefile.h"

#include <QFile>

#include <stdexcept>

BackgroundMusic::BackgroundMusic(const QString &ownName, const QString &tempName)
    : m_ownName(ownName)
    , m_tempName(tempName)
    , m_control(MediaControl::create())
{
}

// The control ends with the window; the real one stops its tune as it goes.
BackgroundMusic::~BackgroundMusic() = default;

void BackgroundMusic::start()
{
    if (!renameToTemp())
        return;
    openAndPlay();
}

void BackgroundMusic::restartStopFirst()
{
    try {
        m_control->command(QStringLiteral("stop"));
        m_control->command(QStringLiteral("close"));
    } catch (const std::exception &) {
        return;
    }
    start();
}

void BackgroundMusic::restartRenameFirst()
{
    if (!renameToTemp())
        return;
    try {
        m_control->command(QStringLiteral("stop"));
        m_control->command(QStringLiteral("close"));
    } catch (const std::exception &) {
        giveNameBack();
        return;
    }
    openAndPlay();
}

bool BackgroundMusic::stop()
{
    try {
        m_control->command(QStringLiteral("stop"));
        m_control->command(QStringLiteral("close"));
    } catch (const std::exception &) {
        return false;
    }
    return true;
}

// Fails when the side file is missing or a file already has the temporary
// name: QFile::rename never overwrites.
bool BackgroundMusic::renameToTemp() const
{
    return QFile::rename(programFile(m_ownName), programFile(m_tempName));
}

// Also after a failed command: left under its temporary name, the side file
// would keep the window silent at every later start. A file that meanwhile
// stands under the own name is not overwritten; then both stay as they are.
void BackgroundMusic::giveNameBack() const
{
    QFile::rename(programFile(m_tempName), programFile(m_ownName));
}

void BackgroundMusic::openAndPlay()
{
    try {
        m_control->setFileName(programFile(m_tempName));
        m_control->command(QStringLiteral("open"));
        m_control->command(QStringLiteral("play"));
    } catch (const std::exception &) {
        // The sequence ends here, apart from the name.
    }
    giveNameBack();
}
