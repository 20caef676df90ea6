// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundPlayer.h"

#include <algorithm>
#include <array>

namespace stratagon {

void SoundPlayer::play(SoundCue cue)
{
    if (cue != SoundCue::None && enabled_ && volume_ > 0)
        output(cue);
}

void SoundPlayer::setVolume(int percent)
{
    volume_ = std::clamp(percent, 0, 100);
    volumeChanged(volume_);
}

QString SoundPlayer::fileName(SoundCue cue)
{
    // In the order of SoundCue; the names are those tools/soundgen writes.
    static const std::array<const char*, SoundCueCount> names{{
        "",
        "attack.wav",
        "promotion.wav",
        "battle-won.wav",
        "battle-lost.wav",
        "conquered.wav",
        "country-lost.wav",
        "threat.wav",
        "victory.wav",
        "defeat.wav",
    }};
    const int index = static_cast<int>(cue);
    return index >= 0 && index < SoundCueCount ? QString::fromLatin1(names[std::size_t(index)]) : QString();
}

}  // namespace stratagon
