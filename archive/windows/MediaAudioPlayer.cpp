#include "archive/windows/MediaAudioPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

namespace custovia {

MediaAudioPlayer::MediaAudioPlayer() = default;

MediaAudioPlayer::~MediaAudioPlayer() {
    if (player_) player_->stop();
}

bool MediaAudioPlayer::play(const std::filesystem::path& file) {
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) return false;
    if (!player_) {
        player_ = std::make_unique<QMediaPlayer>();
        output_ = std::make_unique<QAudioOutput>();
        player_->setAudioOutput(output_.get());
        // a file the system cannot decode, or no sound device, only means no sound: the
        // player's error is left unanswered and whoever asked for the sound goes on
    }
    // Every play starts as the first one does, on a source set afresh: the same source set
    // again is kept as it is, and a player restarted after the end of its sound (or
    // rewound while playing) often stays silent although it reports that it plays.
    player_->stop();
    player_->setSource(QUrl());
    player_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    player_->play();
    return true;
}

void MediaAudioPlayer::stop() {
    if (player_) player_->stop();
}

}  // namespace custovia
