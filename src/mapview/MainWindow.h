// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/MainLayout.h"
#include "mapview/MapPainter.h"
#include "mapview/WindowLayout.h"
#include "session/GameContext.h"
#include "simulation/Character.h"
#include "simulation/Clock.h"
#include "simulation/TickReport.h"
#include "world/Text.h"

#include <QPointF>
#include <QScrollArea>
#include <QString>
#include <functional>
#include <optional>
#include <QWidget>
#include <array>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace stratagon {

class BattlePanel;
class ControlStrip;
class GamePanels;
class InfoPanel;
class StatusLabel;
class MapView;
class MapFocus;
class Announcer;
class GameSession;
class Preferences;

// The map, its picture and the number of opponents of the next new game.
struct NewGameChoice {
    QString mapFile;
    QString pictureFile;
    int opponents = 1;
    // The guided first game: it starts paused, its panel shows the steps.
    bool guided = false;
    // How the opponents play; none: the rule set's default.
    std::optional<CharacterChoice> characters;
};

// What the window needs of the program around it.
struct MainWindowSetup {
    GameContext game;
    Preferences& preferences;
    // A file of the program ("data/Pause.png").
    std::function<QString(const QString&)> resource;
    // Asked at every new game, the settings of game.dat put back first.
    std::function<NewGameChoice()> nextGame;
};
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
    explicit MainWindow(MainWindowSetup setup);
    ~MainWindow() override;

    // The window's opening, once its signals are connected: a new game runs
    // the set-up; a loaded one shows the world as it is.
    enum class Opening { NewGame, LoadedGame };
    void open(Opening opening);

    // A game is being played here (running, paused or held).
    bool playing() const;
    // The window is closing: its game is over or given up.
    bool isClosing() const { return closing_; }
    GameSession& session() const { return session_; }

    // Runs the window's opening routine again: a fresh game, same side.
    void Startat();

    // Shows the game just loaded into the world, paused.
    void openLoadedGame();

    // The screen's twips per pixel and a length in twips as whole pixels.
    double twipsPerPixel() const { return layout_.twipsPerPixel(); }
    int px(int twips) const { return layout_.px(twips); }

    const MapSurface& mapSurface() const { return painter_.surface(); }
    MapView* mapView() const { return mapPicture_; }
    MapFocus* mapFocus() const { return mapFocus_; }
    Announcer* announcer() const { return announcer_; }

    // The messages, the battle list and the pace after an order given
    // between ticks; countries fought over are marked on the map.
    void refreshPanels();
    GamePanels* gamePanels() const { return panels_; }
    // The controls a guidance step may point at.
    ControlStrip* controlStrip() const { return strip_; }
    QPushButton* sideMenuButton() const { return sideMenuButton_; }
    QPushButton* optionsMenuButton() const { return optionsMenuButton_; }

    // A further panel in the column beside the map (see above).
    void addPanel(QWidget* panel, int stretch = 1);
    // The column that holds the added panels.
    QWidget* panelArea() const { return panelArea_; }
    // A further button of the side menu, under "Generäle".
    QPushButton* addSideMenuButton(const QString& text, const QString& objectName);

    // The map's display scale and the arrangement in force (WindowLayout.h).
    double mapScale() const { return layout_.scale(); }
    Arrangement arrangement() const { return layout_.arrangement(); }
    MainLayoutMetrics metrics() const { return layout_.laidMetrics(); }
    void zoomBy(int steps) { layout_.zoomBy(steps); }
    void zoomTo(double scale) { layout_.zoomTo(scale); }
    void zoomToFit() { layout_.zoomToFit(); }

    // The map's colours; the map is painted again at once.
    void setColourScheme(ColourScheme scheme);
    // Paints the map afresh from the world state, as after loading a game.
    void repaintMap() { painter_.repaint(); }

    // The country drawn under a picture pixel (its area, else its grid cell); 0 for none.
    int countryUnder(QPointF picturePosition) const { return painter_.countryUnder(picturePosition); }

    // What a tick changed: the map, both panels and the date.
    void showTick(const TickReport& report);
    // The end of the game: its message, the menu and the summary.
    void showOutcome(GameOutcome outcome);
    void showBattlePanel();
    void showInfoPanel();
    void showMessage(const Text& text, const Text& title);
    // A country in the information panel and under the map's keyboard focus.
    void showCountry(int country);
    // Closes the window; its game ends with it.
    void closeGame();

    void setVisible(bool visible) override;

signals:
    // What the program shows for the window: the roster, the summary, the
    // guide, the deployment against a clicked country, the options menu.
    void generalsRequested();
    void reportRequested();
    void helpRequested();
    void deployRequested(int country);
    void menuRequested();
    // A new game year, or the game left by the frame: keep it in the autosave.
    void autosaveDue();
    // The window has closed, for whatever reason.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    // "Spiel läuft" or "Spiel pausiert" beside the pause toggle.
    bool loadMapPicture();
    void mapReleased(QPointF position);
    // A country chosen on the map (code: the grid cell's): shown, and in
    // battle mode attacked where it may be.
    void chooseCountry(int country, const std::string& code);
    // The map takes the keys, standing on the country; announcements start afresh.
    void startKeyboard(int country);

    void toggleSideMenu();
    void toggleMode();
    void togglePause();
    // The status text and the pause toggle as the game's phase is.
    void showPhase();
    // F6: the situation in a sentence (simulation/Situation.h).
    void sayStatus();
    // The map's focus to the country after the focus country in the list, or `none` said.
    void jumpTo(const std::vector<int>& countries, const QString& none);
    // The side menu and the mode as the view has them.
    void showView();
    void openOptionsMenu();
    bool confirmClose();

    MainWindowSetup setup_;
    WorldState& world_;
    GameSession& session_;
    MapPainter painter_;
    WindowLayout layout_;
    bool closing_ = false;
    bool loadFailed_ = false;
    QString loadedPicture_;
    QString newGamePicture_;  // a loaded game's map picture; empty for a new game

    MapView* mapPicture_ = nullptr;
    MapFocus* mapFocus_ = nullptr;
    Announcer* announcer_ = nullptr;
    StatusLabel* statusLabel_ = nullptr;
    QPushButton* sideMenuButton_ = nullptr;
    QPushButton* optionsMenuButton_ = nullptr;
    ControlStrip* strip_ = nullptr;
    InfoPanel* info_ = nullptr;
    QFrame* line_ = nullptr;
    BattlePanel* battle_ = nullptr;
    QScrollArea* panelArea_ = nullptr;
    QVBoxLayout* panelLayout_ = nullptr;
    GamePanels* panels_ = nullptr;
};

}  // namespace stratagon
