// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MainWindow.h"

#include "mapview/BattlePanel.h"
#include "mapview/ControlStrip.h"
#include "mapview/GamePanels.h"
#include "mapview/Announcer.h"
#include "mapview/InfoPanel.h"
#include "mapview/MainKeys.h"
#include "mapview/MapFocus.h"
#include "mapview/MapView.h"
#include "mapview/PanelParts.h"
#include "mapview/StatusLabel.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "session/GameSession.h"
#include "session/GameText.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "storage/Preferences.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace stratagon {

constexpr int StatusStep = 100;  // the pause toggle moves the status label

MainWindow::MainWindow(MainWindowSetup setup)
    : setup_(std::move(setup)), world_(setup_.game.world), session_(setup_.game.session),
      painter_(world_, setup_.preferences.colourScheme()), layout_(*this, painter_.surface(), setup_.preferences)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Stratagon !"));  // name
    buildControls();
    panels_ = new GamePanels(*this, setup_.game);
    connect(&session_, &GameSession::ticked, this, &MainWindow::showTick);
    connect(&session_, &GameSession::decided, this, &MainWindow::showOutcome);
    connect(&session_, &GameSession::clockRunningChanged, this, &MainWindow::showPauseState);
}

void MainWindow::open(Opening opening)
{
    if (opening == Opening::LoadedGame)
        openLoadedGame();
    else
        Startat();
}

MainWindow::~MainWindow() = default;

bool MainWindow::playing() const { return world_.playing; }

void MainWindow::buildControls()
{
    mapPicture_ = new MapView(painter_.surface(), this);
    painter_.setView(mapPicture_);
    mapPicture_->setObjectName(QStringLiteral("mapPicture"));
    mapPicture_->setMouseTracking(true);
    mapPicture_->setToolTipSource([this](QPointF p) { return painter_.toolTipAt(p); });
    connect(mapPicture_, &MapView::released, this, &MainWindow::mapReleased);
    mapFocus_ = new MapFocus(world_, *mapPicture_);
    connect(mapFocus_, &MapFocus::activated, this, [this](int c) { chooseCountry(c, world_.countryCode[c]); });
    announcer_ = new Announcer(this);

    statusLabel_ = new StatusLabel(this);

    optionsMenuButton_ = makeButton(this, QString(), "optionsMenuButton", QString());
    connect(optionsMenuButton_, &QPushButton::clicked, this, &MainWindow::openOptionsMenu);

    sideMenuButton_ = makeButton(this, QString(), "sideMenuButton", QString());
    followLanguage(this, [this] {
        optionsMenuButton_->setText(tr("Optionsmenü"));
        optionsMenuButton_->setToolTip(
            tr("Das Spiel anhalten und das Optionsmenü öffnen: weiterspielen, neu starten oder aufhören"));
        sideMenuButton_->setText(tr("Seitenmenü >"));
        sideMenuButton_->setToolTip(tr("Das Seitenmenü mit den Generälen und der Bilanz ein- und ausblenden"));
    });
    connect(sideMenuButton_, &QPushButton::clicked, this, &MainWindow::toggleSideMenu);

    strip_ = new ControlStrip(setup_.resource, this);
    connect(strip_->generalsButton(), &QPushButton::clicked, this, &MainWindow::generalsRequested);
    connect(strip_->reportButton(), &QPushButton::clicked, this, &MainWindow::reportRequested);
    connect(strip_->modeButton(), &QToolButton::clicked, this, &MainWindow::toggleMode);
    showPauseState();
    connect(strip_->pauseButton(), &QToolButton::clicked, this, &MainWindow::togglePause);
    setFocusPolicy(Qt::StrongFocus);
    // A key for every button (the strip's: F2, F3, F5); Space pauses, - and + set the pace, F1 the guide.
    bindKeys(*this, {{optionsMenuButton_, Qt::Key_Escape}, {sideMenuButton_, Qt::Key_F4}});

    info_ = new InfoPanel(world_, this);
    line_ = makeLine(this);
    battle_ = new BattlePanel(world_, this);

    panelArea_ = new QWidget(this);
    panelArea_->setObjectName(QStringLiteral("panelArea"));
    panelLayout_ = new QVBoxLayout(panelArea_);
    panelLayout_->setContentsMargins(0, 0, 0, 0);
    panelArea_->hide();

    layout_.setControls({mapPicture_, statusLabel_, optionsMenuButton_, sideMenuButton_, strip_, info_, line_, battle_,
                         panelArea_, panelLayout_});
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layout_.resized();
}

