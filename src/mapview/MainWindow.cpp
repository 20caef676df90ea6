// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MainWindow.h"
#include "shell/MapCatalog.h"

#include "mapview/GamePanels.h"
#include "mapview/MapView.h"
#include "mapview/WindowFit.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/Program.h"
#include "shell/SaveGames.h"
#include "simulation/Battle.h"
#include "simulation/Clock.h"
#include "simulation/Pace.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <utility>

namespace stratagon {

namespace {

// Layout in twips; the boxes themselves come from MainLayout.
constexpr int Margin = 120;
constexpr int StatusLeft = 7080;
constexpr int StatusWidth = 1500;
constexpr int StatusStep = 100;    // the pause toggle moves the status label
constexpr int RowHeight = 300;
constexpr int LabelHeight = 285;
constexpr int CaptionWidth = 1320;

const QString Dash = QStringLiteral("-");

// Grid column or row (from 1) of a picture coordinate; picture pixels are
// device-independent pixels here, cells 17 × 17. Outside the picture gives 0
// or a number past the grid, both cells of no country.
int gridIndex(double pixel)
{
    return 1 + static_cast<int>(std::clamp(std::floor(pixel / GridCellPixels), -1.0, 1000.0));
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

MainWindow::MainWindow(Program& program, Opening opening)
    : program_(program), world_(program.world), session_(program.session())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Stratagon !"));
    twipsPerPixel_ = 1440.0 / std::max(logicalDpiX(), 1);
    scheme_ = program_.preferences().colourScheme();
    buildControls();
    panels_ = new GamePanels(*this, program_);
    connect(&session_, &GameSession::ticked, this, &MainWindow::showTick);
    connect(&session_, &GameSession::decided, this, &MainWindow::showOutcome);
    connect(&session_, &GameSession::clockRunningChanged, this, &MainWindow::showPauseState);
    if (opening == Opening::LoadedGame)
        openLoadedGame();
    else
        mainWindowLoad();
}

MainWindow::~MainWindow() = default;

bool MainWindow::playing() const { return world_.playing; }
void MainWindow::setPlaying(bool value) { world_.playing = value; }

int MainWindow::px(int twips) const
{
    return static_cast<int>(std::lround(twips / twipsPerPixel_));
}

void MainWindow::buildControls()
{
    mapPicture_ = new MapView(surface_, this);
    mapPicture_->setObjectName(QStringLiteral("mapPicture"));
    mapPicture_->setMouseTracking(true);
    mapPicture_->setToolTipSource([this](QPointF p) { return mapToolTip(p); });
    connect(mapPicture_, &MapView::released, this, &MainWindow::mapReleased);

    statusLabel_ = makeLabel(this, "statusLabel", QStringLiteral("Spiel läuft"));
    statusLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = statusLabel_->font();
    bold.setBold(true);
    statusLabel_->setFont(bold);

    optionsMenuButton_ = new QPushButton(QStringLiteral("Optionsmenü"), this);
    optionsMenuButton_->setObjectName(QStringLiteral("optionsMenuButton"));
    optionsMenuButton_->setToolTip(QStringLiteral("Das Spiel anhalten und das Optionsmenü öffnen: weiterspielen, "
                                                  "neu starten oder aufhören"));
    connect(optionsMenuButton_, &QPushButton::clicked, this, &MainWindow::openOptionsMenu);

    sideMenuButton_ = new QPushButton(QStringLiteral("Seitenmenü >"), this);
    sideMenuButton_->setObjectName(QStringLiteral("sideMenuButton"));
    sideMenuButton_->setToolTip(QStringLiteral("Das Seitenmenü mit den Generälen und der Bilanz ein- und ausblenden"));
    connect(sideMenuButton_, &QPushButton::clicked, this, &MainWindow::toggleSideMenu);

    generalsButton_ = new QPushButton(QStringLiteral("Generäle"), this);
    generalsButton_->setObjectName(QStringLiteral("generalsButton"));
    generalsButton_->setToolTip(QStringLiteral("Die Generalliste: Generäle einstellen, entlassen und ihnen Aufgaben "
                                               "geben"));
    connect(generalsButton_, &QPushButton::clicked, this, [this] { program_.showGeneralList(); });
    reportButton_ = new QPushButton(QStringLiteral("Bilanz"), this);
    reportButton_->setObjectName(QStringLiteral("reportButton"));
    reportButton_->setToolTip(QStringLiteral("Die Bilanz des Spiels bis jetzt"));
    connect(reportButton_, &QPushButton::clicked, this, [this] { program_.showReport(); });
    sideButtons_.push_back(reportButton_);  // placed, shown and hidden with the side menu

    modeButton_ = new QToolButton(this);
    modeButton_->setObjectName(QStringLiteral("modeButton"));
    modeButton_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    modeButton_->setIconSize(QSize(32, 32));
    modeButton_->setText(QStringLiteral("Modus : Schlacht"));
    modeButton_->setIcon(QIcon(program_.path(QStringLiteral("data/Kampf.ico"))));
    modeButton_->setToolTip(QStringLiteral("Modus wechseln: in der Schlacht greift ein Klick auf ein Nachbarland an, "
                                           "im Info-Modus zeigt er nur das Land"));
    connect(modeButton_, &QToolButton::clicked, this, &MainWindow::toggleMode);

    pauseButton_ = new QToolButton(this);
    pauseButton_->setObjectName(QStringLiteral("pauseButton"));
    pauseButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    pauseButton_->setIconSize(QSize(40, 40));
    showPauseState();
    connect(pauseButton_, &QToolButton::clicked, this, &MainWindow::togglePause);

    // Space belongs to the pause toggle, not to whichever button has focus.
    for (QWidget* w : std::initializer_list<QWidget*>{optionsMenuButton_, sideMenuButton_, generalsButton_,
                                                     reportButton_, modeButton_, pauseButton_})
        w->setFocusPolicy(Qt::NoFocus);
    setFocusPolicy(Qt::StrongFocus);

    const char* captionNames[6] = {"landCaption", "continentCaption", "generalCountCaption",
                                   "generalNameCaption", "generalEPCaption", "generalRankCaption"};
    const QString captions[6] = {QStringLiteral("Land :"),     QStringLiteral("Kontienent :"),
                                 QStringLiteral("Generäle :"), QStringLiteral("Name :"),
                                 QStringLiteral("EP :"),       QStringLiteral("Rang :")};
    for (int i = 0; i < 6; ++i)
        panelCaptions_[static_cast<std::size_t>(i)] = makeLabel(this, captionNames[i], captions[i]);
    landLabel_ = makeLabel(this, "landLabel");
    continentLabel_ = makeLabel(this, "continentLabel");
    generalCountLabel_ = makeLabel(this, "generalCountLabel");
    generalNameLabel_ = makeLabel(this, "generalNameLabel");
    generalEPLabel_ = makeLabel(this, "generalEPLabel");
    generalRankLabel_ = makeLabel(this, "generalRankLabel");

    generalScroll_ = new QScrollBar(Qt::Horizontal, this);
    generalScroll_->setObjectName(QStringLiteral("generalScroll"));
    generalScroll_->setRange(1, 1);
    generalScroll_->setEnabled(false);
    connect(generalScroll_, &QScrollBar::valueChanged, this, &MainWindow::showGeneral);

    line_ = new QFrame(this);
    static_cast<QFrame*>(line_)->setFrameShape(QFrame::HLine);
    static_cast<QFrame*>(line_)->setFrameShadow(QFrame::Sunken);

    battleHeadingLabel_ = makeLabel(this, "battleHeadingLabel", QStringLiteral("Keine Kämpfe"));
    battleHeadingLabel_->setFont(bold);
    battleCountryLabel_ = makeLabel(this, "battleCountryLabel");
    battleCountryLabel_->setFont(bold);
    attackerSideLabel_ = makeLabel(this, "attackerSideLabel");
    attackerScoreLabel_ = makeLabel(this, "attackerScoreLabel");
    attackerGeneralLabel_ = makeLabel(this, "attackerGeneralLabel");
    attackerEPLabel_ = makeLabel(this, "attackerEPLabel");
    defenderSideLabel_ = makeLabel(this, "defenderSideLabel");
    defenderScoreLabel_ = makeLabel(this, "defenderScoreLabel");
    defenderGeneralLabel_ = makeLabel(this, "defenderGeneralLabel");
    defenderEPLabel_ = makeLabel(this, "defenderEPLabel");
    for (QLabel* score : {attackerScoreLabel_, defenderScoreLabel_, attackerEPLabel_, defenderEPLabel_})
        score->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    battleScroll_ = new QScrollBar(Qt::Horizontal, this);
    battleScroll_->setObjectName(QStringLiteral("battleScroll"));
    battleScroll_->setRange(1, 1);
    battleScroll_->setEnabled(false);
    generalScroll_->setFocusPolicy(Qt::NoFocus);
    battleScroll_->setFocusPolicy(Qt::NoFocus);

    decoration_ = new QLabel(this);
    decoration_->setObjectName(QStringLiteral("decoration"));
    decoration_->setAlignment(Qt::AlignCenter);
    const QPixmap logo(program_.path(QStringLiteral("data/Stratagon.png")));
    if (!logo.isNull())
        decoration_->setPixmap(logo.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    decoration_->setVisible(!logo.isNull());

    panelArea_ = new QWidget(this);
    panelArea_->setObjectName(QStringLiteral("panelArea"));
    panelLayout_ = new QVBoxLayout(panelArea_);
    panelLayout_->setContentsMargins(0, 0, 0, 0);
    panelArea_->hide();

    const auto shortcut = [this](const QKeySequence& keys, int steps) {
        auto* s = new QShortcut(keys, this);
        connect(s, &QShortcut::activated, this, [this, steps] { steps ? zoomBy(steps) : zoomToFit(); });
    };
    shortcut(QKeySequence::ZoomIn, 1);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), 1);
    shortcut(QKeySequence::ZoomOut, -1);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_0), 0);

    statusLeftTwips_ = StatusLeft;
    placeControls();
    new FrameWatch(*this, [this](const QMargins& frame) { frameKnown(frame); });
}

