// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Saving and loading through the windows: the file format is
// storage/SaveGame.h, this adds where saves live, the bitmap in use and the
// messages to the player.

#include <QString>

class QWidget;

namespace stratagon {

class AppPaths;
class Dialogs;
class GameSession;
struct WorldState;

// What saving and loading work with: where the saves are, the boxes that
// ask and tell, and the game (its world and what the player looks at).
struct SaveContext {
    const AppPaths& paths;
    Dialogs& dialogs;
    GameSession& session;
};

// "Südafrika, März 2003": the player's country and the game date.
QString suggestedSaveName(const WorldState& world);

// The file a save of this name goes to.
QString saveFileFor(const AppPaths& paths, const QString& name);

// Asks for the name to save the running game under, offering the player's
// country and the date, and before replacing a save of that name. The name
// trimmed and cut to 80 characters; "" when the player cancelled either box.
QString askSaveName(const SaveContext& saves, QWidget* parent);

// Saves the running game under `name`; a failed write is reported in a box
// that names the file. A save always holds a paused game.
bool saveGame(const SaveContext& saves, QWidget* parent, const QString& name);

// The autosave, when a game is running; replaced on every call.
void saveAutomatically(const SaveContext& saves, QWidget* parent);

// The game start's own check of a saved game against its map picture, the
// PictureCheck of every load: empty when it can be played on it.
QString checkSavedPicture(const WorldState& game, const QString& bitmapPath);

// Reads the save in `file` into the world and the view. A refused file is
// reported and leaves the running game as it was.
bool loadGame(const SaveContext& saves, QWidget* parent, const QString& file);

}  // namespace stratagon
