#pragma once

#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;

namespace stratagon {

class Program;

// "General für den Kampf einsetzen": the player picks a general for the
// country of the last map click. Opened by the main window with the clock
// stopped and itself disabled; every way out gives both back.
class DeployWindow : public QWidget {
    Q_OBJECT
public:
    explicit DeployWindow(Program& program);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void chooseGeneral(int row);
    void attack();

    Program& program_;
    int chosenSlot_ = 0;

    QListWidget* generalList_ = nullptr;
    QLabel* epLabel_ = nullptr;
    QLabel* rankLabel_ = nullptr;
    QLabel* readinessLabel_ = nullptr;
    QLabel* taskLabel_ = nullptr;
    QPushButton* attackButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

}  // namespace stratagon
