// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/NewGameWindow.h"

#include "platform/Dialogs.h"
#include "session/GameText.h"
#include "platform/Paths.h"
#include "platform/WindowStyle.h"
#include "shell/CountryPickWindow.h"
#include "shell/MapCatalog.h"
#include "shell/MapPickWindow.h"
#include "shell/OpponentCharacterBox.h"
#include "shell/OpponentPickWindow.h"
#include "shell/Program.h"
#include "world/MapLoader.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>
#include <algorithm>

namespace stratagon {

// The box the bar grows in: cleared, then filled from the left to p percent.
class ProgressBox : public QWidget {
public:
    using QWidget::QWidget;
    int percent = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Base));
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        const QRect inner = rect().adjusted(1, 1, -1, -1);
        const int width = inner.width() * percent / 100;
        if (width > 0)
            p.fillRect(QRect(inner.left(), inner.top(), width, inner.height()), QColor(0, 0, 128));
    }
};

namespace {

QLabel* label(QWidget* parent, const QString& text, const QRect& place,
              Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(place);
    l->setAlignment(align);
    return l;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& place, bool enabled = true)
{
    auto* b = new QPushButton(text, parent);
    b->setGeometry(place);
    b->setEnabled(enabled);
    return b;
}

}  // namespace

NewGameWindow::NewGameWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    useCompactFont(*this);
    setFixedSize(312, 215 + CharacterRow);

    worldOption_ = new QRadioButton(this);
    worldOption_->setGeometry(8, 8, 145, 25);
    worldOption_->setEnabled(false);
    simpleOption_ = new QRadioButton(this);
    simpleOption_->setGeometry(168, 8, 137, 25);
    simpleOption_->setChecked(true);
    auto* kind = new QButtonGroup(this);
    kind->addButton(worldOption_);
    kind->addButton(simpleOption_);

    QLabel* mapCaption = label(this, QString(), QRect(8, 56, 65, 17));
    auto* mapBox = new QGroupBox(this);
    mapBox->setGeometry(80, 40, 225, 41);
    mapNameLabel_ = label(mapBox, QString(), QRect(8, 16, 145, 17));
    auto* mapChangeButton = button(mapBox, QString(), QRect(160, 16, 57, 17));
    mapChangeButton->setObjectName(QStringLiteral("mapChangeButton"));
    connect(mapChangeButton, &QPushButton::clicked, this, &NewGameWindow::changeMapClicked);

    QLabel* sideCaption = label(this, QString(), QRect(8, 96, 65, 17));
    sideLabel_ = label(this, QString(), QRect(136, 96, 105, 17), Qt::AlignRight | Qt::AlignVCenter);
    sideChangeButton_ = button(this, QString(), QRect(248, 88, 57, 25));

    QLabel* opponentCaption = label(this, QString(), QRect(8, 128, 89, 17));
    opponentCountLabel_ = label(this, QString(), QRect(176, 128, 65, 17), Qt::AlignRight | Qt::AlignVCenter);
    opponentCountLabel_->setObjectName(QStringLiteral("opponentCountLabel"));
    showOpponentCount(program_.preferences().opponentCount());
    opponentChangeButton_ = button(this, QString(), QRect(248, 120, 57, 25));
    opponentChangeButton_->setObjectName(QStringLiteral("opponentChangeButton"));
    connect(opponentChangeButton_, &QPushButton::clicked, this, &NewGameWindow::changeOpponentsClicked);

    // How the opponents play, for the rule set the game will be played by.
    characterBox_ = new OpponentCharacterBox(this);
    characterBox_->setGeometry(8, 152, 297, OpponentCharacterBox::Height);
    characterBox_->setChoice(program_.preferences().characterChoice(program_.preferences().ruleSet()));
    characterBox_->setOpponentCount(program_.preferences().opponentCount());
    connect(characterBox_, &OpponentCharacterBox::chosen, this, [this](const CharacterChoice& choice) {
        program_.preferences().setCharacterChoice(program_.preferences().ruleSet(), choice);
    });

    startButton_ = button(this, QString(), QRect(8, 160 + CharacterRow, 97, 25));
    cancelButton_ = button(this, QString(), QRect(112, 160 + CharacterRow, 97, 25));
    statusLabel_ = label(this, QString(), QRect(224, 160 + CharacterRow, 81, 25), Qt::AlignCenter);
    QFont statusFont = statusLabel_->font();
    statusFont.setBold(true);
    statusFont.setPointSize(12);
    statusLabel_->setFont(statusFont);
    QPalette red = statusLabel_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    statusLabel_->setPalette(red);

    progressBox_ = new ProgressBox(this);
    progressBox_->setObjectName(QStringLiteral("progressBox"));
    progressBox_->setGeometry(8, 192 + CharacterRow, 297, 17);

    connect(sideChangeButton_, &QPushButton::clicked, this, &NewGameWindow::changeSideClicked);
    connect(startButton_, &QPushButton::clicked, this, &NewGameWindow::startClicked);
    connect(cancelButton_, &QPushButton::clicked, this, [this] {
        closeWindow();
        program_.showOptionsMenu();
    });

    followLanguage(this, [=, this] {
        setWindowTitle(tr("Neues Spiel"));
        worldOption_->setText(tr("Weltherrschaft"));
        simpleOption_->setText(tr("einfaches Spiel"));
        mapCaption->setText(tr("Karte :"));
        sideCaption->setText(tr("Deine Seite :"));
        opponentCaption->setText(tr("Aktive Gegner :"));
        for (QPushButton* change : {mapChangeButton, sideChangeButton_, opponentChangeButton_})
            change->setText(tr("Ändern"));
        // Three buttons of one name: a screen reader says which choice each changes.
        mapChangeButton->setAccessibleDescription(tr("Andere Karte wählen"));
        sideChangeButton_->setAccessibleDescription(tr("Anderes Land als deine Seite wählen"));
        opponentChangeButton_->setAccessibleDescription(tr("Andere Zahl aktiver Gegner wählen"));
        startButton_->setText(tr("Starten"));
        cancelButton_->setText(tr("Abbrechen"));
        showNames();
        if (!statusLabel_->text().isEmpty())
            statusLabel_->setText(tr("Lade..."));
    });

    centreOnScreen(*this);

    // Opening: load the map only to find the country it names for the player.
    openMap(mapForGame(program_.paths(), program_.preferences().mapName()).name);

    cancelButton_->setEnabled(true);
    simpleOption_->setEnabled(true);
    startButton_->setEnabled(true);
    startButton_->setFocus();  // after the loading, which had it disabled
}

