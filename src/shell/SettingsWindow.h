// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"

class QCheckBox;
class QComboBox;
class QScrollArea;
class QSlider;
class QSpinBox;

namespace stratagon {

class Dialogs;
class LanguageChoice;
class PlayerSettings;
class SoundSettingsBox;

// "Spiel bedingte Einstellungen": year length and opponent strength on two
// sliders, saved to game.dat, and the player's preferences. It opens over
// the options menu, which waits behind it. Where the screen is too small for
// it, its settings scroll and "OK" and "Abbrechen" stay in view; Return
// presses "OK".
class SettingsWindow : public DialogWindow {
    Q_OBJECT
public:
    SettingsWindow(PlayerSettings& player, Dialogs& dialogs, QWidget* menu);

    QSlider* yearSlider() const { return yearSlider_; }
    QSlider* opponentSlider() const { return opponentSlider_; }
    // "Farben :": "Standard" or "Farbenblind", kept in the preferences.
    QComboBox* colourChoice() const { return colourChoice_; }
    // "Regeln :": "Klassisch" or "Zügig" for the next new game, kept in the preferences.
    QComboBox* ruleChoice() const { return ruleChoice_; }
    // "Ton :" and "Lautstärke :", kept in the preferences.
    SoundSettingsBox* soundBox() const { return soundBox_; }
    // "Schriftgröße :": 100 to 200 % for every window, shown at once while
    // chosen and kept in the preferences with OK.
    QSpinBox* textSizeChoice() const { return textSize_; }
    // "Sprache :": "Deutsch" or "English", kept in the preferences.
    LanguageChoice* languageChoice() const { return language_; }
    // "Ansagen :" ("Aus", "Wichtige", "Alle") and whether an attack pauses
    // the game, kept in the preferences.
    QComboBox* announceChoice() const { return announceChoice_; }
    QCheckBox* pauseOnAttackChoice() const { return pauseOnAttack_; }

    // The stored values of each slider position.
    static int monthIntervalAt(int position);
    static int aiDivisorAt(int position);
    // The position of a stored value, the usual one for a value in no table.
    static int yearPositionOf(int monthInterval);
    static int opponentPositionOf(int aiDivisor);
    // "Sehr Leicht" ... "Irrsinnig" and "5s" ... "240s" of each position.
    static QString strengthName(int position);
    static QString yearName(int position);
    // "30 Sekunden": a position of the year's slider as it is said.
    static QString yearWords(int position);
    // "Klassisch" or "Zügig", in the order of RuleSet.
    static QString ruleName(int rules);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void okClicked();
    // The window as large as its settings need, as far as the screen allows.
    void fitToSettings();

    PlayerSettings& player_;
    Dialogs& dialogs_;
    QWidget* page_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QSlider* yearSlider_ = nullptr;
    QSlider* opponentSlider_ = nullptr;
    QComboBox* colourChoice_ = nullptr;
    QComboBox* ruleChoice_ = nullptr;
    SoundSettingsBox* soundBox_ = nullptr;
    QSpinBox* textSize_ = nullptr;
    LanguageChoice* language_ = nullptr;
    QComboBox* announceChoice_ = nullptr;
    QCheckBox* pauseOnAttack_ = nullptr;
};

}  // namespace stratagon
