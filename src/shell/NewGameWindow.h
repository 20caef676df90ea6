// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace stratagon {

class OpponentCharacterBox;
class PickWindow;
class Program;
class ProgressBox;

// "Neues Spiel": loads the map to preselect the player's country and starts
// the game behind a short progress bar. Its "Ändern" buttons open a choice
// window each, one at a time; the window stays disabled while it is open and
// takes the choice into the world and the preferences.
class NewGameWindow : public QWidget {
    Q_OBJECT
public:
    explicit NewGameWindow(Program& program);
    ~NewGameWindow() override;

    // The side label beside "Deine Seite :".
    QString sideText() const;

    // The chosen map's name, without the file's extension.
    QString mapName() const;

    // The number beside "Aktive Gegner :".
    int opponentCount() const;

    // The choice window opened by an "Ändern", while it is open.
    PickWindow* pickWindow() const;

    // Fills the progress box to p percent (1..100) and paints it at once.
    void drawProgress(int p);
    int progress() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openMap(const QString& name);
    // Makes `name` the map of the new game and preselects its default side.
    void useMap(const QString& name);
    void takeSide(int country);
    void showOpponentCount(int count);
    void openPick(PickWindow* pick);
    void changeMapClicked();
    void changeSideClicked();
    void changeOpponentsClicked();
    void startClicked();
    void closeWindow();

    Program& program_;
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
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    ProgressBox* progressBox_ = nullptr;
    QPointer<PickWindow> pick_;
    bool closingHandled_ = false;
};

}  // namespace stratagon
