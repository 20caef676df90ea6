// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The player's preferences that are not part of game.dat (colours, zoom,
// window size, the chosen map), in one INI file whose path AppPaths gives.
// Read on every call and written at once, so every window sees one state.

#include "world/Palette.h"
#include "world/Rules.h"

#include <QByteArray>
#include <QString>

namespace stratagon {

class Preferences {
public:
    explicit Preferences(QString iniFile) : file_(std::move(iniFile)) {}

    QString file() const { return file_; }

    ColourScheme colourScheme() const;
    void setColourScheme(ColourScheme scheme);

    // The main window's display scale in per cent (50..200); 0 when none was kept.
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

    // Generic access for later additions.
    QString value(const QString& key, const QString& fallback = {}) const;
    void setValue(const QString& key, const QString& value);

private:
    QString file_;
};

}  // namespace stratagon
