// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays the sound a cue calls for, or nothing: the player's "Ton :" and
// "Lautstärke :" are kept here, so every way of playing honours them. A
// player of sounds never blocks and never reports a failure: a game without
// sound is still a game.

#include "simulation/SoundCue.h"

#include <QString>

namespace stratagon {

class SoundPlayer {
public:
    static constexpr int DefaultVolume = 60;

    virtual ~SoundPlayer() = default;

    // Nothing for SoundCue::None, with "Ton : Aus" or at volume 0.
    void play(SoundCue cue);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    // In per cent, 0..100; values outside are brought into the range.
    int volume() const { return volume_; }
    void setVolume(int percent);

    // The file of each cue in the sounds folder ("attack.wav"); empty for None.
    static QString fileName(SoundCue cue);

protected:
    virtual void output(SoundCue cue) = 0;
    virtual void volumeChanged(int /*percent*/) {}

private:
    bool enabled_ = true;
    int volume_ = DefaultVolume;
};

// The player of a program that was given none.
class NoSound final : public SoundPlayer {
protected:
    void output(SoundCue) override {}
};

}  // namespace stratagon