void MainWindow::placeStatusLabel()
{
    // Where the map (smaller than designed, or a narrow one) leaves no room
    // for it beside "Seitenmenü >", the label moves right of the map, keeping
    // the pause toggle's step.
    int x = px(statusLeftTwips_);
    if (x + px(StatusWidth) > statusLimit_)
        x = statusFallbackX_ + x - px(StatusLeft);
    statusLabel_->setGeometry(x, statusTopY_, px(StatusWidth), statusHeight_);
}

MainLayoutMetrics MainWindow::metrics() const
{
    return {QSize(std::max(surface_.width(), 0), std::max(surface_.height(), 0)), twipsPerPixel_,
            panelLayout_ && panelLayout_->count() > 0, static_cast<int>(sideButtons_.size())};
}

void MainWindow::placeControls()
{
    const MainBoxes b = mainBoxes(metrics(), scale_, arrangement_);
    mapPicture_->setScale(scale_);
    mapPicture_->move(b.map.topLeft());
    optionsMenuButton_->setGeometry(b.optionsButton);
    sideMenuButton_->setGeometry(b.sideMenuButton);
    generalsButton_->setGeometry(b.generalsButton);
    for (std::size_t i = 0; i < sideButtons_.size() && i < b.sideButtons.size(); ++i)
        sideButtons_[i]->setGeometry(b.sideButtons[i]);
    modeButton_->setGeometry(b.modeButton);
    pauseButton_->setGeometry(b.pauseButton);
    decoration_->setGeometry(b.decoration);

    const int rowH = px(RowHeight);
    const int labelH = px(LabelHeight);
    const int captionW = px(CaptionWidth);
    const QRect info = b.infoPanel;
    QLabel* const values[6] = {landLabel_,        continentLabel_, generalCountLabel_,
                               generalNameLabel_, generalEPLabel_, generalRankLabel_};
    const auto row = [&](int i, int x, int y, int width, int captionWidth) {
        panelCaptions_[static_cast<std::size_t>(i)]->setGeometry(x, y, captionWidth, labelH);
        values[i]->setGeometry(x + captionWidth, y, std::max(width - captionWidth, 0), labelH);
    };
    if (arrangement_ == Arrangement::Below) {
        // The country on the left, its generals on the right.
        const int leftW = info.width() * 11 / 20;
        const int rightX = info.left() + leftW + px(Margin);
        const int rightW = std::max(info.left() + info.width() - rightX, 0);
        for (int i = 0; i < 3; ++i) {
            row(i, info.left(), info.top() + i * rowH, leftW, captionW);
            row(i + 3, rightX, info.top() + i * rowH, rightW, captionW * 2 / 3);
        }
    } else {
        for (int i = 0; i < 6; ++i)
            row(i, info.left(), info.top() + i * rowH, info.width(), captionW);
    }
    generalScroll_->setGeometry(b.generalScroll);
    line_->setGeometry(b.line);

    // Battle panel: columns as shares of its width.
    const QRect battle = b.battlePanel;
    const auto column = [&](int percent) { return battle.left() + battle.width() * percent / 100; };
    const auto place = [&](QLabel* label, int from, int to, int y) {
        label->setGeometry(column(from), y, column(to) - column(from), labelH);
    };
    const int b0 = battle.top();
    if (arrangement_ == Arrangement::Below) {
        place(battleHeadingLabel_, 0, 12, b0);
        place(battleCountryLabel_, 12, 36, b0);
        place(attackerSideLabel_, 36, 58, b0);
        place(attackerScoreLabel_, 58, 64, b0);
        place(attackerGeneralLabel_, 67, 90, b0);
        place(attackerEPLabel_, 90, 96, b0);
        place(defenderSideLabel_, 36, 58, b0 + rowH);
        place(defenderScoreLabel_, 58, 64, b0 + rowH);
        place(defenderGeneralLabel_, 67, 90, b0 + rowH);
        place(defenderEPLabel_, 90, 96, b0 + rowH);
    } else {
        place(battleHeadingLabel_, 0, 30, b0);
        place(battleCountryLabel_, 30, 100, b0);
        for (int k = 0; k < 2; ++k) {
            const int y = b0 + (k + 1) * rowH;
            place(k ? defenderSideLabel_ : attackerSideLabel_, 0, 40, y);
            place(k ? defenderScoreLabel_ : attackerScoreLabel_, 40, 50, y);
            place(k ? defenderGeneralLabel_ : attackerGeneralLabel_, 53, 88, y);
            place(k ? defenderEPLabel_ : attackerEPLabel_, 88, 100, y);
        }
    }
    battleScroll_->setGeometry(b.battleScroll);

    panelArea_->setGeometry(b.extraPanels);
    panelArea_->setVisible(!b.extraPanels.isEmpty());

    statusTopY_ = b.statusTop;
    statusHeight_ = b.statusHeight;
    statusLimit_ = b.statusLimit;
    statusFallbackX_ = b.map.right() + 1 + px(Margin);
    placeStatusLabel();
}