void MainWindow::addPanel(QWidget* panel, int stretch)
{
    panelLayout_->addWidget(panel, stretch);
    panel->show();
    layout_.panelAdded();
}

QPushButton* MainWindow::addSideMenuButton(const QString& text, const QString& objectName)
{
    QPushButton* button =
        strip_->addMenuButton(text, objectName, strip_->generalsButton()->isVisible() || !isVisible());
    layout_.sideButtonAdded();
    return button;
}

void MainWindow::setColourScheme(ColourScheme scheme)
{
    painter_.setColourScheme(scheme);
    // Painted again at once, also in a paused game.
    if (world_.playing)
        painter_.repaint();
}

void MainWindow::Startat()
{
    loadedPicture_.clear();
    world_.sideMenuClosed = true;
    closedByGame_ = false;
    const NewGameChoice next = setup_.nextGame();
    newGamePicture_ = next.pictureFile;
    statusLabel_->showPaused(false);
    layout_.setStatusLeft(design::StatusLeft);
    showPauseState();
    sideMenuButton_->setEnabled(true);
    SetupResult setup;
    if (loadMapPicture()) {
        setup = session_.startNewGame(ss(next.mapFile), next.opponents, &painter_.surface(), next.guided,
                                      next.characters ? &*next.characters : nullptr);
    } else {
        world_.playing = false;
        setup.messages.push_back({missingPictureMessage(&painter_.surface()), errorTitle()});
    }
    if (setup.started && session_.paused()) {
        statusLabel_->showPaused(true);
        layout_.moveStatus(-StatusStep);
        showPauseState();
    }
    // The world as the set-up left it: its first tick and the sides placed.
    if (setup.started || setup.outcome != GameOutcome::Running)
        showTick({});
    for (const EndMessage& message : setup.messages)
        showMessage(message.text, message.title);
    startKeyboard(world_.side[0]);
    if (setup.outcome != GameOutcome::Running) {
        showOutcome(setup.outcome);
    } else if (!setup.started) {
        // No picture or no playable map: the player has been told; back to
        // the options menu instead of a game on an empty map.
        loadFailed_ = true;
        closeGame();
    }
}

void MainWindow::showTick(const TickReport& report)
{
    if (closing_)
        return;
    painter_.repaint();
    showBattlePanel();
    showInfoPanel();
    // A new game year replaces the autosave.
    if (report.newYear && world_.playing)
        emit autosaveDue();
}

void MainWindow::showOutcome(GameOutcome outcome)
{
    const EndMessage message = endMessage(world_, outcome);
    announcer_->announce(gametext::render(message.text));
    showMessage(message.text, message.title);
    closeGame();
    emit reportRequested();
}

void MainWindow::openLoadedGame()
{
    closedByGame_ = false;
    // The picture beside the saved game's map, whichever map is chosen for new games.
    loadedPicture_ = mapPictureFor(qs(world_.mapFileName));
    if (!loadMapPicture()) {
        showMessage(missingPictureMessage(nullptr), errorTitle());
        world_.playing = false;
        loadFailed_ = true;
        closeGame();
        return;
    }
    session_.openLoadedGame();
    statusLabel_->showPaused(true);
    layout_.setStatusLeft(design::StatusLeft - StatusStep);
    showPauseState();
    sideMenuButton_->setEnabled(true);
    // The side menu and the mode as saved, through their own toggles from
    // what the window shows now.
    const bool closed = world_.sideMenuClosed;
    world_.sideMenuClosed = strip_->generalsButton()->isHidden();
    if (world_.sideMenuClosed != closed)
        toggleSideMenu();
    world_.battleMode = !world_.battleMode;
    toggleMode();
    painter_.repaint();
    info_->showCountry(world_.shownCountry, true);
    showBattlePanel();
    refreshPanels();
    setEnabled(true);
    startKeyboard(validCountry(world_, world_.shownCountry) ? world_.shownCountry : world_.side[0]);
}

void MainWindow::startKeyboard(int country)
{
    mapFocus_->takeKeys(country);
    announcer_->restart(world_);
}

