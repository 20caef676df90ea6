// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SettingsWindow.h"

#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "mapview/MainWindow.h"
#include "shell/LanguageChoice.h"
#include "shell/OptionsMenuWindow.h"
#include "platform/KeyboardAccess.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/FileText.h"
#include "shell/Program.h"
#include "shell/SoundSettingsBox.h"
#include "storage/SettingsFile.h"
#include "world/Rules.h"
#include "world/Settings.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
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

SettingsWindow::SettingsWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
    useCompactFont(*this);
    setFixedSize(312, 359 + SoundSettingsBox::Height + 6 + 30);

    auto* yearHeading = new QLabel(this);
    yearHeading->setGeometry(104, 16, 137, 17);
    yearSlider_ = slider(this, 8, QRect(16, 40, 281, 33));
    for (const Position& p : yearPositions) {
        auto* l = new QLabel(QString::fromUtf8(p.label), this);
        l->setGeometry(p.x, 80, 32, 17);
    }

    auto* opponentHeading = new QLabel(this);
    opponentHeading->setGeometry(104, 112, 105, 25);
    opponentHeading->setAlignment(Qt::AlignCenter);
    opponentSlider_ = slider(this, 4, QRect(16, 136, 281, 41));
    std::array<QLabel*, opponentPositions.size()> strengths{};
    for (std::size_t i = 0; i < opponentPositions.size(); ++i) {
        const Position& p = opponentPositions[i];
        // Each label may take the room up to the next one.
        const int right = i + 1 < opponentPositions.size() ? opponentPositions[i + 1].x : width();
        auto* l = strengths[i] = new QLabel(this);
        l->setGeometry(p.x, 176, right - p.x, 17);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("strengthNote"));
    note->setGeometry(8, 193, 296, 14);
    note->setAlignment(Qt::AlignCenter);
    const auto showNote = [note](int position) { note->setText(opponentNote(aiDivisorAt(position))); };
    connect(opponentSlider_, &QSlider::valueChanged, note, showNote);

    // The map's colours: a preference of this player, not part of game.dat.
    auto* colourHeading = new QLabel(this);
    colourHeading->setGeometry(16, 208, 80, 22);
    colourChoice_ = new QComboBox(this);
    colourChoice_->setObjectName(QStringLiteral("colourChoice"));
    colourChoice_->addItems({QString(), QString()});
    colourChoice_->setGeometry(104, 208, 137, 22);
    colourChoice_->setCurrentIndex(program_.preferences().colourScheme() == ColourScheme::ColourBlind ? 1 : 0);

    // The rules of the next new game; a running or loaded game keeps its own.
    auto* rulesHeading = new QLabel(this);
    rulesHeading->setGeometry(16, 240, 80, 22);
    ruleChoice_ = new QComboBox(this);
    ruleChoice_->setObjectName(QStringLiteral("ruleChoice"));
    for (const RuleTable& rules : RuleTables)
        ruleChoice_->addItem(QString::fromUtf8(rules.name.data(), static_cast<qsizetype>(rules.name.size())));
    ruleChoice_->setGeometry(104, 240, 137, 22);
    auto* rulesNote = new QLabel(this);
    rulesNote->setObjectName(QStringLiteral("rulesNote"));
    rulesNote->setGeometry(8, 266, 296, 14);
    rulesNote->setAlignment(Qt::AlignCenter);
    const auto showRulesNote = [rulesNote](int index) {
        rulesNote->setText(tr(ruleNotes.at(static_cast<std::size_t>(std::clamp(index, 0, 1)))));
    };
    connect(ruleChoice_, &QComboBox::currentIndexChanged, rulesNote, showRulesNote);
    ruleChoice_->setCurrentIndex(program_.preferences().ruleSet());
    showRulesNote(ruleChoice_->currentIndex());

    // The text size of every window: a preference of this player.
    auto* textSizeHeading = new QLabel(this);
    textSizeHeading->setGeometry(16, 290, 80, 22);
    textSize_ = new QSpinBox(this);
    textSize_->setObjectName(QStringLiteral("textSizeChoice"));
    textSize_->setRange(100, 200);
    textSize_->setSingleStep(10);
    textSize_->setSuffix(QStringLiteral(" %"));
    textSize_->setValue(program_.preferences().textSizePercent());
    textSize_->setGeometry(104, 290, 137, 22);
    textSizeHeading->setBuddy(textSize_);

    // The sounds, heard at once while the player chooses.
    soundBox_ = new SoundSettingsBox(program_, this);
    soundBox_->setGeometry(0, 320, width(), SoundSettingsBox::Height);

    // The language: shown at once, kept with OK.
    language_ = new LanguageChoice(program_, this);
    language_->setGeometry(16, 322 + SoundSettingsBox::Height + 6, 288, 22);
    const int buttonsTop = 322 + SoundSettingsBox::Height + 6 + 30;

    auto* ok = new QPushButton(this);
    ok->setGeometry(40, buttonsTop, 105, 25);
    auto* cancel = new QPushButton(this);
    cancel->setGeometry(160, buttonsTop, 113, 25);
    connect(ok, &QPushButton::clicked, this, &SettingsWindow::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    followLanguage(this, [=, this] {
        setWindowTitle(tr("Spiel bedingte Einstellungen"));
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
        for (int i = 0; i < ruleChoice_->count() && i < static_cast<int>(RuleTables.size()); ++i)
            ruleChoice_->setItemText(i, tr(std::string(RuleTables[static_cast<std::size_t>(i)].name).c_str()));
        showRulesNote(ruleChoice_->currentIndex());
        ok->setText(tr("OK"));
        cancel->setText(tr("Abbrechen"));
    });

    centreOnScreen(*this);

    // Opening: the menu waits hidden, the sliders show the current settings.
    if (OptionsMenuWindow* menu = program_.optionsMenu())
        menu->hide();
    const int year = positionOf(yearPositions, program_.world.monthInterval);
    yearSlider_->setValue(year >= 0 ? year : yearStart);
    const int opponent = positionOf(opponentPositions, program_.world.aiDivisor);
    opponentSlider_->setValue(opponent >= 0 ? opponent : opponentStart);
}