QSize MainWindow::windowSizeFor(double scale, Arrangement arrangement) const
{
    const QSize content = mainContentSize(metrics(), scale, arrangement);
    return {std::max(content.width() - sideCut_, sideMenuButton_->width()), content.height()};
}

void MainWindow::applyFit(const MainFit& fit)
{
    scale_ = fit.scale;
    arrangement_ = fit.arrangement;
    placeControls();
    resize(windowSizeFor(scale_, arrangement_));
}

void MainWindow::fitToScreen(bool restoreKept)
{
    const QRect free = availableArea(*this);
    const QMargins frame = expectedFrame(*this);
    fittedMap_ = metrics().map;
    // The kept zoom (else 100 %), or less where this screen cannot hold it.
    const int zoom = program_.preferences().zoomPercent();
    const double limit = zoom > 0 ? zoom / 100.0 : 1.0;
    applyFit(fitMainWindow(metrics(), free.size(), frame, limit));
    // Made again once the real frame is known, unless the player changes the window first.
    fitLimit_ = isVisible() ? 0 : limit;
    // Centred, the whole frame on the screen.
    move(centredIn(free, size(), frame));
    // The last geometry where it still fits this screen: the window follows its size.
    const QByteArray kept = restoreKept ? program_.preferences().mainWindowGeometry() : QByteArray();
    if (!kept.isEmpty()) {
        const QRect before = geometry();
        const QPoint at = pos();
        if (!restoreGeometry(kept) || !free.contains(geometry().marginsAdded(frame))) {
            resize(before.size());
            move(at);
        } else {
            fitLimit_ = 0;
        }
    }
}

