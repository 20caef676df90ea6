// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SettingsWindow.h"

#include "platform/KeyboardAccess.h"
#include "platform/Retranslate.h"
#include "platform/WindowFit.h"
#include "platform/WindowStyle.h"
#include "shell/LanguageChoice.h"
#include "shell/PlayerSettings.h"
#include "shell/SoundSettingsBox.h"
#include "storage/Preferences.h"
#include "world/Rules.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace stratagon {

namespace {

struct Position {
    const char* label;
    int value;
    int x;
};

// Labels as they stand, leading blanks included.
constexpr std::array<Position, 9> yearPositions{{
    {"5s", 416, 24},
    {"  10s", 833, 48},
    {"15s", 1250, 88},
    {"  20s", 1667, 112},
    {"30s", 2500, 152},
    {"45s", 3750, 184},
    {" 60s", 5000, 208},
    {"120s", 10000, 240},
    {"240s", 20000, 272},
}};

constexpr std::array<Position, 5> opponentPositions{{
    {QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Sehr Leicht"), 256, 0},
    {QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Leicht"), 64, 72},
    {QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Mittel"), 16, 128},
    {QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Schwer"), 4, 200},
    {QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Irrsinnig"), 1, 256},
}};

// What each strength changes, shown under the slider: how often the
// opponent takes his turn. The chance of 1 in `divisor` is drawn on every
// tick, four of them to the month.
QString opponentNote(int divisor)
{
    constexpr int ticksPerMonth = 4;
    const int months = std::max(divisor, 1) / ticksPerMonth;
    if (months >= 24)
        return SettingsWindow::tr("Der Gegner greift etwa alle %1 Jahre an.").arg(qRound(months / 12.0));
    if (months >= 2)
        return SettingsWindow::tr("Der Gegner greift etwa alle %1 Monate an.").arg(months);
    if (months == 1)
        return SettingsWindow::tr("Der Gegner greift etwa jeden Monat an.");
    static const std::array<const char*, ticksPerMonth + 1> times{
        {"", QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "einmal"),
         QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "zweimal"),
         QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "dreimal"),
         QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "viermal")}};
    return SettingsWindow::tr("Der Gegner greift etwa %1 im Monat an.")
        .arg(SettingsWindow::tr(times[static_cast<std::size_t>(ticksPerMonth / std::max(divisor, 1))]));
}

// What each rule set changes, under its choice; in the order of RuleSet.
constexpr std::array<const char*, 2> ruleNotes{{
    QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Die ursprünglichen Regeln. Gilt ab dem nächsten Spiel."),
    QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Schnelle Schlachten, schwächere neutrale Länder."),
}};

// The rule sets' names as the rules spell them, for the catalog.
[[maybe_unused]] constexpr std::array<const char*, 2> ruleNames{
    {QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Klassisch"),
     QT_TRANSLATE_NOOP("stratagon::SettingsWindow", "Zügig")}};

// Where the sliders stand when a stored value is in neither table.
constexpr int yearStart = 4;
constexpr int opponentStart = 2;

template <std::size_t N>
int positionOf(const std::array<Position, N>& table, int value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i].value == value)
            return static_cast<int>(i);
    return -1;
}

QSlider* slider(QWidget* parent, int maximum, const QRect& place)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setGeometry(place);
    s->setRange(0, maximum);
    s->setSingleStep(1);
    s->setPageStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    return s;
}

}  // namespace

int SettingsWindow::monthIntervalAt(int position)
{
    return yearPositions.at(static_cast<std::size_t>(std::clamp(position, 0, 8))).value;
}

int SettingsWindow::aiDivisorAt(int position)
{
    return opponentPositions.at(static_cast<std::size_t>(std::clamp(position, 0, 4))).value;
}

int SettingsWindow::yearPositionOf(int monthInterval)
{
    const int at = positionOf(yearPositions, monthInterval);
    return at >= 0 ? at : yearStart;
}

int SettingsWindow::opponentPositionOf(int aiDivisor)
{
    const int at = positionOf(opponentPositions, aiDivisor);
    return at >= 0 ? at : opponentStart;
}

