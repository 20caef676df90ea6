// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The player's preferences that are not part of game.dat (colours, zoom,
// window size, the chosen map), in one INI file whose path AppPaths gives.
// Read on every call and written at once, so every window sees one state.
// A value the file cannot take is kept for the rest of the session, and the
// first such failure is told.

#include "simulation/Announcements.h"
#include "simulation/Character.h"
#include "world/Palette.h"
#include "world/Rules.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <cstddef>
#include <functional>

namespace stratagon {

// Preferences never take this much; a larger file is neither read nor
// rewritten (the player may keep something else there).
constexpr std::size_t LargestPreferences = 1024 * 1024;

class Preferences {
public:
    explicit Preferences(QString iniFile) : file_(std::move(iniFile)) {}

    QString file() const { return file_; }

    ColourScheme colourScheme() const;
    void setColourScheme(ColourScheme scheme);

    // The main window's display scale in per cent (20..200); 0 when none was kept.
    int zoomPercent() const;
    void setZoomPercent(int percent);

    // The main window's last geometry (QWidget::saveGeometry), empty when none.
    QByteArray mainWindowGeometry() const;
    void setMainWindowGeometry(const QByteArray& geometry);

    // The map chosen for the next game, as its file's base name ("Afrika");
    // empty when none was chosen.
    QString mapName() const;
    void setMapName(const QString& name);

    // Active computer opponents for the next game, 1..5.
    int opponentCount() const;
    void setOpponentCount(int count);

    // The rule set new games start with ("game/rules": klassisch or zuegig);
    // Klassisch when none or an unknown one is kept.
    RuleSet ruleSet() const;
    void setRuleSet(RuleSet rules);

    // "Ton :" and "Lautstärke :" ("sound/enabled" true or false, "sound/volume"
    // 0..100): on at 60 when none or an unreadable value is kept.
    bool soundEnabled() const;
    void setSoundEnabled(bool enabled);
    int soundVolume() const;
    void setSoundVolume(int percent);
    // The text size of every window in per cent, 100..200; 100 when none was kept.
    int textSizePercent() const;
    void setTextSizePercent(int percent);

    // "Ansagen :" ("access/announcements": alle, wichtige or aus), Wichtige
    // when none or an unknown one is kept; and whether an attack on the
    // player or a country of his lost pauses the game ("access/pause-on-attack").
    AnnounceLevel announceLevel() const;
    void setAnnounceLevel(AnnounceLevel level);
    bool pauseOnAttack() const;
    void setPauseOnAttack(bool pause);

    // How the opponents of the next new game play, kept for each rule set
    // ("game/characters/klassisch", ".../zuegig": a CharacterChoice key); the
    // rule set's default when none or an unknown one is kept.
    CharacterChoice characterChoice(RuleSet rules) const;
    void setCharacterChoice(RuleSet rules, const CharacterChoice& choice);

    // Generic access for later additions.
    QString value(const QString& key, const QString& fallback = {}) const;
    // False when the file could not take the value; it holds until the end
    // of the session all the same.
    bool setValue(const QString& key, const QString& value);

    // Called with a message in the current language the first time a value cannot be written.
    void onWriteFailure(std::function<void(const QString& message)> report) { report_ = std::move(report); }
    // The player already knows that nothing of his can be kept (the folder
    // could not be made): a failure is not told again.
    void failureAlreadyTold() { reported_ = true; }

    // Whether `file` can be read whole: a regular file (or a link to one) of
    // at most LargestPreferences bytes.
    static bool readable(const QString& file);

private:
    QString file_;
    QMap<QString, QString> unsaved_;
    std::function<void(const QString&)> report_;
    bool reported_ = false;
};

}  // namespace stratagon
