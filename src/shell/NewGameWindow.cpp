// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/NewGameWindow.h"

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameText.h"
#include "shell/CountryPickWindow.h"
#include "shell/MapCatalog.h"
#include "shell/MapPickWindow.h"
#include "shell/OpponentCharacterBox.h"
#include "shell/OpponentPickWindow.h"
#include "shell/PlayerSettings.h"
#include "shell/SettingsWindow.h"
#include "storage/Preferences.h"
#include "world/MapLoader.h"
#include "world/Rules.h"
#include "world/WorldState.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
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

QComboBox* choice(QWidget* parent, const char* name, int y, int count, int current)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(136, y, 169, 22);
    for (int i = 0; i < count; ++i)
        box->addItem(QString());
    box->setCurrentIndex(current);
    return box;
}

// Where the rows below the opponents begin: one row's room is left under
// "Aktive Gegner :" for a further choice about the opponents.
constexpr int ChoicesTop = 184;
constexpr int RowStep = 28;
constexpr int ButtonsTop = ChoicesTop + 3 * RowStep + 4;

}  // namespace

NewGameWindow::NewGameWindow(NewGameSetup setup, QWidget* menu)
    : DialogWindow(menu, Qt::WindowModal), setup_(setup)
{
    useCompactFont(*this);
    setFixedSize(312, ButtonsTop + 55);

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
    sideChangeButton_->setObjectName(QStringLiteral("sideChangeButton"));

    Preferences& kept = setup_.player.preferences();
    QLabel* opponentCaption = label(this, QString(), QRect(8, 128, 89, 17));
    opponentCountLabel_ = label(this, QString(), QRect(176, 128, 65, 17), Qt::AlignRight | Qt::AlignVCenter);
    opponentCountLabel_->setObjectName(QStringLiteral("opponentCountLabel"));
    showOpponentCount(kept.opponentCount());
    opponentChangeButton_ = button(this, QString(), QRect(248, 120, 57, 25));
    opponentChangeButton_->setObjectName(QStringLiteral("opponentChangeButton"));
    connect(opponentChangeButton_, &QPushButton::clicked, this, &NewGameWindow::changeOpponentsClicked);

    // How the opponents play, for the rule set the game will be played by:
    // in the row left under "Aktive Gegner :".
    characterBox_ = new OpponentCharacterBox(this);
    characterBox_->setGeometry(8, ChoicesTop - RowStep - 4, 297, OpponentCharacterBox::Height);
    characterBox_->setChoice(kept.characterChoice(kept.ruleSet()));
    characterBox_->setOpponentCount(kept.opponentCount());
    connect(characterBox_, &OpponentCharacterBox::chosen, this, [this](const CharacterChoice& choice) {
        setup_.player.preferences().setCharacterChoice(chosenRules(), choice);
    });

    // What the game will be played by, as the player last chose it: nothing
    // of it comes back unseen.
    const FileSettings shown = setup_.player.shownSettings();
    QLabel* rulesCaption = label(this, QString(), QRect(8, ChoicesTop, 125, 22));
    rules_ = choice(this, "ruleChoice", ChoicesTop, static_cast<int>(RuleTables.size()), kept.ruleSet());
    QLabel* strengthCaption = label(this, QString(), QRect(8, ChoicesTop + RowStep, 125, 22));
    strength_ = choice(this, "strengthChoice", ChoicesTop + RowStep, 5,
                       SettingsWindow::opponentPositionOf(shown.aiDivisor));
    QLabel* clockCaption = label(this, QString(), QRect(8, ChoicesTop + 2 * RowStep, 125, 22));
    clock_ = choice(this, "clockChoice", ChoicesTop + 2 * RowStep, 9,
                    SettingsWindow::yearPositionOf(shown.monthInterval));
    // Each caption names what its button changes; a screen reader then
    // says it with the button and no longer reads the captions alone,
    // without their values, when the window opens.
    mapCaption->setBuddy(mapChangeButton);
    sideCaption->setBuddy(sideChangeButton_);
    opponentCaption->setBuddy(opponentChangeButton_);
    rulesCaption->setBuddy(rules_);
    strengthCaption->setBuddy(strength_);
    clockCaption->setBuddy(clock_);
    for (QComboBox* box : {rules_, strength_, clock_})
        connect(box, &QComboBox::currentIndexChanged, this, &NewGameWindow::describe);

    startButton_ = button(this, QString(), QRect(8, ButtonsTop, 97, 25));
    startButton_->setObjectName(QStringLiteral("startButton"));
    startButton_->setDefault(true);
    cancelButton_ = button(this, QString(), QRect(112, ButtonsTop, 97, 25));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    statusLabel_ = label(this, QString(), QRect(224, ButtonsTop, 81, 25), Qt::AlignCenter);
    // Each rule set keeps its own choice of characters.
    connect(rules_, &QComboBox::currentIndexChanged, this,
            [this] { characterBox_->setChoice(setup_.player.preferences().characterChoice(chosenRules())); });
    QFont statusFont = statusLabel_->font();
    statusFont.setBold(true);
    statusFont.setPointSize(12);
    statusLabel_->setFont(statusFont);
    QPalette red = statusLabel_->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    statusLabel_->setPalette(red);

    progressBox_ = new ProgressBox(this);
    progressBox_->setObjectName(QStringLiteral("progressBox"));
    progressBox_->setGeometry(8, ButtonsTop + 32, 297, 17);

    connect(sideChangeButton_, &QPushButton::clicked, this, &NewGameWindow::changeSideClicked);
    connect(startButton_, &QPushButton::clicked, this, &NewGameWindow::startClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QWidget::close);

    followLanguage(this, [=, this] {
        setWindowTitle(tr("Neues Spiel"));
        worldOption_->setText(tr("Weltherrschaft"));
        simpleOption_->setText(tr("einfaches Spiel"));
        mapCaption->setText(tr("Karte :"));
        sideCaption->setText(tr("Deine Seite :"));
        opponentCaption->setText(tr("Aktive Gegner :"));
        rulesCaption->setText(tr("Regeln :"));
        strengthCaption->setText(tr("Stärke der Gegner :"));
        clockCaption->setText(tr("Ein Jahr vergeht in :"));
        for (int i = 0; i < rules_->count(); ++i)
            rules_->setItemText(i, SettingsWindow::ruleName(i));
        for (int i = 0; i < strength_->count(); ++i)
            strength_->setItemText(i, SettingsWindow::strengthName(i));
        for (int i = 0; i < clock_->count(); ++i)
            clock_->setItemText(i, SettingsWindow::yearName(i));
        for (QPushButton* change : {mapChangeButton, sideChangeButton_, opponentChangeButton_})
            change->setText(tr("Ändern"));
        // Three buttons of one name: a screen reader says which choice each changes.
        mapChangeButton->setAccessibleDescription(tr("Andere Karte wählen"));
        sideChangeButton_->setAccessibleDescription(tr("Anderes Land als deine Seite wählen"));
        opponentChangeButton_->setAccessibleDescription(tr("Andere Zahl aktiver Gegner wählen"));
        startButton_->setText(tr("Starten"));
        cancelButton_->setText(tr("Abbrechen"));
        showNames();
        describe();
        if (!statusLabel_->text().isEmpty())
            statusLabel_->setText(tr("Lade..."));
    });

    centreOver(*this, menu);

    // Opening: load the map only to find the country it names for the player.
    openMap(mapForGame(setup_.paths, kept.mapName()).name);

    cancelButton_->setEnabled(true);
    simpleOption_->setEnabled(true);
    startButton_->setEnabled(true);
    startButton_->setFocus();  // after the loading, which had it disabled
}