QString SettingsWindow::strengthName(int position)
{
    return tr(opponentPositions.at(static_cast<std::size_t>(std::clamp(position, 0, 4))).label);
}

QString SettingsWindow::yearName(int position)
{
    return QString::fromUtf8(yearPositions.at(static_cast<std::size_t>(std::clamp(position, 0, 8))).label).trimmed();
}

QString SettingsWindow::yearWords(int position)
{
    return tr("%1 Sekunden").arg(yearName(position).chopped(1).toInt());
}

QString SettingsWindow::ruleName(int rules)
{
    const std::string_view name = RuleTables.at(static_cast<std::size_t>(std::clamp(rules, 0, 1))).name;
    return tr(std::string(name).c_str());
}

// The settings stand in pixel boxes on a page of their own, which scrolls
// where the screen is too small; "OK" and "Abbrechen" stay below it.
constexpr int PageWidth = 312;
constexpr int LanguageTop = 322 + SoundSettingsBox::Height + 6;
constexpr int HearingTop = LanguageTop + 30;
constexpr int PageHeight = HearingTop + 2 * 28 + 4;

SettingsWindow::SettingsWindow(PlayerSettings& player, Dialogs& dialogs, QWidget* menu)
    : DialogWindow(menu, Qt::WindowModal), player_(player), dialogs_(dialogs)
{
    useCompactFont(*this);
    page_ = new QWidget;
    page_->resize(PageWidth, PageHeight);
    QWidget* page = page_;

    auto* yearHeading = new QLabel(page);
    yearHeading->setGeometry(104, 16, 137, 17);
    yearSlider_ = slider(page, 8, QRect(16, 40, 281, 33));
    for (const Position& p : yearPositions) {
        auto* l = new QLabel(QString::fromUtf8(p.label), page);
        l->setGeometry(p.x, 80, 32, 17);
    }

    auto* opponentHeading = new QLabel(page);
    opponentHeading->setGeometry(104, 112, 105, 25);
    opponentHeading->setAlignment(Qt::AlignCenter);
    opponentSlider_ = slider(page, 4, QRect(16, 136, 281, 41));
    std::array<QLabel*, opponentPositions.size()> strengths{};
    for (std::size_t i = 0; i < opponentPositions.size(); ++i) {
        const Position& p = opponentPositions[i];
        // Each label may take the room up to the next one.
        const int right = i + 1 < opponentPositions.size() ? opponentPositions[i + 1].x : PageWidth;
        auto* l = strengths[i] = new QLabel(page);
        l->setGeometry(p.x, 176, right - p.x, 17);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    auto* note = new QLabel(page);
    note->setObjectName(QStringLiteral("strengthNote"));
    note->setGeometry(8, 193, 296, 14);
    note->setAlignment(Qt::AlignCenter);
    const auto showNote = [note](int position) { note->setText(opponentNote(aiDivisorAt(position))); };
    connect(opponentSlider_, &QSlider::valueChanged, note, showNote);

    // The map's colours: a preference of this player, not part of game.dat.
    Preferences& kept = player_.preferences();
    auto* colourHeading = new QLabel(page);
    colourHeading->setGeometry(16, 208, 80, 22);
    colourChoice_ = new QComboBox(page);
    colourChoice_->setObjectName(QStringLiteral("colourChoice"));
    colourChoice_->addItems({QString(), QString()});
    colourChoice_->setGeometry(104, 208, 137, 22);
    colourChoice_->setCurrentIndex(kept.colourScheme() == ColourScheme::ColourBlind ? 1 : 0);
    colourHeading->setBuddy(colourChoice_);

    // The rules of the next new game; a running or loaded game keeps its own.
    auto* rulesHeading = new QLabel(page);
    rulesHeading->setGeometry(16, 240, 80, 22);
    ruleChoice_ = new QComboBox(page);
    ruleChoice_->setObjectName(QStringLiteral("ruleChoice"));
    for (const RuleTable& rules : RuleTables)
        ruleChoice_->addItem(QString::fromUtf8(rules.name.data(), static_cast<qsizetype>(rules.name.size())));
    ruleChoice_->setGeometry(104, 240, 137, 22);
    rulesHeading->setBuddy(ruleChoice_);
    auto* rulesNote = new QLabel(page);
    rulesNote->setObjectName(QStringLiteral("rulesNote"));
    rulesNote->setGeometry(8, 266, 296, 14);
    rulesNote->setAlignment(Qt::AlignCenter);
    const auto showRulesNote = [rulesNote](int index) {
        rulesNote->setText(tr(ruleNotes.at(static_cast<std::size_t>(std::clamp(index, 0, 1)))));
    };
    connect(ruleChoice_, &QComboBox::currentIndexChanged, rulesNote, showRulesNote);
    ruleChoice_->setCurrentIndex(kept.ruleSet());
    showRulesNote(ruleChoice_->currentIndex());

    // The text size of every window: a preference of this player, shown at
    // once so that he sees what he chooses.
    auto* textSizeHeading = new QLabel(page);
    textSizeHeading->setGeometry(16, 290, 80, 22);
    textSize_ = new QSpinBox(page);
    textSize_->setObjectName(QStringLiteral("textSizeChoice"));
    textSize_->setRange(100, 200);
    textSize_->setSingleStep(25);
    textSize_->setSuffix(QStringLiteral(" %"));
    textSize_->setValue(kept.textSizePercent());
    textSize_->setGeometry(104, 290, 137, 22);
    textSizeHeading->setBuddy(textSize_);
    connect(textSize_, &QSpinBox::valueChanged, this, [](int percent) { applyTextSize(percent); });

    // The sounds, heard at once while the player chooses.
    soundBox_ = new SoundSettingsBox(player_, page);
    soundBox_->setGeometry(0, 320, PageWidth, SoundSettingsBox::Height);

    // The language: shown at once, kept with OK.
    language_ = new LanguageChoice(player_, page);
    language_->setGeometry(16, LanguageTop, 288, 22);

    // What a screen reader says of the running game, and whether an attack
    // on the player stops it: preferences of this player.
    auto* announceHeading = new QLabel(page);
    announceHeading->setGeometry(16, HearingTop, 80, 22);
    announceChoice_ = new QComboBox(page);
    announceChoice_->setObjectName(QStringLiteral("announceChoice"));
    announceChoice_->addItems({QString(), QString(), QString()});
    announceChoice_->setGeometry(104, HearingTop, 137, 22);
    announceChoice_->setCurrentIndex(static_cast<int>(kept.announceLevel()));
    announceHeading->setBuddy(announceChoice_);
    pauseOnAttack_ = new QCheckBox(page);
    pauseOnAttack_->setObjectName(QStringLiteral("pauseOnAttackChoice"));
    pauseOnAttack_->setGeometry(16, HearingTop + 28, 288, 22);
    pauseOnAttack_->setChecked(kept.pauseOnAttack());

    // A combo box is said with its label; its value goes with it as its
    // description. A slider says its notch: its words go with it the same
    // way, said when it has the focus. Announced as it moved, the words came
    // only after the screen reader had read the whole window again.
    const auto describeChoices = [this, note] {
        for (QComboBox* box : {colourChoice_, ruleChoice_, announceChoice_})
            box->setAccessibleDescription(box->currentText());
        yearSlider_->setAccessibleDescription(yearWords(yearSlider_->value()));
        opponentSlider_->setAccessibleDescription(
            QStringLiteral("%1. %2").arg(strengthName(opponentSlider_->value()), note->text()));
    };
    for (QComboBox* box : {colourChoice_, ruleChoice_, announceChoice_})
        connect(box, &QComboBox::currentIndexChanged, this, describeChoices);
    for (QSlider* slider : {yearSlider_, opponentSlider_})
        connect(slider, &QSlider::valueChanged, this, describeChoices);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("settingsScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(page_);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &SettingsWindow::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 6, 8, 8);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll_, 1);
    layout->addLayout(buttons);

    followLanguage(this, [=, this] {
        setWindowTitle(tr("Spiel bedingte Einstellungen"));
        setAccessibleDescription(tr("Hier stellst du das Tempo, die Stärke der Gegner, die Farben, die Regeln, "
                                    "die Sprache, die Klänge und die Ansagen ein."));
        scroll_->setAccessibleName(tr("Spiel bedingte Einstellungen"));
        yearHeading->setText(tr("Ein Jahr vergeht in"));
        yearSlider_->setAccessibleName(tr("Ein Jahr vergeht in"));
        opponentHeading->setText(tr("KI - Einstellungen"));
        for (std::size_t i = 0; i < strengths.size(); ++i)
            strengths[i]->setText(tr(opponentPositions[i].label));
        showNote(opponentSlider_->value());
        colourHeading->setText(tr("Farben :"));
        colourChoice_->setItemText(0, tr("Standard"));
        colourChoice_->setItemText(1, tr("Farbenblind"));
        opponentSlider_->setAccessibleName(tr("KI - Einstellungen"));
        textSizeHeading->setText(tr("Schriftgröße :"));
        textSize_->setAccessibleName(tr("Schriftgröße"));
        rulesHeading->setText(tr("Regeln :"));
        for (int i = 0; i < ruleChoice_->count(); ++i)
            ruleChoice_->setItemText(i, ruleName(i));
        showRulesNote(ruleChoice_->currentIndex());
        announceHeading->setText(tr("Ansagen :"));
        announceChoice_->setItemText(0, tr("Aus"));
        announceChoice_->setItemText(1, tr("Wichtige"));
        announceChoice_->setItemText(2, tr("Alle"));
        announceChoice_->setToolTip(tr("Was dir ein Bildschirmleser vom laufenden Spiel von selbst sagt"));
        pauseOnAttack_->setText(tr("Anhalten, wenn du angegriffen wirst"));
        ok->setText(tr("OK"));
        cancel->setText(tr("Abbrechen"));
        describeChoices();
    });

    // Opening: the sliders show the settings in force, said without a sound.
    const FileSettings shown = player_.shownSettings();
    {
        const QSignalBlocker quietYear(yearSlider_);
        const QSignalBlocker quietStrength(opponentSlider_);
        yearSlider_->setValue(yearPositionOf(shown.monthInterval));
        opponentSlider_->setValue(opponentPositionOf(shown.aiDivisor));
    }
    showNote(opponentSlider_->value());
    describeChoices();

    fitToSettings();
    centreOver(*this, menu);
}

void SettingsWindow::fitToSettings()
{
    // Once the boxes have their size for the text size in force; where the
    // page must scroll, its scroll bar takes room beside it.
    layout()->activate();
    QSize wanted(page_->width(), page_->height() + layout()->itemAt(1)->sizeHint().height() + 2);
    if (wanted.height() > roomOnScreen(*this).height())
        wanted.rwidth() += scroll_->verticalScrollBar()->sizeHint().width();
    resize(wanted);
    keepOnScreen(*this);
}

void SettingsWindow::changeEvent(QEvent* event)
{
    DialogWindow::changeEvent(event);
    // A new text size: the page's boxes are scaled after this, and the window follows.
    if (event->type() == QEvent::FontChange)
        QTimer::singleShot(0, this, &SettingsWindow::fitToSettings);
}

void SettingsWindow::okClicked()
{
    Preferences& kept = player_.preferences();
    // The colours live in their own file: taken over whatever becomes of game.dat.
    const ColourScheme scheme = colourChoice_->currentIndex() == 1 ? ColourScheme::ColourBlind : ColourScheme::Standard;
    kept.setColourScheme(scheme);
    player_.showColours(scheme);
    kept.setRuleSet(ruleChoice_->currentIndex() == RulesZuegig ? RulesZuegig : RulesKlassisch);
    soundBox_->store();
    kept.setTextSizePercent(textSize_->value());
    kept.setAnnounceLevel(static_cast<AnnounceLevel>(announceChoice_->currentIndex()));
    kept.setPauseOnAttack(pauseOnAttack_->isChecked());
    language_->keep();
    // What could not be saved is not played either: the game keeps the
    // values that are still in the file, and the window stays open.
    if (!player_.keepSettings({monthIntervalAt(yearSlider_->value()), aiDivisorAt(opponentSlider_->value())}, this))
        return;
    close();
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    // Every way out, the frame included, leaves the sound as it is kept
    // (what "OK" stored, or what was there before), and all but OK the
    // language and the text size it began with.
    soundBox_->restore();
    language_->revert();
    applyTextSize(player_.preferences().textSizePercent());
    DialogWindow::closeEvent(event);
}

}  // namespace stratagon