void MainWindow::frameKnown(const QMargins& frame)
{
    const QRect free = availableArea(*this);
    if (surface_.isNull())
        return;
    // A fit made with an expected frame is made again with the real one.
    if (fitLimit_ > 0) {
        applyFit(fitMainWindow(metrics(), free.size(), frame, std::exchange(fitLimit_, 0.0)));
        move(centredIn(free, size(), frame));
        return;
    }
    // Otherwise only a frame larger than expected counts: the map shrinks
    // until the whole frame fits again.
    if (free.contains(QRect(pos(), size().grownBy(frame))))
        return;
    const MainFit fit = fitMainWindow(metrics(), free.size(), frame, scale_);
    if (fit.scale < scale_ || fit.arrangement != arrangement_)
        applyFit(fit);
    move(placedInside(free, size(), frame, pos()));
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (surface_.isNull())
        return;
    // A size the layout asked for needs nothing; any other (the frame, the
    // window system) gets the largest map that fits it.
    const QSize content = size() + QSize(sideCut_, 0);
    if (content == mainContentSize(metrics(), scale_, arrangement_))
        return;
    fitLimit_ = 0;  // the player's size stays
    const MainFit fit = fitMainWindow(metrics(), content, {}, MaxMapScale);
    if (fit.scale != scale_ || fit.arrangement != arrangement_) {
        scale_ = fit.scale;
        arrangement_ = fit.arrangement;
        placeControls();
    }
}

