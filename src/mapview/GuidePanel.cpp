// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/GuidePanel.h"

#include "mapview/Announcer.h"
#include "mapview/BattleListPanel.h"
#include "mapview/ControlStrip.h"
#include "mapview/GamePanels.h"
#include "mapview/GuideMark.h"
#include "mapview/MainWindow.h"
#include "mapview/MapFocus.h"
#include "mapview/MapView.h"
#include "mapview/MessagesPanel.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "session/GameText.h"
#include "world/WorldState.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace stratagon {

GuidePanel::GuidePanel(MainWindow& window, const GameContext& game, const GamePanels& panels)
    : window_(window), panels_(panels), world_(game.world), session_(game.session)
{
    setObjectName(QStringLiteral("guidePanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* heading = new QLabel(this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    text_ = new QLabel(this);
    text_->setObjectName(QStringLiteral("guideText"));
    text_->setWordWrap(true);
    text_->setMinimumHeight(text_->fontMetrics().lineSpacing() * 4);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    skip_ = new QPushButton(this);
    skip_->setObjectName(QStringLiteral("guideSkipButton"));
    keepPlaying_ = new QPushButton(this);
    keepPlaying_->setObjectName(QStringLiteral("guideContinueButton"));
    toMenu_ = new QPushButton(this);
    toMenu_->setObjectName(QStringLiteral("guideMenuButton"));
    // Reached by Tab (Space stays the pause key); F8 skips, or plays on after the closing word.
    for (QPushButton* b : {skip_, keepPlaying_, toMenu_})
        b->setFocusPolicy(Qt::TabFocus);
    connect(new QShortcut(Qt::Key_F8, &window_), &QShortcut::activated, this, [this] {
        if (isVisible())
            (keepPlaying_->isVisible() ? keepPlaying_ : skip_)->click();
    });

    // F12 says the step's sentence again.
    connect(new QShortcut(Qt::Key_F12, &window_), &QShortcut::activated, this, [this] {
        if (isVisible())
            window_.announcer()->announce(text_->text());
    });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(keepPlaying_);
    buttons->addWidget(toMenu_);
    buttons->addWidget(skip_);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 4, 6, 4);
    column->addWidget(heading);
    column->addWidget(text_, 1);
    column->addLayout(buttons);

    mark_ = new GuideMark(&window_);

    connect(skip_, &QPushButton::clicked, this, &GuidePanel::skip);
    connect(keepPlaying_, &QPushButton::clicked, this, [this] { finish(false); });
    connect(toMenu_, &QPushButton::clicked, this, [this] { finish(true); });
    connect(&session_, &GameSession::guideChanged, this, &GuidePanel::refresh);
    connect(&session_, &GameSession::ticked, this, &GuidePanel::refresh);
    connect(&session_, &GameSession::changed, this, &GuidePanel::refresh);
    connect(&session_, &GameSession::phaseChanged, this, &GuidePanel::refresh);
    // The main window has taken the click first: the country it shows is the one looked at.
    connect(window_.mapView(), &MapView::released, this, [this] {
        countryLooked(session_.view().shownCountry);
        refresh();
    });
    connect(window_.mapFocus(), &MapFocus::moved, this, [this](int country) {
        countryLooked(country);
        refresh();
    });
    connect(&window_, &MainWindow::reportRequested, this, [this] { session_.noteGuide(GuideAction::ReportOpened); });
    hide();
    followLanguage(this, [this, heading] {
        heading->setText(tr("Einführung"));
        skip_->setText(tr("Überspringen"));
        skip_->setToolTip(tr("Die Einführung beenden und einfach weiterspielen (F8)"));
        keepPlaying_->setText(tr("Weiterspielen"));
        keepPlaying_->setToolTip(tr("Die Einführung beenden und weiterspielen (F8)"));
        toMenu_->setText(tr("Zum Menü"));
        // The step shown, in the new language; nothing else of it changes.
        if (!isHidden())
            text_->setText(stepText());
    });
}

void GuidePanel::countryLooked(int country) { session_.noteGuide(GuideAction::CountryLooked, country); }

QString GuidePanel::sentence(const GameSession& session)
{
    const WorldState& world = session.world();
    const int player = std::clamp(world.side[0], 0, MaxCountries);
    const QString own = gametext::name(world.countryName[player]);
    const GuideTarget target = weakestNeighbour(world);
    const QString weakest = gametext::name(world.countryName[target.country]);
    const QString chance = QString::number(std::lround(target.chance * 100));
    const bool menuOpen = !session.view().sideMenuClosed;
    switch (guideStep(world)) {
    case GuideStep::Off:
        return {};
    case GuideStep::StartClock:
        return tr("Willkommen! Du führst %1. Noch steht die Zeit still: Starte die Uhr mit dem markierten Knopf "
                  "oder der Leertaste.")
            .arg(own);
    case GuideStep::LookAtNeighbour:
        return session.view().battleMode
                   ? tr("Schau dir einen Nachbarn an: Stelle den Modus mit dem markierten Knopf auf „Info“ (F5) und "
                        "klicke dann ein Land neben %1 an.")
                         .arg(own)
                   : tr("Die markierten Länder grenzen an %1. Klicke eines an oder geh mit den Pfeiltasten hin: Die "
                        "Tafel zeigt dir, wer es hält und wie stark sein General ist.")
                         .arg(own);
    case GuideStep::Recruit:
        return menuOpen ? tr("Ein Heer braucht Führer: Öffne „Generäle“ (F2) und stelle mit „Neuer Unteroffizier“ "
                             "einen General ein. Er wird gleich ausgebildet.")
                        : tr("Ein Heer braucht Führer: Öffne das Seitenmenü, dann „Generäle“ (oder drücke F2), und "
                             "stelle mit „Neuer Unteroffizier“ einen General ein. Er wird gleich ausgebildet.");
    case GuideStep::Train:
        return tr("%1 hält sich nur bereit und lernt nichts dazu. Wähle ihn in „Generäle“ (F2), dann „Aufgabe“ und "
                  "„General ausbilden“.")
            .arg(qs(world.generalName[player][std::clamp(readyGeneral(world), 0, MaxGenerals)]));
    case GuideStep::Attack:
        return tr("Greif früh an! %1 ist dein schwächster Nachbar (Siegchance %2 %). Modus „Schlacht“ (F5), %1 "
                  "anklicken oder mit Pfeiltasten und Eingabetaste wählen, dann „Land angreifen“.")
            .arg(weakest, chance);
    case GuideStep::WatchBattle:
        return tr("Die Schlacht läuft! In der Liste der Schlachten siehst du, wie sie steht. Lass die Uhr einen "
                  "Augenblick laufen.");
    case GuideStep::Pause:
        return tr("Mit dem markierten Knopf oder der Leertaste hältst du das Spiel jederzeit an. Probier es aus.");
    case GuideStep::Speed:
        return tr("Mit „Schneller“ und „Langsamer“ (Tasten + und -) stellst du das Tempo ein. Ändere es einmal.");
    case GuideStep::ReadMessage:
        return tr("Unter „Meldungen“ steht das Neueste oben. Klicke eine Meldung an oder wähle sie mit Tab, "
                  "Pfeiltasten und Eingabetaste: Die Karte zeigt dir das Land, um das es geht.");
    case GuideStep::Report:
        return menuOpen ? tr("Die „Bilanz“ (F3) zeigt die Spielbilanz: Länder, Generäle und Schlachten. Öffne sie "
                             "einmal.")
                        : tr("Die „Bilanz“ im Seitenmenü (F3) zeigt die Spielbilanz: Länder, Generäle und "
                             "Schlachten. Öffne sie einmal.");
    case GuideStep::Win:
        if (session.paused())
            return tr("Die Uhr steht. Starte sie wieder, damit deine Schlacht entschieden wird.");
        if (playerBattleRunning(world))
            return tr(
                "Jetzt gilt es abzuwarten, bis deine Schlacht entschieden ist. Schneller geht es mit „Schneller“.");
        return tr("Diese Schlacht ist verloren, doch der Krieg geht weiter. Greif %1 erneut an (Siegchance %2 %).")
            .arg(weakest, chance);
    case GuideStep::Done:
        return tr("Geschafft: Dein erstes Land ist erobert! Trainiere deine Generäle, greif früh an und erobere den "
                  "ganzen Kontinent. Viel Erfolg!");
    }
    return {};
}

void GuidePanel::refresh()
{
    const bool shown = world_.playing && guideShown(world_);
    const bool done = guideStep(world_) == GuideStep::Done;
    if (shown && done && !hold_.holding())
        hold_ = session_.hold();
    else if (!(shown && done))
        hold_.release();
    setVisible(shown);
    if (!shown) {
        mark_->setTarget({});
        return;
    }
    text_->setText(stepText());
    // A new step, or a new turn of the last one, is said as it comes.
    const int spoken = world_.guideStep * 8 + (session_.view().battleMode ? 1 : 0) + (session_.paused() ? 2 : 0) +
                       (playerBattleRunning(world_) ? 4 : 0);
    const bool turns = guideStep(world_) == GuideStep::Win || guideStep(world_) == GuideStep::LookAtNeighbour;
    if (world_.guideStep != spokenStep_ / 8 || (turns && spoken != spokenStep_)) {
        spokenStep_ = spoken;
        window_.announcer()->announce(text_->text());
    }
    const bool word = done && !keepPlaying_->isVisible();
    skip_->setVisible(!done);
    keepPlaying_->setVisible(done);
    toMenu_->setVisible(done);
    // The closing word takes the keys: Enter plays on, Tab reaches "Zum Menü".
    if (word)
        keepPlaying_->setFocus(Qt::OtherFocusReason);
    markStep();
}

void GuidePanel::markStep()
{
    const auto widget = [this](QWidget* w) {
        return GuideMark::Targets([this, w] {
            return std::vector<QRect>{w && w->isVisible() ? QRect(w->mapTo(&window_, QPoint(0, 0)), w->size())
                                                          : QRect()};
        });
    };
    const auto country = [this](int k) {
        return GuideMark::Targets([this, k] { return std::vector<QRect>{countryRect(k)}; });
    };
    // Every country beside the player's, as the rules count them.
    const auto neighbours = [this] {
        return GuideMark::Targets([this] {
            std::vector<QRect> rects;
            for (const int k : playerNeighbours(world_))
                rects.push_back(countryRect(k));
            return rects;
        });
    };
    const ControlStrip* strip = window_.controlStrip();
    QWidget* sideMenu = window_.sideMenuButton();
    const bool menuOpen = strip->generalsButton()->isVisible();
    GuideMark::Targets target;
    switch (guideStep(world_)) {
    case GuideStep::StartClock:
    case GuideStep::Pause:
        target = widget(strip->pauseButton());
        break;
    case GuideStep::LookAtNeighbour:
        target = session_.view().battleMode ? widget(strip->modeButton()) : neighbours();
        break;
    case GuideStep::Recruit:
    case GuideStep::Train:
        target = widget(menuOpen ? strip->generalsButton() : sideMenu);
        break;
    case GuideStep::Attack:
        target = country(weakestNeighbour(world_).country);
        break;
    case GuideStep::WatchBattle:
        target = widget(panels_.battles());
        break;
    case GuideStep::Speed:
        target = widget(panels_.fasterButton());
        break;
    case GuideStep::ReadMessage:
        target = widget(panels_.messages());
        break;
    case GuideStep::Report:
        target = widget(menuOpen ? strip->reportButton() : sideMenu);
        break;
    case GuideStep::Win:
        target = session_.paused()             ? widget(strip->pauseButton())
                 : playerBattleRunning(world_) ? widget(panels_.battles())
                                               : country(weakestNeighbour(world_).country);
        break;
    case GuideStep::Off:
    case GuideStep::Done:
        break;
    }
    mark_->setTarget(target);
}

QRect GuidePanel::countryRect(int k) const
{
    const MapView* view = window_.mapView();
    if (!validCountry(world_, k) || world_.countryCode[k].size() != 1 || !view->isVisible())
        return {};
    // The country's grid cells, in picture pixels, then as the view shows them.
    QRect cells;
    const char code = world_.countryCode[k][0];
    for (int c = 1; c <= std::min(world_.gridColumns, MaxGridSize); ++c)
        for (int r = 1; r <= std::min(world_.gridRows, MaxGridSize); ++r)
            if (world_.gridCell[c][r] == code)
                cells |= QRect((c - 1) * GridCellPixels, (r - 1) * GridCellPixels, GridCellPixels, GridCellPixels);
    if (cells.isEmpty())
        return {};
    const double scale = view->scale();
    const QRect shown(QPoint(qRound(cells.left() * scale), qRound(cells.top() * scale)),
                      QPoint(qRound((cells.right() + 1) * scale) - 1, qRound((cells.bottom() + 1) * scale) - 1));
    return shown.translated(view->mapTo(&window_, QPoint(0, 0)))
        .intersected(QRect(view->mapTo(&window_, QPoint(0, 0)), view->size()));
}

void GuidePanel::skip()
{
    endGuide(world_);
    refresh();
}

void GuidePanel::finish(bool toMenu)
{
    endGuide(world_);
    refresh();
    if (toMenu)
        window_.optionsMenuButton()->click();
}

}  // namespace stratagon
