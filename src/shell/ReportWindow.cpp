// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReportWindow.h"

#include "simulation/Situation.h"

#include "mapview/GuideNote.h"
#include "platform/AppPaths.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/FileText.h"
#include "session/GameText.h"
#include "shell/RecordsChart.h"
#include "shell/TurningPanel.h"
#include "simulation/Clock.h"
#include "simulation/Records.h"
#include "simulation/Situation.h"
#include "storage/AtomicFile.h"
#include "world/Ranks.h"
#include "world/WorldState.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace stratagon {

namespace {

QString dateOf(int year, int month) { return gametext::date(month, year); }

QString lengthText(const GameRecords& r)
{
    const int months = recordedMonths(r);
    QString text = months >= 12 ? ReportWindow::tr("%n Jahre, ", nullptr, months / 12) : QString();
    text += ReportWindow::tr("%n Monate", nullptr, months % 12);
    if (!r.months.empty())
        text += ReportWindow::tr(" (%1 bis %2)")
                    .arg(dateOf(r.months.front().year, r.months.front().month),
                         dateOf(r.months.back().year, r.months.back().month));
    return text;
}

QString playedText(int64_t ms)
{
    const long long seconds = ms / 1000;
    if (seconds >= 3600)
        return ReportWindow::tr("%1 Std. %2 Min.").arg(seconds / 3600).arg(seconds / 60 % 60);
    return ReportWindow::tr("%1 Min. %2 Sek.").arg(seconds / 60).arg(seconds % 60);
}

// The player's own time, and beside it how long the game clock ran (less:
// pauses, windows that hold the game). A save from before the player's time
// was kept knows only the clock's, the least he spent.
QString playedTimeText(const GameRecords& r)
{
    if (r.sessionMs <= r.playedMs)
        return playedText(r.playedMs);
    return playedText(r.sessionMs) + ReportWindow::tr(" (Spieluhr : %1)").arg(playedText(r.playedMs));
}

QString pair(int a, int b) { return QStringLiteral("%1 / %2").arg(a).arg(b); }

// The computer opponents' attacks and, most frequent first, why they came.
QString opponentAttacksText(const GameRecords& r)
{
    const QString reasons[AttackReasonCount] = {
        QString(),
        ReportWindow::tr("mehr EP"),
        ReportWindow::tr("schwächster Nachbar"),
        ReportWindow::tr("ohne Verteidiger"),
        ReportWindow::tr("Rückeroberung"),
        ReportWindow::tr("Gegenangriff"),
        ReportWindow::tr("Schwäche des Führenden"),
    };
    std::vector<int> order;
    int total = 0;
    for (int k = 1; k < AttackReasonCount; ++k)
        if (r.opponentStrikes[std::size_t(k)] > 0)
            order.push_back(k), total += r.opponentStrikes[std::size_t(k)];
    std::stable_sort(order.begin(), order.end(), [&r](int a, int b) {
        return r.opponentStrikes[std::size_t(a)] > r.opponentStrikes[std::size_t(b)];
    });
    QStringList parts;
    for (const int k : order)
        parts << QStringLiteral("%1 %2").arg(r.opponentStrikes[std::size_t(k)]).arg(reasons[k]);
    return parts.isEmpty() ? QStringLiteral("0") : QStringLiteral("%1 (%2)").arg(total).arg(parts.join(QStringLiteral(", ")));
}

// Won or lost after the end, else how things stand.
QString headingText(const WorldState& w)
{
    const GameRecords& r = w.records;
    if (!w.playing && !r.months.empty()) {
        const int held = r.months.back().held[0];
        if (held == w.countryCount)
            return ReportWindow::tr("Du hast gewonnen!");
        if (held == 0)
            return ReportWindow::tr("Du hast verloren!");
    }
    return ReportWindow::tr("Stand : %1").arg(gametext::date(w.month, w.year));
}

}  // namespace

QList<QPair<QString, QString>> reportFigures(const WorldState& w)
{
    const GameRecords& r = w.records;
    const QString rank = r.highestRank < 0
                             ? QStringLiteral("-")
                             : gametext::rankTitle(std::clamp(r.highestRank, 0, 19)) +
                                   QStringLiteral(" (%1)").arg(dateOf(r.highestRankDate.year, r.highestRankDate.month));
    return {
        {ReportWindow::tr("Spieldauer"), lengthText(r)},
        {ReportWindow::tr("Gespielte Zeit"), playedTimeText(r)},
        {ReportWindow::tr("Angriffe gestartet"), QString::number(r.battlesOpened)},
        {ReportWindow::tr("Angriffe auf dich"), QString::number(r.attacksSuffered)},
        {ReportWindow::tr("Angriffe der Gegner"), opponentAttacksText(r)},
        {ReportWindow::tr("Schlachten gewonnen / verloren"), pair(r.battlesWon, r.battlesLost)},
        {ReportWindow::tr("Länder erobert / verloren"), pair(r.countriesTaken, r.countriesLost)},
        {ReportWindow::tr("Generäle angeworben / entlassen"), pair(r.generalsRecruited, r.generalsDismissed)},
        {ReportWindow::tr("Höchster Rang"), rank},
        {ReportWindow::tr("Größtes Reich"),
         ReportWindow::tr("%n Länder", nullptr, static_cast<int>(r.largestEmpire)) +
             QStringLiteral(" (%1)").arg(dateOf(r.largestEmpireDate.year, r.largestEmpireDate.month))},
    };
}