void MainWindow::zoomBy(int steps)
{
    zoomTo(std::round(scale_ * 10.0) / 10.0 + steps * MapScaleStep);
}

void MainWindow::zoomTo(double scale)
{
    if (surface_.isNull())
        return;
    const double s = std::clamp(std::round(scale * 10.0) / 10.0, MinMapScale, MaxMapScale);
    fitLimit_ = 0;
    const QRect free = availableArea(*this);
    const QMargins frame = expectedFrame(*this);
    applyFit({s, arrangementFor(metrics(), free.size(), frame, s)});
    // As much of the window on the screen as it holds, the title bar always.
    move(placedInside(free, size(), frame, pos()));
    keepPreferences();
}

void MainWindow::zoomToFit()
{
    if (surface_.isNull())
        return;
    const QRect free = availableArea(*this);
    const QMargins frame = expectedFrame(*this);
    applyFit(fitMainWindow(metrics(), free.size(), frame, 1.0));
    move(placedInside(free, size(), frame, pos()));
    keepPreferences();
}

void MainWindow::keepPreferences()
{
    Preferences& preferences = program_.preferences();
    preferences.setZoomPercent(static_cast<int>(std::lround(scale_ * 100)));
    preferences.setMainWindowGeometry(saveGeometry());
}

void MainWindow::addPanel(QWidget* panel, int stretch)
{
    panelLayout_->addWidget(panel, stretch);
    panel->show();
    if (!surface_.isNull())
        applyFit({scale_, arrangementFor(metrics(), availableArea(*this).size(), expectedFrame(*this), scale_)});
    else
        placeControls();
}

QPushButton* MainWindow::addSideMenuButton(const QString& text, const QString& objectName)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setFocusPolicy(Qt::NoFocus);
    button->setVisible(generalsButton_->isVisible() || !isVisible());
    sideButtons_.push_back(button);
    placeControls();
    if (!surface_.isNull())
        resize(windowSizeFor(scale_, arrangement_).width(), std::max(height(), windowSizeFor(scale_, arrangement_).height()));
    return button;
}

void MainWindow::setColourScheme(ColourScheme scheme)
{
    scheme_ = scheme;
    // Painted again at once, also in a paused game.
    if (world_.playing)
        repaintMap();
}

void MainWindow::repaintMap()
{
    if (surface_.isNull())
        return;
    surface_.clear();
    ensureAreas();
    for (const CountryPaint& paint : mapPaints(world_, scheme_))
        surface_.paintCountry(paint.x, paint.y, paint.style);
    if (!monthName(world_.month).empty())
        drawDate(dateText(world_));
    mapPicture_->pictureChanged();
}

void MainWindow::ensureAreas()
{
    // Built once per map, from the seeds of the loaded map data.
    if (surface_.isNull())
        return;
    std::vector<QPoint> seeds;
    for (int i = 1; i <= std::clamp(world_.countryCount, 0, MaxCountries); ++i)
        seeds.emplace_back(world_.fillX[static_cast<std::size_t>(i)], world_.fillY[static_cast<std::size_t>(i)]);
    if (surface_.hasAreas() && seeds == areaSeeds_)
        return;
    areaSeeds_ = std::move(seeds);
    surface_.buildAreas(areaSeeds_);
}

void MainWindow::mainWindowLoad()
{
    loadedPicture_.clear();
    world_.sideMenuClosed = true;
    closedByGame_ = false;
    program_.restoreFileSettings();
    showStatusRunning();
    sideMenuButton_->setEnabled(true);
    SetupResult setup;
    if (loadMapPicture()) {
        setup = session_.startNewGame(ss(mapForGame(program_.paths(), program_.preferences().mapName()).mapFile),
                                      program_.preferences().opponentCount(), &surface_);
    } else {
        world_.playing = false;
        setup.messages.push_back({missingPictureMessage(&surface_), "Fehler !"});
    }
    // The world as the set-up left it: its first tick and the sides placed.
    mapPicture_->pictureChanged();
    if (setup.started || setup.outcome != GameOutcome::Running)
        showTick({});
    for (const EndMessage& message : setup.messages)
        showMessage(message.text, message.title);
    if (setup.outcome != GameOutcome::Running) {
        showOutcome(setup.outcome);
    } else if (!setup.started) {
        // No picture or no playable map: the player has been told; back to
        // the options menu instead of a game on an empty map.
        loadFailed_ = true;
        closeGame();
    }
}