// ---- What the game shows ----

bool MainWindow::loadMapPicture()
{
    const QString picture = !loadedPicture_.isEmpty() ? loadedPicture_ : newGamePicture_;
    if (!painter_.surface().load(picture))
        return false;
    sideMenuButton_->setText(tr("Seitenmenü >"));
    layout_.fitNewMap();
    return true;
}

void MainWindow::showBattlePanel()
{
    refreshPanels();
    battle_->refresh();
}

void MainWindow::showInfoPanel() { info_->showCountry(world_.shownCountry, false); }

void MainWindow::showMessage(const Text& text, const Text& title)
{
    setup_.game.dialogs.message(this, gametext::render(text), gametext::render(title));
}

void MainWindow::closeGame()
{
    closedByGame_ = true;
    session_.closeGame();
    close();
    // The menu may already be open for a paused game: it must show its form
    // for the time before a game.
    emit menuRequested();
}

void MainWindow::mapReleased(QPointF position)
{
    const QPoint cell = painter_.cellUnder(position);
    chooseCountry(countryAtCell(world_, cell.x(), cell.y()), cellCode(world_, cell.x(), cell.y()));
}

void MainWindow::chooseCountry(int country, const std::string& code)
{
    if (country != 0) {
        info_->showCountry(country, true);
        world_.shownCountry = country;
        mapFocus_->moveTo(country);
    }
    if (!world_.battleMode || !attackableCode(world_, code))
        return;
    setEnabled(false);
    emit deployRequested(country);
}

// ---- Buttons ----

void MainWindow::toggleSideMenu()
{
    world_.sideMenuClosed = !world_.sideMenuClosed;
    strip_->setMenuOpen(!world_.sideMenuClosed);
    layout_.sideMenuToggled(!world_.sideMenuClosed, sideMenuButton_->width());
}

void MainWindow::toggleMode()
{
    world_.battleMode = !world_.battleMode;
    strip_->showMode(world_.battleMode);
}

void MainWindow::refreshPanels()
{
    if (panels_)
        panels_->refresh();
    painter_.markBattles();
    announcer_->announceNewMessages(world_);
}

void MainWindow::showPauseState() { strip_->showPauseState(session_.paused() && world_.playing); }

void MainWindow::togglePause()
{
    const bool pause = !session_.paused();
    session_.setPaused(pause);
    statusLabel_->showPaused(pause);
    announcer_->announce(statusLabel_->text());
    layout_.moveStatus(pause ? -StatusStep : StatusStep);
    showPauseState();
}

void MainWindow::openOptionsMenu()
{
    if (!world_.playing)
        close();
    else
        setEnabled(false);
    // The menu holds the clock while it is open over a game.
    emit menuRequested();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && world_.playing) {
        strip_->pauseButton()->click();
        return;
    }
    // - and + set the pace (Ctrl with them zooms); F1 opens the guide.
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Plus) && world_.playing) {
        panels_->changePace(event->key() == Qt::Key_Minus ? -1 : +1);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        emit helpRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- Window ----

void MainWindow::setVisible(bool visible)
{
    // A window whose game could not start, or that is closing, stays hidden.
    if (visible && (loadFailed_ || closing_))
        return;
    QWidget::setVisible(visible);
}

bool MainWindow::confirmClose()
{
    // The war waits while the player answers.
    const ClockHold hold = session_.hold();
    return setup_.game.dialogs.question(this, tr("Willst du das laufende Spiel wirklich beenden?"),
                                        QStringLiteral("Stratagon !"));  // name
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box in a running game is no way to lose it by a slip.
    if (event->spontaneous() && !closedByGame_ && !closing_ && world_.playing && !confirmClose()) {
        event->ignore();
        return;
    }
    if (!painter_.surface().isNull() && !closing_)
        layout_.keepPreferences();
    closing_ = true;
    session_.closeGame();
    if (event->spontaneous() && !closedByGame_) {
        // The frame's close box ends the game; the menu comes back in its
        // form before a game, also when it was open for the paused game.
        // The game is kept in the autosave first.
        emit autosaveDue();
        world_.playing = false;
        emit menuRequested();
    }
    QWidget::closeEvent(event);
}

}  // namespace stratagon
