// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/RecordsChart.h"

#include "platform/Paths.h"
#include "session/GameText.h"
#include "world/WorldState.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace stratagon {

namespace {

QColor fromRgb(Rgb c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

bool light(ColourScheme scheme) { return scheme == ColourScheme::ColourBlind; }

// The smallest of 1, 2, 5, 10, 20, 50, ... that leaves at most `most` steps over `range`.
int roundStep(int range, int most)
{
    most = std::max(most, 1);
    for (int scale = 1;; scale *= 10)
        for (const int f : {1, 2, 5})
            if (range / (f * scale) <= most)
                return f * scale;
}

struct Series {
    QString name;
    int side;  // place in the side table, -1 for the unheld countries
};

}  // namespace

RecordsChart::RecordsChart(const WorldState& world, ColourScheme scheme, QWidget* parent)
    : QWidget(parent), world_(world), scheme_(scheme)
{
    setObjectName(QStringLiteral("recordsChart"));
}

void RecordsChart::setMarks(std::vector<Mark> marks)
{
    marks_ = std::move(marks);
    update();
}

void RecordsChart::setPickedMonth(int month)
{
    picked_ = month;
    update();
}

void RecordsChart::setPlayedMonth(int month)
{
    played_ = month;
    update();
}

double RecordsChart::xOfMonth(int month) const
{
    const auto n = static_cast<int>(world_.records.months.size());
    return n <= 1 ? plot_.center().x() : plot_.left() + double(month) * plot_.width() / (n - 1);
}

void RecordsChart::mousePressEvent(QMouseEvent* event)
{
    const auto n = static_cast<int>(world_.records.months.size());
    if (!picking_ || n == 0 || plot_.width() <= 0 || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const double at = (event->position().x() - plot_.left()) * (n - 1) / plot_.width();
    const int month = std::clamp(static_cast<int>(std::lround(at)), 0, n - 1);
    setPickedMonth(month);
    emit monthPicked(month);
}

QColor RecordsChart::background(ColourScheme scheme)
{
    // Dark under the standard scheme's pure red and green, light under the
    // other's dark colours.
    return light(scheme) ? QColor(246, 246, 240) : QColor(28, 34, 30);
}

QPen RecordsChart::linePen(ColourScheme scheme, int side)
{
    if (side < 0)
        return QPen(light(scheme) ? QColor(140, 140, 140) : QColor(175, 175, 175), 2.0, Qt::DotLine);
    QPen pen(fromRgb(sideColour(scheme, side)), side == 0 ? 3.0 : 2.0, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    // As the map's stripes, dashes tell the opponents from the player
    // without any colour.
    if (light(scheme) && side > 0)
        pen.setDashPattern({4.0 + side, 2.0 + side % 3});
    return pen;
}

void RecordsChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), background(scheme_));
    const QColor ink = light(scheme_) ? Qt::black : Qt::white;
    const QFontMetrics fm = p.fontMetrics();
    const GameRecords& r = world_.records;

    std::vector<Series> series{{tr("Unabhängige Länder"), -1}};
    const int sides = std::clamp(world_.sideMax, 0, RecordedSides - 1);
    for (int s = sides; s >= 0; --s) {
        const int country = world_.side[s];
        const QString name = validSideIndex(country) ? gametext::name(world_.countryName[country]) : QString();
        series.push_back({s == 0 ? tr("Du (%1)").arg(name) : name, s});
    }

