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
#include "simulation/Situation.h"
#include "storage/Preferences.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

namespace stratagon {

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
    connect(&session_, &GameSession::phaseChanged, this, &MainWindow::showPhase);
    // Heard without looking: a tick's news, and what the player's orders brought.
    connect(&session_, &GameSession::ticked, this, [this](const TickReport& report) {
        if (!closing_)
            announcer_->announceTick(world_, report, session_.paused() && attackOnPlayer(world_, report));
    });
    connect(&session_, &GameSession::changed, this, [this] { announcer_->announceNewMessages(world_); });
}

void MainWindow::open(Opening opening)
{
    if (opening == Opening::LoadedGame)
        openLoadedGame();
    else
        Startat();
}

MainWindow::~MainWindow()
{
    // The windows that belong to this one go first, while all they may still
    // tell (a hold let go) finds this window whole.
    disconnect(&session_, nullptr, this, nullptr);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isWindow())
            delete child;
}

bool MainWindow::playing() const { return session_.gameRunning(); }

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
    panelArea_ = makePanelColumn(this, panelLayout_);

    optionsMenuButton_ = makeButton(this, QString(), "optionsMenuButton", QString());
    connect(optionsMenuButton_, &QPushButton::clicked, this, &MainWindow::openOptionsMenu);

    sideMenuButton_ = makeButton(this, QString(), "sideMenuButton", QString());
    followLanguage(this, [this] {
        optionsMenuButton_->setText(tr("Optionsmenü"));
        optionsMenuButton_->setToolTip(
            tr("Das Spiel anhalten und das Optionsmenü öffnen: weiterspielen, neu starten oder aufhören"));
        sideMenuButton_->setText(tr("Seitenmenü >"));
        sideMenuButton_->setToolTip(tr("Das Seitenmenü mit den Generälen und der Bilanz ein- und ausblenden"));
        panelArea_->setAccessibleName(tr("Meldungen und Schlachten"));
    });
    connect(sideMenuButton_, &QPushButton::clicked, this, &MainWindow::toggleSideMenu);

    strip_ = new ControlStrip(setup_.resource, this);
    connect(strip_->generalsButton(), &QPushButton::clicked, this, &MainWindow::generalsRequested);
    connect(strip_->reportButton(), &QPushButton::clicked, this, &MainWindow::reportRequested);
    connect(strip_->modeButton(), &QToolButton::clicked, this, &MainWindow::toggleMode);
    connect(strip_->pauseButton(), &QToolButton::clicked, this, &MainWindow::togglePause);
    // A key for every button (the strip's: F2, F3, F5). Space pauses and - and + set the pace
    // wherever the focus is; F1 opens the guide, F7 gives the keys back to the map.
    bindKeys(*this, {{optionsMenuButton_, Qt::Key_Escape}, {sideMenuButton_, Qt::Key_F4}});
    const auto pace = [this](int step) {
        return [this, step] {
            if (session_.gameRunning())
                panels_->changePace(step);
        };
    };
    bindWindowKeys(*this, {{Qt::Key_Space,
                            [this] {
                                if (session_.gameRunning())
                                    strip_->pauseButton()->click();
                            }},
                           {Qt::Key_Minus, pace(-1)},
                           {Qt::Key_Plus, pace(+1)}});
    connect(new QShortcut(Qt::Key_F1, this), &QShortcut::activated, this, &MainWindow::helpRequested);
    connect(new QShortcut(Qt::Key_F7, this), &QShortcut::activated, this,
            [this] { mapFocus_->takeKeys(mapFocus_->country()); });
    // For the ear: the situation, the next own country under attack, the next one to attack.
    connect(new QShortcut(Qt::Key_F6, this), &QShortcut::activated, this, &MainWindow::sayStatus);
    connect(new QShortcut(Qt::Key_F9, this), &QShortcut::activated, this, [this] {
        jumpTo(attackedCountries(world_), tr("Keines deiner Länder wird angegriffen."));
    });
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this, [this] {
        jumpTo(attackableCountries(world_), tr("Kein Land, das du angreifen kannst."));
    });

    info_ = new InfoPanel(world_, this);
    line_ = makeLine(this);
    battle_ = new BattlePanel(world_, this);


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
    const NewGameChoice next = setup_.nextGame();
    newGamePicture_ = next.pictureFile;
    SetupResult setup;
    if (loadMapPicture()) {
        setup = session_.startNewGame(ss(next.mapFile), next.opponents, &painter_.surface(), next.guided,
                                      next.characters ? &*next.characters : nullptr);
    } else {
        session_.giveUp();
        setup.messages.push_back({missingPictureMessage(&painter_.surface()), errorTitle()});
    }
    showView();
    if (setup.started)
        layout_.fitNewMap();
    showPhase();
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
    // The picture beside the saved game's map, whichever map is chosen for new games.
    loadedPicture_ = mapPictureFor(qs(world_.mapFileName));
    if (!loadMapPicture()) {
        showMessage(missingPictureMessage(nullptr), errorTitle());
        session_.giveUp();
        loadFailed_ = true;
        closeGame();
        return;
    }
    session_.openLoadedGame();
    // The side menu and the mode as saved.
    showView();
    layout_.fitNewMap();
    showPhase();
    painter_.repaint();
    const int shown = session_.view().shownCountry;
    info_->showCountry(shown, true);
    showBattlePanel();
    refreshPanels();
    startKeyboard(validCountry(world_, shown) ? shown : world_.side[0]);
}

