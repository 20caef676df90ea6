// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QSlider;
class QSpinBox;

namespace stratagon {

class LanguageChoice;
class Program;
class SoundSettingsBox;

// "Spiel bedingte Einstellungen": year length and opponent strength on two
// sliders, saved to game.dat. The options menu is hidden meanwhile.
class SettingsWindow : public QWidget {
    Q_OBJECT
public:
    explicit SettingsWindow(Program& program);

    QSlider* yearSlider() const { return yearSlider_; }
    QSlider* opponentSlider() const { return opponentSlider_; }
    // "Farben :": "Standard" or "Farbenblind", kept in the preferences.
    QComboBox* colourChoice() const { return colourChoice_; }
    // "Regeln :": "Klassisch" or "Zügig" for the next new game, kept in the preferences.
    QComboBox* ruleChoice() const { return ruleChoice_; }
    // "Ton :" and "Lautstärke :", kept in the preferences.
    SoundSettingsBox* soundBox() const { return soundBox_; }
    // "Schriftgröße :": 100 to 200 % for every window, kept in the preferences.
    QSpinBox* textSizeChoice() const { return textSize_; }
    // "Sprache :": "Deutsch" or "English", kept in the preferences.
    LanguageChoice* languageChoice() const { return language_; }

    // The stored values of each slider position.
    static int monthIntervalAt(int position);
    static int aiDivisorAt(int position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void okClicked();

    Program& program_;
    QSlider* yearSlider_ = nullptr;
    QSlider* opponentSlider_ = nullptr;
    QComboBox* colourChoice_ = nullptr;
    QComboBox* ruleChoice_ = nullptr;
    SoundSettingsBox* soundBox_ = nullptr;
    QSpinBox* textSize_ = nullptr;
    LanguageChoice* language_ = nullptr;
};

}  // namespace stratagon