void MainWindow::Startat()
{
    mainWindowLoad();
}

void MainWindow::showTick(const TickReport& report)
{
    if (closing_)
        return;
    repaintMap();
    showBattlePanel();
    shown_ = describeCountry(world_, world_.shownCountry);
    showPanel(false);
    // A new game year replaces the autosave.
    if (report.newYear && world_.playing)
        saveAutomatically(program_, this);
}

void MainWindow::showOutcome(GameOutcome outcome)
{
    const EndMessage message = endMessage(world_, outcome);
    showMessage(message.text, message.title);
    closeGame();
    program_.showReport();
}

void MainWindow::openLoadedGame()
{
    closedByGame_ = false;
    // The picture beside the saved game's map, whichever map is chosen for new games.
    const QFileInfo map(qs(world_.mapFileName));
    loadedPicture_ = resolvePath(map.absolutePath(), map.completeBaseName() + QStringLiteral(".bmp"));
    if (!loadMapPicture()) {
        showMessage(missingPictureMessage(nullptr), "Fehler !");
        world_.playing = false;
        loadFailed_ = true;
        closeGame();
        return;
    }
    session_.openLoadedGame();
    statusLabel_->setText(QStringLiteral("Spiel pausiert"));
    statusLeftTwips_ = StatusLeft - StatusStep;
    placeStatusLabel();
    showPauseState();
    enableSideMenuButton();
    // The side menu and the mode as saved, through their own toggles from
    // what the window shows now.
    const bool closed = world_.sideMenuClosed;
    world_.sideMenuClosed = generalsButton_->isHidden();
    if (world_.sideMenuClosed != closed)
        toggleSideMenu();
    world_.battleMode = !world_.battleMode;
    toggleMode();
    repaintMap();
    shown_ = describeCountry(world_, world_.shownCountry);
    showPanel(true);
    showBattlePanel();
    refreshPanels();
    setEnabled(true);
}

// ---- What the game shows ----

void MainWindow::showStatusRunning()
{
    statusLabel_->setText(QStringLiteral("Spiel läuft"));
    statusLeftTwips_ = StatusLeft;
    placeStatusLabel();
    showPauseState();
}

void MainWindow::enableSideMenuButton()
{
    sideMenuButton_->setEnabled(true);
}

bool MainWindow::loadMapPicture()
{
    const QString picture = !loadedPicture_.isEmpty()
                                ? loadedPicture_
                                : mapForGame(program_.paths(), program_.preferences().mapName()).pictureFile;
    if (!surface_.load(picture))
        return false;
    sideMenuButton_->setText(QStringLiteral("Seitenmenü >"));
    // Sized and centred once, and again for a map of another size: the
    // design's layout where the screen holds it, else the largest map that
    // fits. A restart on the same map keeps the window's size and whatever
    // the side menu made of its width.
    if (!widthSet_ || metrics().map != fittedMap_) {
        fitToScreen(!widthSet_);
        widthSet_ = true;
    } else {
        placeControls();
    }
    return true;
}

void MainWindow::drawDate(const std::string& text)
{
    surface_.drawText(1, 1, qs(text), 18, White);
    mapPicture_->pictureChanged();
}

void MainWindow::showBattlePanel()
{
    refreshPanels();
    const int m = std::min<int>(world_.playerBattleCount, MaxPlayerBattles);
    QLabel* const values[9] = {battleCountryLabel_,  attackerSideLabel_,    attackerScoreLabel_,
                               attackerGeneralLabel_, attackerEPLabel_,     defenderSideLabel_,
                               defenderScoreLabel_,   defenderGeneralLabel_, defenderEPLabel_};
    if (m <= 0) {
        battleHeadingLabel_->setText(QStringLiteral("Keine Kämpfe"));
        for (QLabel* label : values)
            label->clear();
        battleScroll_->setEnabled(false);
        return;
    }
    int k = 1;
    if (m == 1) {
        battleScroll_->setEnabled(false);
    } else {
        battleScroll_->setRange(1, m);
        battleScroll_->setPageStep(m);
        battleScroll_->setEnabled(true);
        k = std::clamp(battleScroll_->value(), 1, m);
    }
    const PlayerBattleEntry& e = world_.playerBattleList[static_cast<std::size_t>(k)];
    battleHeadingLabel_->setText(QStringLiteral("Kampf um"));
    battleCountryLabel_->setText(qs(e.country));
    attackerSideLabel_->setText(qs(e.attackerSide));
    attackerScoreLabel_->setText(QString::number(e.attackerScore));
    attackerGeneralLabel_->setText(qs(e.attackerGeneral));
    attackerEPLabel_->setText(QString::number(e.attackerEP));
    defenderSideLabel_->setText(qs(e.defenderSide));
    defenderScoreLabel_->setText(QString::number(e.defenderScore));
    defenderGeneralLabel_->setText(qs(e.defenderGeneral));
    defenderEPLabel_->setText(QString::number(e.defenderEP));
}

