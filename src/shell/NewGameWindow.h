// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace stratagon {

class Program;
class ProgressBox;

// "Neues Spiel": loads the map to preselect the player's country and starts
// the game behind a short progress bar.
class NewGameWindow : public QWidget {
    Q_OBJECT
public:
    explicit NewGameWindow(Program& program);

    // The side label beside "Deine Seite :".
    QString sideText() const;
    void setSideText(const QString& name);

    // The chosen map's name, without the file's extension.
    QString mapName() const;
    // Makes `name` the map of the new game and preselects its default side.
    void useMap(const QString& name);

    // The number beside "Aktive Gegner :".
    int opponentCount() const;
    void showOpponentCount(int count);

    // Fills the progress box to p percent (1..100) and paints it at once.
    void drawProgress(int p);
    int progress() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void openMap(const QString& name);
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
    QPushButton* sideChangeButton_ = nullptr;
    QLabel* opponentCountLabel_ = nullptr;
    QPushButton* opponentChangeButton_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    ProgressBox* progressBox_ = nullptr;
    bool closingHandled_ = false;
};

}  // namespace stratagon
