#include "mapview/MainWindow.h"

#include "mapview/MapView.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "shell/OptionsMenuWindow.h"
#include "shell/Program.h"
#include "simulation/Clock.h"
#include "simulation/PlayerActions.h"
#include "simulation/Setup.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace stratagon {

namespace {

// Layout in twips.
constexpr int Margin = 120;
constexpr int TopRowY = 120;
constexpr int ButtonWidth = 1800;  // optionsMenuButton and sideMenuButton
constexpr int ButtonHeight = 360;
constexpr int MapTop = 600;
constexpr int StripWidth = 1860;   // the side menu right of the map
constexpr int StatusLeft = 7080;
constexpr int StatusWidth = 1500;
constexpr int StatusStep = 100;    // the pause toggle moves the status label
constexpr int BelowMap = 3200;     // window height = map + this
constexpr int RowHeight = 300;
constexpr int LabelHeight = 285;
constexpr int CaptionWidth = 1320;
constexpr int ScrollHeight = 255;

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

MainWindow::MainWindow(Program& program)
    : program_(program), world_(program.world), clockTimer_(new QTimer(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Stratagon !"));
    clockTimer_->setObjectName(QStringLiteral("clockTimer"));
    twipsPerPixel_ = 1440.0 / std::max(logicalDpiX(), 1);
    buildControls();
    connect(clockTimer_, &QTimer::timeout, this, &MainWindow::runClockTick);
    mainWindowLoad();
}

MainWindow::~MainWindow() = default;

bool MainWindow::playing() const { return world_.playing; }
void MainWindow::setPlaying(bool value) { world_.playing = value; }
int& MainWindow::r() { return world_.r; }
int& MainWindow::kl() { return world_.kl; }
int& MainWindow::jk() { return world_.jk; }
int& MainWindow::hh() { return world_.hh; }
int& MainWindow::bb() { return world_.bb; }
std::string& MainWindow::Kontinent() { return world_.Kontinent; }
int& MainWindow::Genralmenge() { return world_.Genralmenge; }
std::string& MainWindow::land() { return world_.land; }

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
    connect(optionsMenuButton_, &QPushButton::clicked, this, &MainWindow::openOptionsMenu);

    sideMenuButton_ = new QPushButton(QStringLiteral("Seitenmenü >"), this);
    sideMenuButton_->setObjectName(QStringLiteral("sideMenuButton"));
    connect(sideMenuButton_, &QPushButton::clicked, this, &MainWindow::toggleSideMenu);

    generalsButton_ = new QPushButton(QStringLiteral("Generäle"), this);
    generalsButton_->setObjectName(QStringLiteral("generalsButton"));
    connect(generalsButton_, &QPushButton::clicked, this, [this] { program_.showGeneralList(); });
    reportButton_ = new QPushButton(QStringLiteral("Bilanz"), this);
    reportButton_->setObjectName(QStringLiteral("reportButton"));
    connect(reportButton_, &QPushButton::clicked, this, [this] { program_.showReport(); });

    modeButton_ = new QToolButton(this);
    modeButton_->setObjectName(QStringLiteral("modeButton"));
    modeButton_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    modeButton_->setIconSize(QSize(32, 32));
    modeButton_->setText(QStringLiteral("Modus : Schlacht"));
    modeButton_->setIcon(QIcon(program_.path(QStringLiteral("data/Kampf.ico"))));
    connect(modeButton_, &QToolButton::clicked, this, &MainWindow::toggleMode);

    pauseButton_ = new QToolButton(this);
    pauseButton_->setObjectName(QStringLiteral("pauseButton"));
    pauseButton_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    pauseButton_->setIconSize(QSize(40, 40));
    pauseButton_->setIcon(QIcon(program_.path(QStringLiteral("data/Pause.png"))));
    pauseButton_->setToolTip(QStringLiteral("Pause (Leertaste)"));
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

    statusLeftTwips_ = StatusLeft;
    placeStatusLabel();
    layoutAroundMap();
}

void MainWindow::placeStatusLabel()
{
    statusLabel_->setGeometry(px(statusLeftTwips_), px(TopRowY), px(StatusWidth), px(ButtonHeight));
}

// Everything but the status label hangs off the map picture.
void MainWindow::layoutAroundMap()
{
    const int mapLeft = px(Margin);
    const int mapTop = px(MapTop);
    const int mapW = std::max(surface_.width(), 0);
    const int mapH = std::max(surface_.height(), 0);
    const int mapRight = mapLeft + mapW;
    mapPicture_->move(mapLeft, mapTop);

    optionsMenuButton_->setGeometry(px(Margin), px(TopRowY), px(ButtonWidth), px(ButtonHeight));
    sideMenuButton_->setGeometry(mapRight - px(ButtonWidth), px(TopRowY), px(ButtonWidth), px(ButtonHeight));

    const int stripX = mapRight + px(Margin);
    generalsButton_->setGeometry(stripX, mapTop, px(StripWidth), px(ButtonHeight));
    modeButton_->setGeometry(stripX, mapTop + px(480), px(StripWidth), px(900));
    pauseButton_->setGeometry(stripX + px(240), mapTop + px(1500), px(StripWidth - 480), px(900));
    decoration_->setGeometry(stripX, mapTop + px(2520), px(StripWidth), px(1200));
    reportButton_->setGeometry(stripX, mapTop + px(3840), px(StripWidth), px(ButtonHeight));

    // Information panel: the country on the left, its generals on the right.
    const int y0 = mapTop + mapH + px(Margin);
    const int rowH = px(RowHeight);
    const int labelH = px(LabelHeight);
    const int captionW = px(CaptionWidth);
    const int leftW = mapW * 11 / 20;
    const int rightX = mapLeft + leftW + px(Margin);
    const int rightW = std::max(mapRight - rightX, 0);
    QLabel* const leftValues[3] = {landLabel_, continentLabel_, generalCountLabel_};
    QLabel* const rightValues[3] = {generalNameLabel_, generalEPLabel_, generalRankLabel_};
    for (int i = 0; i < 3; ++i) {
        const int y = y0 + i * rowH;
        panelCaptions_[static_cast<std::size_t>(i)]->setGeometry(mapLeft, y, captionW, labelH);
        leftValues[i]->setGeometry(mapLeft + captionW, y, std::max(leftW - captionW, 0), labelH);
        panelCaptions_[static_cast<std::size_t>(i + 3)]->setGeometry(rightX, y, captionW * 2 / 3, labelH);
        rightValues[i]->setGeometry(rightX + captionW * 2 / 3, y, std::max(rightW - captionW * 2 / 3, 0),
                                    labelH);
    }
    generalScroll_->setGeometry(rightX, y0 + 3 * rowH, rightW, px(ScrollHeight));

    line_->setGeometry(mapLeft, y0 + 3 * rowH + px(ScrollHeight) + px(60), mapW, px(60));

    // Battle panel: two lines and the scroll bar, columns as shares of the map's width.
    const int b0 = y0 + 3 * rowH + px(ScrollHeight) + px(180);
    const auto column = [&](int percent) { return mapLeft + mapW * percent / 100; };
    const auto place = [&](QLabel* label, int from, int to, int y) {
        label->setGeometry(column(from), y, column(to) - column(from), labelH);
    };
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
    battleScroll_->setGeometry(mapLeft, b0 + 2 * rowH, mapW, px(ScrollHeight));
}

void MainWindow::mainWindowLoad()
{
    world_.sideMenuClosed = true;
    closedByGame_ = false;
    // A message box of the set-up (a rejected map) runs an event loop while
    // the clock already runs: no tick may start before the set-up is done.
    settingUp_ = true;
    const bool started =
        startGame(world_, program_.random, *this, ss(program_.path(QStringLiteral("cards/Afrika.mgi"))));
    settingUp_ = false;
    if (!started && !closedByGame_) {
        // No picture: the player has been told; back to the options menu
        // instead of a game on an empty map.
        loadFailed_ = true;
        closeGame();
    }
}

void MainWindow::Startat()
{
    mainWindowLoad();
}

void MainWindow::runClockTick()
{
    // clockTick itself refuses to start inside another tick.
    if (settingUp_ || closing_)
        return;
    clockTick(world_, program_.random, *this);
}

// ---- GameView ----

void MainWindow::showStatusRunning()
{
    statusLabel_->setText(QStringLiteral("Spiel läuft"));
    statusLeftTwips_ = StatusLeft;
    placeStatusLabel();
}

void MainWindow::enableSideMenuButton()
{
    sideMenuButton_->setEnabled(true);
}

bool MainWindow::loadMapPicture()
{
    if (!surface_.load(program_.path(QStringLiteral("cards/Afrika.bmp"))))
        return false;
    mapPicture_->fitToSurface();
    layoutAroundMap();
    sideMenuButton_->setText(QStringLiteral("Seitenmenü >"));
    setFixedHeight(surface_.height() + px(BelowMap));
    // The width is the design's, side menu open, set once: a restart keeps
    // whatever the side menu made of it. Centred once its size is known.
    if (!widthSet_) {
        setFixedWidth(px(Margin) + surface_.width() + px(Margin) + px(StripWidth) + px(Margin));
        widthSet_ = true;
        if (const QScreen* shown = screen()) {
            const QRect free = shown->availableGeometry();
            move(std::max(free.left(), free.center().x() - width() / 2),
                 std::max(free.top(), free.center().y() - height() / 2));
        }
    }
    return true;
}

void MainWindow::startClock(int periodMs)
{
    clockTimer_->start(periodMs);
}

void MainWindow::recreateSurface()
{
    // The surface is the window's own image and survives covering by itself.
    mapPicture_->update();
}

void MainWindow::clearMap()
{
    surface_.clear();
    mapPicture_->update();
}

void MainWindow::fillCountry(int x, int y, Rgb colour)
{
    surface_.fillCountry(x, y, colour);
}

void MainWindow::drawDate(const std::string& text)
{
    surface_.drawText(1, 1, qs(text), 18, White);
    mapPicture_->update();
}

void MainWindow::showBattlePanel()
{
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
    clockTimer_->stop();
    close();
    // The menu may already be open for a paused game: it must show its form
    // for the time before a game.
    program_.showOptionsMenu()->reload();
}

void MainWindow::showReport()
{
    program_.showReport();
}

// ---- Information panel ----

void MainWindow::showCountryInfo(int country)
{
    fillPanelValues(world_, country);
    showPanel(true);
}

void MainWindow::showPanel(bool fromClick)
{
    landLabel_->setText(qs(world_.land));
    continentLabel_->setText(qs(world_.Kontinent));
    generalCountLabel_->setText(QString::number(world_.Genralmenge));
    // After a click the panel starts at general 1; the clock's refresh keeps
    // the general the scroll bar points at.
    showGeneralScroll(fromClick);
    showGeneral(fromClick ? 1 : generalScroll_->value());
}

void MainWindow::showGeneralScroll(bool resetToFirst)
{
    const int count = std::min(world_.Genralmenge, MaxGenerals);
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
    const int count = std::min(world_.Genralmenge, MaxGenerals);
    if (count <= 0) {
        // No generals: no stale entry of the country shown before.
        generalNameLabel_->setText(Dash);
        generalEPLabel_->setText(Dash);
        generalRankLabel_->setText(Dash);
        return;
    }
    // The scroll bar keeps its value when the list shrinks to one; the
    // panel still shows a general of this country.
    const auto j = static_cast<std::size_t>(std::clamp(n, 1, count));
    const int32_t ep = world_.panelGeneralEP[j];
    generalNameLabel_->setText(qs(world_.panelGeneralName[j]));
    generalEPLabel_->setText(QString::number(ep));
    generalRankLabel_->setText(qs(rankName(ep)));
}

// ---- Map ----

void MainWindow::mapReleased(QPointF position)
{
    world_.bb = gridIndex(position.x());
    world_.hh = gridIndex(position.y());
    const std::string code = cellCode(world_, world_.bb, world_.hh);

    const int count = std::clamp(world_.countryCount, 0, MaxCountries);
    for (world_.kl = 1; world_.kl <= count; ++world_.kl) {
        if (!code.empty() && world_.countryCode[static_cast<std::size_t>(world_.kl)] == code) {
            showCountryInfo(world_.kl);
            world_.shownCountry = world_.kl;
        }
    }

    if (!world_.battleMode || !attackableCode(world_, code))
        return;
    clockTimer_->stop();
    setEnabled(false);
    program_.showDeploy();
}

QString MainWindow::mapToolTip(QPointF position) const
{
    const int country = countryAtCell(world_, gridIndex(position.x()), gridIndex(position.y()));
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
        reportButton_->setVisible(true);
        setFixedWidth(width() + step);
    } else {
        world_.sideMenuClosed = true;
        generalsButton_->setVisible(false);
        reportButton_->setVisible(false);
        // Never narrower than the button itself, however often it narrows.
        setFixedWidth(std::max(width() - step, step));
    }
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

void MainWindow::togglePause()
{
    if (world_.r == 1) {
        clockTimer_->stop();
        statusLabel_->setText(QStringLiteral("Spiel pausiert"));
        statusLeftTwips_ -= StatusStep;
        world_.r = 0;
    } else {
        clockTimer_->start();
        statusLabel_->setText(QStringLiteral("Spiel läuft"));
        statusLeftTwips_ += StatusStep;
        world_.r = 1;
    }
    placeStatusLabel();
}

void MainWindow::openOptionsMenu()
{
    if (!world_.playing) {
        close();
    } else {
        setEnabled(false);
        clockTimer_->stop();
    }
    program_.showOptionsMenu();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && world_.playing) {
        pauseButton_->click();
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

void MainWindow::closeEvent(QCloseEvent* event)
{
    closing_ = true;
    clockTimer_->stop();
    if (event->spontaneous() && !closedByGame_) {
        // The frame's close box ends the game; the menu comes back in its
        // form before a game, also when it was open for the paused game.
        world_.playing = false;
        if (OptionsMenuWindow* menu = program_.optionsMenu())
            menu->reload();
        program_.showOptionsMenu();
    }
    QWidget::closeEvent(event);
}

}  // namespace stratagon