void SettingsWindow::okClicked()
{
    // The colours live in their own file: taken over whatever becomes of game.dat.
    const ColourScheme scheme = colourChoice_->currentIndex() == 1 ? ColourScheme::ColourBlind : ColourScheme::Standard;
    program_.preferences().setColourScheme(scheme);
    if (MainWindow* main = program_.mainWindow())
        main->setColourScheme(scheme);
    program_.preferences().setRuleSet(ruleChoice_->currentIndex() == RulesZuegig ? RulesZuegig : RulesKlassisch);
    soundBox_->store();
    program_.preferences().setTextSizePercent(textSize_->value());
    applyTextSize(textSize_->value());
    language_->keep();
    const int monthInterval = monthIntervalAt(yearSlider_->value());
    const int aiDivisor = aiDivisorAt(opponentSlider_->value());
    const QString file = program_.paths().settingsFile();
    const FileResult written = writeSettings(ss(file), monthInterval, aiDivisor);
    // What could not be saved is not played either: the game keeps the
    // values that are still in the file.
    if (!written.ok) {
        program_.dialogs.message(this, tr("Ein Fehler ist aufgetreten : %1").arg(gametext::reason(written)),
                                 tr("Fehler : %1").arg(written.errorNumber));
        program_.showOptionsMenu();
        return;
    }
    program_.world.monthInterval = monthInterval;
    program_.world.aiDivisor = aiDivisor;
    program_.rememberFileSettings();
    close();
}

void SettingsWindow::closeEvent(QCloseEvent* event)
{
    // Every way out, the frame included, brings the menu back, the sound
    // as it is kept (what "OK" stored, or what was there before), and all
    // but OK the language it began with.
    soundBox_->restore();
    language_->revert();
    program_.showOptionsMenu();
    event->accept();
}

}  // namespace stratagon