NewGameWindow::~NewGameWindow() { delete pick_; }

void NewGameWindow::openMap(const QString& name)
{
    WorldState& world = program_.world;
    const MapEntry map = mapForGame(program_.paths(), name);
    mapName_ = map.name;
    showNames();
    const MapLoadResult loaded = loadMap(world, ss(map.mapFile));
    if (!loaded.ok)
        program_.dialogs.message(this, gametext::render(loaded.message), gametext::render(loaded.title));

    // Scan without stopping: the last match wins. An empty code names no
    // country, so it must not match the empty codes of unused entries.
    if (!world.defaultSideCode.empty()) {
        for (int i = 0; i <= 99; ++i) {
            if (world.countryCode[i] == world.defaultSideCode) {
                showSide(qs(world.countryName[i]));
                world.side[0] = i;
            }
        }
    }
    const std::string& chosen = program_.chosenSideName();
    if (const int country = chosen.empty() ? 0 : countryIndexByName(world, chosen)) {
        showSide(qs(world.countryName[country]));
        world.side[0] = country;
    }
}

QString NewGameWindow::mapName() const { return mapName_; }

void NewGameWindow::showSide(const QString& country)
{
    sideName_ = country;
    showNames();
}

void NewGameWindow::showNames()
{
    mapNameLabel_->setText(gametext::name(ss(mapName_)));
    sideLabel_->setText(sideName_.isEmpty() ? QString() : gametext::name(ss(sideName_)));
}

