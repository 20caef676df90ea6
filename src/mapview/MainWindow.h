#pragma once

#include "mapview/MapSurface.h"
#include "simulation/GameView.h"

#include <QPointF>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace stratagon {

class MapView;
class Program;
struct WorldState;

// "Stratagon !": the map, the clock, the panels and the buttons of a game.
// Its opening routine sets up a new game. Controls carry their names as
// object names ("statusLabel", "mapPicture", ...).
class MainWindow : public QWidget, public GameView {
    Q_OBJECT
public:
    explicit MainWindow(Program& program);
    ~MainWindow() override;

    // Public members for the other windows (held in the world state).
    bool playing() const;
    void setPlaying(bool value);
    int& r();
    int& kl();
    int& jk();
    int& hh();
    int& bb();
    std::string& Kontinent();
    int& Genralmenge();
    std::string& land();

    // Runs the window's opening routine again: a fresh game, same side.
    void Startat();

    QTimer* clockTimer() const { return clockTimer_; }

    // One tick of the game clock, as the timer runs it. A tick that would
    // start while another is still running (its message box waits for the
    // player) is skipped.
    void runClockTick();

    // The screen's twips per pixel and a length in twips as whole pixels.
    double twipsPerPixel() const { return twipsPerPixel_; }
    int px(int twips) const;

    const MapSurface& mapSurface() const { return surface_; }

    // GameView
    void showStatusRunning() override;
    void enableSideMenuButton() override;
    bool loadMapPicture() override;
    void startClock(int periodMs) override;
    void recreateSurface() override;
    void clearMap() override;
    void fillCountry(int x, int y, Rgb colour) override;
    void showBattlePanel() override;
    void showInfoPanel() override;
    void drawDate(const std::string& text) override;
    void showMessage(const std::string& text, const std::string& title) override;
    void closeGame() override;
    void showReport() override;

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void mainWindowLoad();
    void placeStatusLabel();
    void layoutAroundMap();

    void mapReleased(QPointF position);
    QString mapToolTip(QPointF position) const;
    void showCountryInfo(int country);
    void showPanel(bool fromClick);
    void showGeneral(int n);
    void showGeneralScroll(bool resetToFirst);

    void toggleSideMenu();
    void toggleMode();
    void togglePause();
    void openOptionsMenu();

    Program& program_;
    WorldState& world_;
    MapSurface surface_;
    double twipsPerPixel_ = 15.0;
    int statusLeftTwips_ = 0;
    bool settingUp_ = false;
    bool closing_ = false;
    bool closedByGame_ = false;
    bool loadFailed_ = false;
    bool widthSet_ = false;

    QTimer* clockTimer_ = nullptr;
    MapView* mapPicture_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QPushButton* sideMenuButton_ = nullptr;
    QPushButton* generalsButton_ = nullptr;
    QPushButton* reportButton_ = nullptr;
    QToolButton* modeButton_ = nullptr;
    QToolButton* pauseButton_ = nullptr;
    QPushButton* optionsMenuButton_ = nullptr;
    QScrollBar* generalScroll_ = nullptr;
    QScrollBar* battleScroll_ = nullptr;
    QLabel* decoration_ = nullptr;
    QWidget* line_ = nullptr;

    // Information panel: captions and values.
    std::array<QLabel*, 6> panelCaptions_{};
    QLabel* landLabel_ = nullptr;
    QLabel* continentLabel_ = nullptr;
    QLabel* generalCountLabel_ = nullptr;
    QLabel* generalNameLabel_ = nullptr;
    QLabel* generalEPLabel_ = nullptr;
    QLabel* generalRankLabel_ = nullptr;

    // Battle panel.
    QLabel* battleHeadingLabel_ = nullptr;
    QLabel* battleCountryLabel_ = nullptr;
    QLabel* attackerSideLabel_ = nullptr;
    QLabel* attackerScoreLabel_ = nullptr;
    QLabel* attackerGeneralLabel_ = nullptr;
    QLabel* attackerEPLabel_ = nullptr;
    QLabel* defenderSideLabel_ = nullptr;
    QLabel* defenderScoreLabel_ = nullptr;
    QLabel* defenderGeneralLabel_ = nullptr;
    QLabel* defenderEPLabel_ = nullptr;
};

}  // namespace stratagon
