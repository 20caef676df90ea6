// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "world/Rules.h"

#include <QPointer>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace stratagon {

class OpponentCharacterBox;
class AppPaths;
class Dialogs;
class PickWindow;
class PlayerSettings;
class ProgressBox;
struct WorldState;

// What the new-game window works with: the world it loads the map into to
// preselect the player's country, the maps, the player's settings, and the
// side he chose earlier in this session (by name, kept for the next game).
struct NewGameSetup {
    WorldState& world;
    Dialogs& dialogs;
    const AppPaths& paths;
    PlayerSettings& player;
    std::string& chosenSide;
};

// "Neues Spiel": the map, the player's side, the opponents, the rules, the
// opponent's strength and the clock the game will start with, each
// changeable here; "Starten" keeps the choices and starts the game behind a
// short progress bar. Its "Ändern" buttons open a choice window each, over
// this one, which waits meanwhile. It opens over the options menu.
class NewGameWindow : public DialogWindow {
    Q_OBJECT
public:
    NewGameWindow(NewGameSetup setup, QWidget* menu);
    ~NewGameWindow() override;

    // The side label beside "Deine Seite :".
    QString sideText() const;

    // The chosen map's name, without the file's extension.
    QString mapName() const;

    // The number beside "Aktive Gegner :".
    int opponentCount() const;

    // "Regeln :", "Stärke der Gegner :" and "Ein Jahr vergeht in :".
    QComboBox* ruleChoice() const { return rules_; }
    QComboBox* strengthChoice() const { return strength_; }
    QComboBox* clockChoice() const { return clock_; }

    // The choice window opened by an "Ändern", while it is open.
    PickWindow* pickWindow() const;

    // Fills the progress box to p percent (1..100) and paints it at once.
    void drawProgress(int p);
    int progress() const;

signals:
    // "Starten": the choices are kept, the world holds the map and the side.
    void startRequested();
    // "Abbrechen" or the frame's close box.
    void cancelled();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openMap(const QString& name);
    // Makes `name` the map of the new game and preselects its default side.
    void useMap(const QString& name);
    void takeSide(int country);
    void showOpponentCount(int count);
    // The window's accessible description: map, side, opponents, rules, strength, clock.
    void describe();
    void openPick(PickWindow* pick);
    void changeMapClicked();
    void changeSideClicked();
    void changeOpponentsClicked();
    void startClicked();
    // The rules, strength and clock as the player keeps them; false when
    // game.dat could not take them (he has been told).
    bool keepChoices();
    // The rule set chosen in the window.
    RuleSet chosenRules() const;
    void closeWindow();

    NewGameSetup setup_;
    QRadioButton* worldOption_ = nullptr;
    QRadioButton* simpleOption_ = nullptr;
    QLabel* mapNameLabel_ = nullptr;
    QLabel* sideLabel_ = nullptr;
    // The map and the side as the map names them (German); the labels show
    // them in the current language. Until the map is read: the ones it names first.
    QString mapName_ = QStringLiteral("Afrika");      // name
    QString sideName_ = QStringLiteral("Südafrika");  // name
    void showSide(const QString& country);
    void showNames();
    QPushButton* sideChangeButton_ = nullptr;
    QLabel* opponentCountLabel_ = nullptr;
    QPushButton* opponentChangeButton_ = nullptr;
    // The opponents' characters, between the choices and the buttons.
    static constexpr int CharacterRow = 32;
    OpponentCharacterBox* characterBox_ = nullptr;
    QComboBox* rules_ = nullptr;
    QComboBox* strength_ = nullptr;
    QComboBox* clock_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    ProgressBox* progressBox_ = nullptr;
    QPointer<PickWindow> pick_;
    bool closingHandled_ = false;
};

}  // namespace stratagon