NewGameWindow::~NewGameWindow() { delete pick_; }

void NewGameWindow::openMap(const QString& name)
{
    WorldState& world = setup_.world;
    const MapEntry map = mapForGame(setup_.paths, name);
    mapName_ = map.name;
    showNames();
    const MapLoadResult loaded = loadMap(world, ss(map.mapFile));
    if (!loaded.ok)
        setup_.dialogs.message(this, gametext::render(loaded.message), gametext::render(loaded.title));

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
    const std::string& chosen = setup_.chosenSide;
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
    describe();
}

void NewGameWindow::useMap(const QString& name)
{
    // Another map: the side chosen on the old one means nothing there.
    setup_.world.side[0] = 0;
    showSide(QString());
    openMap(name);
}

void NewGameWindow::openPick(PickWindow* pick)
{
    // Over this window, which waits until the choice is made or cancelled.
    pick_ = pick;
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
    auto* pick = new MapPickWindow(setup_.paths, mapName(), this);
    connect(pick, &MapPickWindow::chosen, this, [this](const QString& name) {
        setup_.player.preferences().setMapName(name);
        useMap(name);
    });
    openPick(pick);
}

void NewGameWindow::changeOpponentsClicked()
{
    auto* pick = new OpponentPickWindow(setup_.player.preferences().opponentCount(), this);
    connect(pick, &OpponentPickWindow::chosen, this, [this](int count) {
        setup_.player.preferences().setOpponentCount(count);
        showOpponentCount(count);
        characterBox_->setOpponentCount(count);
    });
    openPick(pick);
}