void MainWindow::showInfoPanel()
{
    showPanel(false);
}

void MainWindow::showMessage(const std::string& text, const std::string& title)
{
    program_.dialogs.message(this, qs(text), qs(title));
}

void MainWindow::closeGame()
{
    closedByGame_ = true;
    session_.closeGame();
    close();
    // The menu may already be open for a paused game: it must show its form
    // for the time before a game.
    program_.showOptionsMenu()->reload();
}

// ---- Information panel ----

void MainWindow::showCountryInfo(int country)
{
    shown_ = describeCountry(world_, country);
    showPanel(true);
}

void MainWindow::showPanel(bool fromClick)
{
    landLabel_->setText(qs(shown_.land));
    continentLabel_->setText(qs(shown_.continent));
    generalCountLabel_->setText(QString::number(shown_.generals.size()));
    // After a click the panel starts at general 1; the clock's refresh keeps
    // the general the scroll bar points at.
    showGeneralScroll(fromClick);
    showGeneral(fromClick ? 1 : generalScroll_->value());
}

void MainWindow::showGeneralScroll(bool resetToFirst)
{
    const int count = static_cast<int>(shown_.generals.size());
    if (count > 1) {
        generalScroll_->setRange(1, count);
        generalScroll_->setPageStep(count);
        generalScroll_->setEnabled(true);
        if (resetToFirst)
            generalScroll_->setValue(1);
    } else {
        if (resetToFirst)
            generalScroll_->setValue(1);
        generalScroll_->setEnabled(false);
    }
}

void MainWindow::showGeneral(int n)
{
    const int count = static_cast<int>(shown_.generals.size());
    if (count <= 0) {
        // No generals: no stale entry of the country shown before.
        generalNameLabel_->setText(Dash);
        generalEPLabel_->setText(Dash);
        generalRankLabel_->setText(Dash);
        return;
    }
    // The scroll bar keeps its value when the list shrinks to one; the
    // panel still shows a general of this country.
    const auto& [name, ep] = shown_.generals[static_cast<std::size_t>(std::clamp(n, 1, count) - 1)];
    generalNameLabel_->setText(qs(name));
    generalEPLabel_->setText(QString::number(ep));
    generalRankLabel_->setText(qs(rankName(ep)));
}

// ---- Map ----

int MainWindow::countryUnder(QPointF position) const
{
    const int drawn =
        surface_.countryAt(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
    return drawn != 0 ? drawn : countryAtCell(world_, gridIndex(position.x()), gridIndex(position.y()));
}

void MainWindow::mapReleased(QPointF position)
{
    int column = gridIndex(position.x());
    int row = gridIndex(position.y());
    // The country drawn under the pointer, not the grid cell's, wherever
    // the pointer is on a country's area: the code under the pointer is
    // then that of the country's own cell nearest to it.
    ensureAreas();
    const int drawn =
        surface_.countryAt(static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y())));
    if (drawn != 0)
        nearestCellOf(world_, drawn, position.x() / GridCellPixels, position.y() / GridCellPixels, column, row);
    const std::string code = cellCode(world_, column, row);

    const int count = std::clamp(world_.countryCount, 0, MaxCountries);
    for (int i = 1; i <= count; ++i) {
        if (!code.empty() && world_.countryCode[static_cast<std::size_t>(i)] == code) {
            showCountryInfo(i);
            world_.shownCountry = i;
        }
    }

    if (!world_.battleMode || !attackableCode(world_, code))
        return;
    setEnabled(false);
    program_.showDeploy(countryAtCell(world_, column, row));
}

QString MainWindow::mapToolTip(QPointF position) const
{
    const int country = countryUnder(position);
    if (country == 0)
        return {};
    const int holder = world_.countryOwner[static_cast<std::size_t>(country)];
    QString text = qs(world_.countryName[static_cast<std::size_t>(country)]);
    if (holder != 0 && validSideIndex(holder))
        text += QStringLiteral("\nBesitzer : ") + qs(world_.countryName[static_cast<std::size_t>(holder)]);
    return text;
}