    // Legend, the player first; with many sides it takes more lines rather
    // than running off the edge.
    const int pad = 10;
    int x = pad;
    int top = pad;
    p.setPen(ink);
    const QString axis = tr("Länder");
    p.drawText(x, top + fm.ascent(), axis);
    const int entriesLeft = x + fm.horizontalAdvance(axis) + 3 * pad;
    x = entriesLeft;
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        const int entry = 32 + fm.horizontalAdvance(it->name);
        if (x > entriesLeft && x + entry > width() - pad)
            x = entriesLeft, top += fm.height() + pad / 2;
        p.setPen(linePen(scheme_, it->side));
        const int mid = top + fm.height() / 2;
        p.drawLine(x, mid, x + 26, mid);
        p.setPen(ink);
        p.drawText(x + 32, top + fm.ascent(), it->name);
        x += entry + 2 * pad;
    }

    const int most = std::max(std::clamp(world_.countryCount, 0, MaxCountries), 1);
    const QRect plot(QPoint(fm.horizontalAdvance(QStringLiteral("100")) + 2 * pad, top + pad + fm.height()),
                     QPoint(width() - 2 * pad, height() - fm.height() - pad));
    plot_ = plot;
    if (plot.width() < 10 || plot.height() < 10)
        return;
    const auto yOf = [&](int count) { return plot.bottom() - double(count) * plot.height() / most; };

    // Country counts up the side.
    QColor grid = ink;
    grid.setAlpha(45);
    const int yStep = roundStep(most, plot.height() / (2 * fm.height()));
    for (int v = 0; v <= most; v += yStep) {
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), yOf(v)), QPointF(plot.right(), yOf(v)));
        p.setPen(ink);
        p.drawText(QRectF(0, yOf(v) - fm.height() / 2.0, plot.left() - pad / 2.0, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }

    const auto n = static_cast<int>(r.months.size());
    if (n == 0)
        return;
    const auto xOf = [&](int i) {
        return n == 1 ? plot.center().x() : plot.left() + double(i) * plot.width() / (n - 1);
    };

    // Game years along the bottom, at each January.
    const int years = r.months.back().year - r.months.front().year + 1;
    const int yearStep = roundStep(years, plot.width() / (fm.horizontalAdvance(QStringLiteral("2000")) + 2 * pad));
    for (int i = 0; i < n; ++i) {
        const MonthSample& m = r.months[static_cast<std::size_t>(i)];
        if (m.month != 1 || (m.year - r.months.front().year) % yearStep != 0)
            continue;
        p.setPen(grid);
        p.drawLine(QPointF(xOf(i), plot.top()), QPointF(xOf(i), plot.bottom()));
        p.setPen(ink);
        const QString year = QString::number(m.year);
        const double w = fm.horizontalAdvance(year);
        p.drawText(QPointF(std::clamp(xOf(i) - w / 2, 0.0, width() - w), plot.bottom() + pad / 2.0 + fm.ascent()),
                   year);
    }

    // The lines, the player's last so that it lies on top.
    for (const Series& s : series) {
        QPainterPath path;
        for (int i = 0; i < n; ++i) {
            const MonthSample& m = r.months[static_cast<std::size_t>(i)];
            const QPointF at(xOf(i), yOf(s.side < 0 ? m.passive : m.held[static_cast<std::size_t>(s.side)]));
            i == 0 ? path.moveTo(at) : path.lineTo(at);
        }
        p.setPen(linePen(scheme_, s.side));
        if (n == 1)
            p.drawPoint(path.currentPosition());
        else
            p.drawPath(path);
    }

    // The marks over their months, each label in a box at the top.
    QColor markInk = light(scheme_) ? QColor(150, 90, 0) : QColor(255, 215, 90);
    for (const Mark& mark : marks_) {
        if (mark.month < 0 || mark.month >= n)
            continue;
        const double x = xOfMonth(mark.month);
        p.setPen(QPen(markInk, 1.5, Qt::DashLine));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const double w = fm.horizontalAdvance(mark.label) + 8;
        const QRectF box(std::clamp(x - w / 2, 0.0, width() - w), plot.top(), w, fm.height() + 2);
        p.setPen(Qt::NoPen);
        p.setBrush(markInk);
        p.drawRoundedRect(box, 4, 4);
        p.setPen(background(scheme_));
        p.drawText(box, Qt::AlignCenter, mark.label);
        p.setBrush(Qt::NoBrush);
    }
    for (const auto& [month, style] : {std::pair{picked_, Qt::DotLine}, std::pair{played_, Qt::SolidLine}})
        if (month >= 0 && month < n) {
            p.setPen(QPen(ink, 2.0, style));
            p.drawLine(QPointF(xOfMonth(month), plot.top()), QPointF(xOfMonth(month), plot.bottom()));
        }
}

}  // namespace stratagon