void MainWindow::showView()
{
    const ViewState& view = session_.view();
    if (strip_->generalsButton()->isHidden() != view.sideMenuClosed) {
        strip_->setMenuOpen(!view.sideMenuClosed);
        layout_.sideMenuToggled(!view.sideMenuClosed, sideMenuButton_->width());
    }
    strip_->showMode(view.battleMode);
}

void MainWindow::startKeyboard(int country)
{
    mapFocus_->takeKeys(country);
    announcer_->restart(world_);
    // Whether the clock runs is the first thing a player who cannot see the
    // map needs to know of a game just begun.
    if (world_.playing)
        announcer_->announce(statusLabel_->text());
}

// ---- What the game shows ----

bool MainWindow::loadMapPicture()
{
    const QString picture = !loadedPicture_.isEmpty() ? loadedPicture_ : newGamePicture_;
    if (!painter_.surface().load(picture))
        return false;
    sideMenuButton_->setText(tr("Seitenmenü >"));
    return true;
}

void MainWindow::showBattlePanel()
{
    refreshPanels();
    battle_->refresh();
}

void MainWindow::showInfoPanel() { info_->showCountry(session_.view().shownCountry, false); }

void MainWindow::showMessage(const Text& text, const Text& title)
{
    setup_.game.dialogs.message(this, gametext::render(text), gametext::render(title));
}

void MainWindow::closeGame() { close(); }

void MainWindow::mapReleased(QPointF position)
{
    const QPoint cell = painter_.cellUnder(position);
    chooseCountry(countryAtCell(world_, cell.x(), cell.y()), cellCode(world_, cell.x(), cell.y()));
}

void MainWindow::showCountry(int country)
{
    info_->showCountry(country, true);
    session_.view().shownCountry = country;
    mapFocus_->moveTo(country);
}

void MainWindow::chooseCountry(int country, const std::string& code)
{
    if (country != 0)
        showCountry(country);
    if (session_.view().battleMode && attackableCode(world_, code))
        emit deployRequested(country);
}

// ---- Buttons ----

void MainWindow::toggleSideMenu()
{
    ViewState& view = session_.view();
    view.sideMenuClosed = !view.sideMenuClosed;
    showView();
}

void MainWindow::toggleMode()
{
    session_.view().battleMode = !session_.view().battleMode;
    showView();
}

void MainWindow::refreshPanels()
{
    if (panels_)
        panels_->refresh();
    painter_.markBattles();
}

void MainWindow::openOptionsMenu()
{
    // Over the game, which waits while it is open; after its end the window goes.
    if (session_.gameRunning())
        emit menuRequested();
    else
        closeGame();
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
    if (closing_) {
        QWidget::closeEvent(event);
        return;
    }
    // The close box in a running game is no way to lose it by a slip.
    if (event->spontaneous() && session_.gameRunning() && !confirmClose()) {
        event->ignore();
        return;
    }
    if (!painter_.surface().isNull())
        layout_.keepPreferences();
    if (event->spontaneous() && session_.gameRunning()) {
        // The frame's close box ends the game, kept in the autosave first.
        emit autosaveDue();
        session_.giveUp();
    }
    closing_ = true;
    session_.closeGame();
    QWidget::closeEvent(event);
    emit closed();
}

}  // namespace stratagon