ReportWindow::ReportWindow(const GameContext& game, const AppPaths& paths, ColourScheme colours, QWidget* parent)
    : DialogWindow(parent, Qt::NonModal), game_(game), paths_(paths)
{
    useDarkGreenBackground(*this);

    // A game still running waits while the player looks back.
    hold_ = game_.session.hold();

    const WorldState& world = game_.world;
    content_ = new QWidget;
    content_->setAutoFillBackground(true);
    auto* heading = new QLabel(content_);
    heading->setObjectName(QStringLiteral("reportHeading"));
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    heading->setFont(big);

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(16);
    const int count = static_cast<int>(reportFigures(world).size());
    const int perColumn = (count + 1) / 2;
    QList<QPair<QLabel*, QLabel*>> rowLabels;
    for (int i = 0; i < count; ++i) {
        auto* label = new QLabel(content_);
        auto* value = new QLabel(content_);
        rowLabels.append(qMakePair(label, value));
        value->setObjectName(QStringLiteral("figure%1").arg(i));
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        figures->addWidget(label, i % perColumn, i / perColumn * 2);
        figures->addWidget(value, i % perColumn, i / perColumn * 2 + 1);
    }
    figures->setColumnStretch(1, 1);
    figures->setColumnStretch(3, 1);

    auto* contentLayout = new QVBoxLayout(content_);
    // Never narrower than its figures: where the window is, the page scrolls.
    contentLayout->setSizeConstraint(QLayout::SetMinimumSize);
    contentLayout->addWidget(heading);
    auto* chart = new RecordsChart(world, colours, content_);
    contentLayout->addWidget(chart, 1);
    auto* turning = new TurningPanel(game_.session, *chart, content_);
    connect(turning, &TurningPanel::playAgainRequested, this, &ReportWindow::playAgainRequested);
    contentLayout->addWidget(turning);
    contentLayout->addLayout(figures);

    auto* save = new QPushButton(this);
    save->setObjectName(QStringLiteral("savePictureButton"));
    connect(save, &QPushButton::clicked, this, &ReportWindow::savePicture);
    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    // Outside a dialog a default button takes no key: Space goes to the
    // focused button and Enter to the window (keyPressEvent). Neither may
    // open the file dialog unasked.
    close->setFocus();
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // A finished game that keeps its trail can be watched again.
    auto* watch = new QPushButton(this);
    watch->setObjectName(QStringLiteral("watchButton"));
    watch->setEnabled(game_.session.trail().kept() && !game_.session.gameRunning());
    connect(watch, &QPushButton::clicked, this, &ReportWindow::watchRequested);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(watch);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("reportScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new GuideNote(game_.session, this));
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    followLanguage(this, [=, this] {
        setWindowTitle(tr("Spielbilanz"));
        scroll->setAccessibleName(tr("Spielbilanz"));
        heading->setText(headingText(game_.world));
        const auto rows = reportFigures(game_.world);
        // Said when the window opens: the chart told in words, then the figures.
        const QString told = gametext::render(chartText(game_.world));
        chart->setAccessibleName(tr("Länder je Seite"));
        chart->setAccessibleDescription(told);
        QStringList said{told};
        for (int i = 0; i < rows.size() && i < rowLabels.size(); ++i) {
            const QString row = QStringLiteral("%1: %2.").arg(rows[i].first, rows[i].second);
            rowLabels[i].first->setText(tr("%1 :").arg(rows[i].first));
            rowLabels[i].second->setText(rows[i].second);
            // A screen reader reads a window's labels of three words and
            // more, each name once: a figure alone ("13") would be dropped,
            // so both halves of a row carry the whole row.
            rowLabels[i].first->setAccessibleName(row);
            rowLabels[i].second->setAccessibleName(row);
            said << row;
        }
        setAccessibleDescription(said.join(QLatin1Char(' ')));
        save->setText(tr("Bild speichern"));
        watch->setText(tr("Ansehen"));
        close->setText(tr("Schließen"));
    });

    // Fits a 1366 × 768 screen with its panel; a smaller one gets what it holds.
    content_->layout()->activate();
    resize(QSize(900, 620).expandedTo(content_->sizeHint() + QSize(24, 4 * fontMetrics().height())));
    centreOver(*this, parent);
}

QImage ReportWindow::picture() const { return content_->grab().toImage(); }

bool ReportWindow::savePicture()
{
    const QString name = game_.dialogs.saveFileName(this, tr("Bild speichern"), paths_.pictureFile(tr("Spielbilanz.png")),
                                                    tr("PNG-Bilder (*.png)"));
    if (name.isEmpty())
        return false;
    // Encoded in memory, then written whole: a full disk leaves no half picture.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString reason = tr("Das Bild lässt sich nicht als PNG kodieren.");
    if (picture().save(&buffer, "PNG")) {
        const FileResult written = writeFileAtomically(QFile::encodeName(name).toStdString(),
                                                       std::string_view(png.constData(), std::size_t(png.size())));
        if (written.ok)
            return true;
        reason = gametext::reason(written);
    }
    game_.dialogs.message(this, tr("Das Bild konnte nicht gespeichert werden : %1\n%2").arg(name, reason),
                             tr("Fehler !"));
    return false;
}

void ReportWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        close();
        return;
    default:
        DialogWindow::keyPressEvent(event);
    }
}

void ReportWindow::closeEvent(QCloseEvent* event)
{
    hold_.release();
    DialogWindow::closeEvent(event);
}

}  // namespace stratagon