void NewGameWindow::useMap(const QString& name)
{
    // Another map: the side chosen on the old one means nothing there.
    program_.world.side[0] = 0;
    showSide(QString());
    openMap(name);
}

void NewGameWindow::openPick(PickWindow* pick)
{
    pick_ = pick;
    setEnabled(false);
    // Every way out of the choice gives this window back.
    connect(pick, &PickWindow::closed, this, [this] {
        setEnabled(true);
        raise();
        activateWindow();
    });
    pick->show();
    pick->raise();
    pick->activateWindow();
}

PickWindow* NewGameWindow::pickWindow() const
{
    // A closed choice window waits for its deferred delete, and counts as gone.
    return pick_ && pick_->testAttribute(Qt::WA_DeleteOnClose) ? pick_.data() : nullptr;
}

void NewGameWindow::changeMapClicked()
{
    auto* pick = new MapPickWindow(program_.paths(), mapName());
    connect(pick, &MapPickWindow::chosen, this, [this](const QString& name) {
        program_.preferences().setMapName(name);
        useMap(name);
    });
    openPick(pick);
}

void NewGameWindow::changeOpponentsClicked()
{
    auto* pick = new OpponentPickWindow(program_.preferences().opponentCount());
    connect(pick, &OpponentPickWindow::chosen, this, [this](int count) {
        program_.preferences().setOpponentCount(count);
        showOpponentCount(count);
        characterBox_->setOpponentCount(count);
    });
    openPick(pick);
}

int NewGameWindow::opponentCount() const { return opponentCountLabel_->text().toInt(); }

void NewGameWindow::showOpponentCount(int count) { opponentCountLabel_->setNum(count); }

QString NewGameWindow::sideText() const { return sideName_; }

int NewGameWindow::progress() const { return progressBox_->percent; }

void NewGameWindow::drawProgress(int p)
{
    progressBox_->percent = std::clamp(p, 0, 100);
    // Painted now: the steps run without returning to the event loop.
    progressBox_->repaint();
}

void NewGameWindow::changeSideClicked()
{
    auto* pick = new CountryPickWindow(program_.world, sideText());
    connect(pick, &CountryPickWindow::chosen, this, &NewGameWindow::takeSide);
    openPick(pick);
}

void NewGameWindow::takeSide(int country)
{
    WorldState& world = program_.world;
    if (!validCountry(world, country))
        return;
    world.side[0] = country;
    program_.setChosenSideName(world.countryName[country]);
    showSide(qs(world.countryName[country]));
}

void NewGameWindow::startClicked()
{
    const WorldState& world = program_.world;
    // Without countries the first tick would find the player holding all of
    // none of them and call the game won; without a side on the map he would
    // hold nothing and lose at once.
    if (world.countryCount <= 0) {
        program_.dialogs.message(this, tr("Die Karte enthält keine Länder. Das Spiel kann nicht gestartet werden."),
                                 tr("Fehler !"));
        return;
    }
    if (!validCountry(world, world.side[0])) {
        program_.dialogs.message(this, tr("Bitte wähle zuerst über \"Ändern\" dein Land."), tr("Neues Spiel"));
        return;
    }

    statusLabel_->setText(tr("Lade..."));
    cancelButton_->setEnabled(false);
    simpleOption_->setEnabled(false);
    startButton_->setEnabled(false);
    sideChangeButton_->setEnabled(false);
    opponentChangeButton_->setEnabled(false);
    characterBox_->setEnabled(false);
    repaint();
    for (int p = 1; p <= 100; ++p) {
        drawProgress(p);
        QThread::msleep(2);
    }
    closeWindow();
    program_.showMainWindow();
}

void NewGameWindow::closeWindow()
{
    closingHandled_ = true;
    close();
}

void NewGameWindow::closeEvent(QCloseEvent* event)
{
    // A choice still open has nothing left to report to.
    if (PickWindow* pick = pickWindow())
        pick->close();
    // Closed by the frame: as "Abbrechen".
    if (!closingHandled_) {
        closingHandled_ = true;
        program_.showOptionsMenu();
    }
    event->accept();
}

}  // namespace stratagon
