#pragma once
// The program's audio player: Qt Multimedia, created on the first sound. A missing file
// reports that it could not be loaded; a file the system cannot decode just stays silent.
#include <QObject>
#include <memory>

#include "archive/windows/Environment.h"

class QAudioOutput;
class QMediaPlayer;

namespace custovia {

class MediaAudioPlayer final : public AudioPlayer {
public:
    MediaAudioPlayer();
    ~MediaAudioPlayer() override;
    bool play(const std::filesystem::path& file) override;
    void stop() override;

    // The player behind the sounds, once there has been one; for watching it at work.
    const QMediaPlayer* mediaPlayer() const { return player_.get(); }

private:
    std::unique_ptr<QMediaPlayer> player_;
    std::unique_ptr<QAudioOutput> output_;
};

}  // namespace custovia
