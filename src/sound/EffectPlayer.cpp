// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/EffectPlayer.h"

#include <QAudio>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace stratagon {

namespace {

// The slider's per cent as the ear hears them: 50 sounds half as loud as 100.
float linearVolume(int percent)
{
    return float(QAudio::convertVolume(percent / 100.0, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
}

}  // namespace

// Lives on the sound thread: the effects and every call into Qt Multimedia.
class EffectWorker : public QObject {
public:
    void load(const std::array<QString, SoundCueCount>& files, int volume, std::atomic<bool>& hasOutput)
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        hasOutput = !device.isNull();
        if (device.isNull())
            return;
        for (std::size_t i = 1; i < effects_.size(); ++i) {
            auto effect = std::make_unique<QSoundEffect>(device);
            effect->setSource(QUrl::fromLocalFile(files[i]));
            effect->setVolume(linearVolume(volume));
            effects_[i] = std::move(effect);
        }
    }

    void play(SoundCue cue)
    {
        QSoundEffect* effect = effects_[std::size_t(cue)].get();
        // A file that is missing or failed to load stays silent.
        if (effect && effect->status() == QSoundEffect::Ready)
            effect->play();
    }

    void setVolume(int percent)
    {
        for (const auto& effect : effects_)
            if (effect)
                effect->setVolume(linearVolume(percent));
    }

private:
    std::array<std::unique_ptr<QSoundEffect>, SoundCueCount> effects_;
};

EffectPlayer::EffectPlayer(const std::array<QString, SoundCueCount>& files)
{
    thread_ = new QThread;
    thread_->setObjectName(QStringLiteral("sound"));
    worker_ = new EffectWorker;
    worker_->moveToThread(thread_);
    QObject::connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_->start();
    QMetaObject::invokeMethod(worker_, [worker = worker_, files, volume = volume(), has = hasOutput_, ready = ready_] {
        worker->load(files, volume, *has);
        *ready = true;
    });
}

EffectPlayer::~EffectPlayer()
{
    thread_->quit();
    // A sound server that hangs keeps its thread, left behind: the game still ends.
    if (thread_->wait(2000))
        delete thread_;
}

void EffectPlayer::output(SoundCue cue)
{
    QMetaObject::invokeMethod(worker_, [worker = worker_, cue] { worker->play(cue); });
}

void EffectPlayer::volumeChanged(int percent)
{
    QMetaObject::invokeMethod(worker_, [worker = worker_, percent] { worker->setVolume(percent); });
}

}  // namespace stratagon