// ---- Buttons ----

void MainWindow::toggleSideMenu()
{
    const int step = sideMenuButton_->width();
    if (world_.sideMenuClosed) {
        world_.sideMenuClosed = false;
        generalsButton_->setVisible(true);
        for (QPushButton* button : sideButtons_)
            button->setVisible(true);
        sideCut_ -= step;
    } else {
        world_.sideMenuClosed = true;
        generalsButton_->setVisible(false);
        for (QPushButton* button : sideButtons_)
            button->setVisible(false);
        sideCut_ += step;
    }
    // Never narrower than the button itself, however often it narrows.
    const int content = mainContentSize(metrics(), scale_, arrangement_).width();
    sideCut_ = std::min(sideCut_, content - step);
    resize(content - sideCut_, height());
}

void MainWindow::toggleMode()
{
    if (world_.battleMode) {
        modeButton_->setText(QStringLiteral("Modus : Info"));
        modeButton_->setIcon(QIcon(program_.path(QStringLiteral("data/Info.ico"))));
        world_.battleMode = false;
    } else {
        modeButton_->setText(QStringLiteral("Modus : Schlacht"));
        modeButton_->setIcon(QIcon(program_.path(QStringLiteral("data/Kampf.ico"))));
        world_.battleMode = true;
    }
}

void MainWindow::refreshPanels()
{
    if (panels_)
        panels_->refresh();
    if (surface_.isNull())
        return;
    for (int k = 1; k <= std::clamp(world_.battleCount, 0, MaxBattles); ++k) {
        const int country = world_.battles[static_cast<std::size_t>(k)].country;
        if (validCountry(world_, country))
            surface_.drawBattleMark(world_.fillX[static_cast<std::size_t>(country)],
                                    world_.fillY[static_cast<std::size_t>(country)]);
    }
    // Only the rows the marks touched are repainted, and a scaled-down view
    // averages them in as well.
    mapPicture_->pictureChanged();
}

void MainWindow::showPauseState()
{
    // The button shows what a press will do: play while paused, pause while running.
    const bool paused = session_.paused() && world_.playing;
    pauseButton_->setIcon(paused ? style()->standardIcon(QStyle::SP_MediaPlay)
                                 : QIcon(program_.path(QStringLiteral("data/Pause.png"))));
    pauseButton_->setToolTip(paused ? QStringLiteral("Weiterspielen (Leertaste)") : QStringLiteral("Pause (Leertaste)"));
}

void MainWindow::togglePause()
{
    if (!session_.paused()) {
        session_.setPaused(true);
        statusLabel_->setText(QStringLiteral("Spiel pausiert"));
        statusLeftTwips_ -= StatusStep;
    } else {
        session_.setPaused(false);
        statusLabel_->setText(QStringLiteral("Spiel läuft"));
        statusLeftTwips_ += StatusStep;
    }
    placeStatusLabel();
    showPauseState();
}

void MainWindow::openOptionsMenu()
{
    if (!world_.playing) {
        close();
    } else {
        setEnabled(false);
    }
    // The menu holds the clock while it is open over a game.
    program_.showOptionsMenu()->reload();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && world_.playing) {
        pauseButton_->click();
        return;
    }
    // - and + set the pace (Ctrl with them zooms); F1 opens the guide.
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && (event->key() == Qt::Key_Minus || event->key() == Qt::Key_Plus) && world_.playing) {
        panels_->changePace(event->key() == Qt::Key_Minus ? -1 : +1);
        return;
    }
    if (event->key() == Qt::Key_F1) {
        panels_->showHelp();
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
    return program_.dialogs.question(this, QStringLiteral("Willst du das laufende Spiel wirklich beenden?"),
                                     QStringLiteral("Stratagon !"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box in a running game is no way to lose it by a slip.
    if (event->spontaneous() && !closedByGame_ && !closing_ && world_.playing && !confirmClose()) {
        event->ignore();
        return;
    }
    if (!surface_.isNull() && !closing_)
        keepPreferences();
    closing_ = true;
    session_.closeGame();
    if (event->spontaneous() && !closedByGame_) {
        // The frame's close box ends the game; the menu comes back in its
        // form before a game, also when it was open for the paused game.
        // The game is kept in the autosave first.
        saveAutomatically(program_, this);
        world_.playing = false;
        if (OptionsMenuWindow* menu = program_.optionsMenu())
            menu->reload();
        program_.showOptionsMenu();
    }
    QWidget::closeEvent(event);
}

}  // namespace stratagon
