// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MainLayout.h"
#include "mapview/MapSurface.h"
#include "simulation/Clock.h"
#include "simulation/TickReport.h"

#include <QPointF>
#include <QWidget>
#include <array>
#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace stratagon {

class GamePanels;
class MapView;
class GameSession;
class Program;
struct WorldState;

// "Stratagon !": the map, the clock, the panels and the buttons of a game.
// Its opening routine sets up a new game. Controls carry their names as
// object names ("statusLabel", "mapPicture", ...).
//
// The window fits its screen: at scale 1 it is the design's layout; where
// that does not fit, the map is shown smaller and the panels may move beside
// it (MainLayout.h). It can be resized and zoomed (Ctrl + Plus / Minus / 0);
// scale and geometry are kept in the preferences.
//
// Other features plug in without touching the layout:
// - addPanel(widget, stretch): a panel of their own (a list of battles,
//   messages); all such panels share one column beside the map, top to
//   bottom in the order added, and the window makes room for it.
// - addSideMenuButton(text, name): a button in the side menu under
//   "Generäle", shown and hidden with it.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    // A new game runs the set-up; a loaded one shows the world as it is.
    enum class Opening { NewGame, LoadedGame };
    explicit MainWindow(Program& program, Opening opening = Opening::NewGame);
    ~MainWindow() override;

    bool playing() const;
    void setPlaying(bool value);
    GameSession& session() const { return session_; }

    // Runs the window's opening routine again: a fresh game, same side.
    void Startat();

    // Shows the game just loaded into the world, paused.
    void openLoadedGame();


    // The screen's twips per pixel and a length in twips as whole pixels.
    double twipsPerPixel() const { return twipsPerPixel_; }
    int px(int twips) const;

    const MapSurface& mapSurface() const { return surface_; }
    MapView* mapView() const { return mapPicture_; }

    // The messages, the battle list and the pace after an order given
    // between ticks; countries fought over are marked on the map.
    void refreshPanels();
    GamePanels* gamePanels() const { return panels_; }

    // A further panel in the column beside the map (see above).
    void addPanel(QWidget* panel, int stretch = 1);
    // The column that holds the added panels.
    QWidget* panelArea() const { return panelArea_; }
    // A further button of the side menu, under "Generäle".
    QPushButton* addSideMenuButton(const QString& text, const QString& objectName);

    // The map's display scale and the arrangement in force.
    double mapScale() const { return scale_; }
    Arrangement arrangement() const { return arrangement_; }
    // What the layout is computed from: the map's size, the panels and buttons added.
    MainLayoutMetrics metrics() const;
    // Ctrl + Plus / Minus: one step of 10 %, within 50..200 %.
    void zoomBy(int steps);
    void zoomTo(double scale);
    // Ctrl + 0: 100 %, or the largest scale at which the whole window fits its screen.
    void zoomToFit();

    // The map's colours; the map is painted again at once.
    void setColourScheme(ColourScheme scheme);
    // Paints the map afresh from the world state (ownership, date) and shows
    // it, as a tick does, without running one: after loading a game.
    void repaintMap();

    // The country drawn under a picture pixel (its area, else its grid cell); 0 for none.
    int countryUnder(QPointF picturePosition) const;

    // What a tick changed: the map, both panels and the date.
    void showTick(const TickReport& report);
    // The end of the game: its message, the menu and the summary.
    void showOutcome(GameOutcome outcome);
    void showBattlePanel();
    void showInfoPanel();
    void showMessage(const std::string& text, const std::string& title);
    // Closes the window (stopping the clock) and shows the options menu.
    void closeGame();

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    void showStatusRunning();
    void enableSideMenuButton();
    bool loadMapPicture();
    void drawDate(const std::string& text);
    void mainWindowLoad();
    void placeStatusLabel();
    void placeControls();
    QSize windowSizeFor(double scale, Arrangement arrangement) const;
    void applyFit(const MainFit& fit);
    void fitToScreen(bool restoreKept);
    void frameKnown(const QMargins& frame);
    void keepPreferences();
    void ensureAreas();

    void mapReleased(QPointF position);
    QString mapToolTip(QPointF position) const;
    void showCountryInfo(int country);
    void showPanel(bool fromClick);
    void showGeneral(int n);
    void showGeneralScroll(bool resetToFirst);

    void toggleSideMenu();
    void toggleMode();
    void togglePause();
    void showPauseState();
    void openOptionsMenu();
    bool confirmClose();

    Program& program_;
    WorldState& world_;
    GameSession& session_;
    CountryPanel shown_;  // the information panel's country, as of the last click or tick
    MapSurface surface_;
    double twipsPerPixel_ = 15.0;
    int statusLeftTwips_ = 0;
    bool closing_ = false;
    bool closedByGame_ = false;
    bool loadFailed_ = false;
    bool widthSet_ = false;
    QSize fittedMap_;        // the map picture's size when the window was last fitted
    double fitLimit_ = 0;    // the largest scale of the last fit made without the real frame; 0 when none
    QString loadedPicture_;  // a loaded game's map picture; empty for a new game
    double scale_ = 1.0;
    Arrangement arrangement_ = Arrangement::Below;
    int sideCut_ = 0;        // how much narrower the window is than its content (side menu)
    int statusLimit_ = 0;
    int statusTopY_ = 0;
    int statusHeight_ = 0;
    int statusFallbackX_ = 0;
    ColourScheme scheme_ = ColourScheme::Standard;
    std::vector<QPoint> areaSeeds_;

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
    QWidget* panelArea_ = nullptr;
    QVBoxLayout* panelLayout_ = nullptr;
    std::vector<QPushButton*> sideButtons_;
    GamePanels* panels_ = nullptr;

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