int NewGameWindow::opponentCount() const { return opponentCountLabel_->text().toInt(); }

void NewGameWindow::showOpponentCount(int count)
{
    opponentCountLabel_->setNum(count);
    describe();
}

void NewGameWindow::describe()
{
    // Said when the window opens: the whole game it would start. A combo box
    // says its label; its value goes with it as its description.
    if (!rules_ || !strength_ || !clock_)
        return;
    for (QComboBox* box : {rules_, strength_, clock_})
        box->setAccessibleDescription(box->currentText());
    setAccessibleDescription(
        tr("Karte: %1. Deine Seite: %2. Aktive Gegner: %3. Regeln: %4. Stärke der Gegner: %5. Ein Jahr vergeht in %6.")
            .arg(mapNameLabel_->text(), sideLabel_->text(), opponentCountLabel_->text(), rules_->currentText(),
                 strength_->currentText(), clock_->currentText()));
}

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
    auto* pick = new CountryPickWindow(setup_.world, sideText(), this);
    connect(pick, &CountryPickWindow::chosen, this, &NewGameWindow::takeSide);
    openPick(pick);
}

void NewGameWindow::takeSide(int country)
{
    WorldState& world = setup_.world;
    if (!validCountry(world, country))
        return;
    world.side[0] = country;
    setup_.chosenSide = world.countryName[country];
    showSide(qs(world.countryName[country]));
}

void NewGameWindow::startClicked()
{
    const WorldState& world = setup_.world;
    // Without countries the first tick would find the player holding all of
    // none of them and call the game won; without a side on the map he would
    // hold nothing and lose at once.
    if (world.countryCount <= 0) {
        setup_.dialogs.message(this, tr("Die Karte enthält keine Länder. Das Spiel kann nicht gestartet werden."),
                                 tr("Fehler !"));
        return;
    }
    if (!validCountry(world, world.side[0])) {
        setup_.dialogs.message(this, tr("Bitte wähle zuerst über \"Ändern\" dein Land."), tr("Neues Spiel"));
        return;
    }

    if (!keepChoices())
        return;

    statusLabel_->setText(tr("Lade..."));
    for (QWidget* control : std::initializer_list<QWidget*>{cancelButton_, simpleOption_, startButton_,
                                                             sideChangeButton_, opponentChangeButton_, rules_,
                                                             strength_, clock_, characterBox_})
        control->setEnabled(false);
    repaint();
    for (int p = 1; p <= 100; ++p) {
        drawProgress(p);
        QThread::msleep(2);
    }
    closeWindow();
    emit startRequested();
}

RuleSet NewGameWindow::chosenRules() const
{
    return rules_->currentIndex() == RulesZuegig ? RulesZuegig : RulesKlassisch;
}

bool NewGameWindow::keepChoices()
{
    setup_.player.preferences().setRuleSet(chosenRules());
    return setup_.player.keepSettings(
        {SettingsWindow::monthIntervalAt(clock_->currentIndex()), SettingsWindow::aiDivisorAt(strength_->currentIndex())},
        this);
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
    // "Abbrechen" and the frame: back to the menu.
    if (!closingHandled_) {
        closingHandled_ = true;
        emit cancelled();
    }
    DialogWindow::closeEvent(event);
}

}  // namespace stratagon
