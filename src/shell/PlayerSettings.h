// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the windows that change the player's own settings work with, instead
// of the whole program: game.dat's clock and opponent strength, the
// preferences, the sounds and the language. The program keeps them.

#include "world/Palette.h"

#include <QString>

class QWidget;

namespace stratagon {

class Preferences;
class SoundPlayer;

// game.dat's two values: a game month in ms and the opponent's divisor.
struct FileSettings {
    int monthInterval = 0;
    int aiDivisor = 0;
    bool operator==(const FileSettings&) const = default;
};

class PlayerSettings {
public:
    virtual ~PlayerSettings() = default;

    virtual Preferences& preferences() = 0;

    // The clock and strength a settings window starts from: those of an
    // ordinary game being played, else the player's own (game.dat's), also
    // during the guided game, which has its own.
    virtual FileSettings shownSettings() const = 0;
    // Keeps the values chosen: game.dat is written when they differ from
    // what it holds; an ordinary game being played takes them, the guided
    // game keeps its own. False when game.dat could not be written (the
    // player has been told, over `parent`).
    virtual bool keepSettings(const FileSettings& settings, QWidget* parent) = 0;

    // The player of the game's sounds as it is now.
    virtual SoundPlayer& sound() = 0;

    // The language of every window: use switches for this session, choose
    // also keeps it for the next.
    virtual QString language() const = 0;
    virtual void useLanguage(const QString& code) = 0;
    virtual void chooseLanguage(const QString& code) = 0;

    // The map's colours were chosen: the game's window shows them at once.
    virtual void showColours(ColourScheme scheme) = 0;
};

}  // namespace stratagon
