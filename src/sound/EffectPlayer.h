// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sounds through Qt Multimedia: each effect loaded once, at the start,
// and played from memory. Everything that talks to the sound server runs on
// a thread of its own, so a cue costs the tick no more than a queued call,
// and a server that is slow or gone never holds up the game. Without an
// audio output (no device, no sound server) nothing is loaded and every cue
// is silently dropped.

#include "sound/SoundPlayer.h"

#include <QThread>
#include <array>
#include <atomic>
#include <memory>

namespace stratagon {

class EffectWorker;

class EffectPlayer final : public SoundPlayer {
public:
    // The WAV file of each cue, in the order of SoundCue (None's is ignored).
    explicit EffectPlayer(const std::array<QString, SoundCueCount>& files);
    ~EffectPlayer() override;

    // Whether an audio output was found; false until the sound thread has looked.
    bool hasOutput() const { return hasOutput_->load(); }
    // Whether the sound thread has looked for an output.
    bool ready() const { return ready_->load(); }

protected:
    void output(SoundCue cue) override;
    void volumeChanged(int percent) override;

private:
    QThread* thread_ = nullptr;
    EffectWorker* worker_ = nullptr;
    std::shared_ptr<std::atomic<bool>> hasOutput_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> ready_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace stratagon
