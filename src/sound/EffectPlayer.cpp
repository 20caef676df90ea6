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
        device_ = device, files_ = files, volume_ = volume;
        for (std::size_t i = 1; i < effects_.size(); ++i)
            effects_[i] = make(i);
    }

    void play(SoundCue cue)
    {
        const auto i = std::size_t(cue);
        if (!effects_[i] || effects_[i]->status() != QSoundEffect::Ready)
            return;  // a file that is missing or failed to load stays silent
        // Qt 6.4 plays one effect only a few times under PulseAudio, then no
        // more: each play after the first is on a fresh one (the sample stays
        // in Qt's cache, so it plays as soon as it is asked to).
        if (played_[i] && !effects_[i]->isPlaying())
            effects_[i] = make(i);
        played_[i] = true;
        effects_[i]->play();
    }

    void setVolume(int percent)
    {
        volume_ = percent;
        for (const auto& effect : effects_)
            if (effect)
                effect->setVolume(linearVolume(percent));
    }

private:
    std::unique_ptr<QSoundEffect> make(std::size_t i) const
    {
        auto effect = std::make_unique<QSoundEffect>(device_);
        effect->setSource(QUrl::fromLocalFile(files_[i]));
        effect->setVolume(linearVolume(volume_));
        return effect;
    }

    QAudioDevice device_;
    std::array<QString, SoundCueCount> files_;
    int volume_ = 0;
    std::array<std::unique_ptr<QSoundEffect>, SoundCueCount> effects_;
    std::array<bool, SoundCueCount> played_{};
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
