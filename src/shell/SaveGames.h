// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving and loading through the windows: the file format is
// storage/SaveGame.h, this adds where saves live, the bitmap in use and the
// messages to the player.

#include <QString>

class QWidget;

namespace stratagon {

class Program;
struct WorldState;

// "Südafrika, März 2003": the player's country and the game date.
QString suggestedSaveName(const WorldState& world);

// The file a save of this name goes to.
QString saveFileFor(const Program& program, const QString& name);

// Asks for the name to save the running game under, offering the player's
// country and the date, and before replacing a save of that name. The name
// trimmed and cut to 80 characters; "" when the player cancelled either box.
QString askSaveName(const Program& program, QWidget* parent);

// Saves the running game under `name`; a failed write is reported in a box
// that names the file. A save always holds a paused game.
bool saveGame(Program& program, QWidget* parent, const QString& name);

// The autosave, when a game is running; replaced on every call.
void saveAutomatically(Program& program, QWidget* parent);

// The game start's own check of a saved game against its map picture, the
// PictureCheck of every load: empty when it can be played on it.
QString checkSavedPicture(const WorldState& game, const QString& bitmapPath);

// Loads the save in `file` and opens it paused in the main window. A refused
// file is reported and leaves the running game as it was.
bool loadGame(Program& program, QWidget* parent, const QString& file);

}  // namespace stratagon
