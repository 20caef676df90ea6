#include "shell/RecordsChart.h"

#include "platform/Paths.h"
#include "world/WorldState.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace stratagon {

namespace {

QColor fromRgb(Rgb c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// Opponents past the first are not painted on the map; their lines still
// need colours apart from the others.
const QColor MoreOpponents[] = {QColor(90, 170, 255), QColor(255, 170, 0), QColor(235, 100, 235),
                                QColor(0, 220, 220)};
// Dark, so that the map's pure red and green both stand out.
const QColor Background(28, 34, 30);

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
    QColor colour;
    int side;  // place in the side table, -1 for the unheld countries
};

}  // namespace

RecordsChart::RecordsChart(const WorldState& world, QWidget* parent) : QWidget(parent), world_(world)
{
    setObjectName(QStringLiteral("recordsChart"));
}

QColor RecordsChart::lineColour(int side)
{
    if (side < 0)
        return QColor(175, 175, 175);
    if (side == 0)
        return fromRgb(PlayerColour);
    if (side == 1)
        return fromRgb(OpponentColour);
    return MoreOpponents[(side - 2) % std::size(MoreOpponents)];
}

void RecordsChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Background);
    const QFontMetrics fm = p.fontMetrics();
    const GameRecords& r = world_.records;

    std::vector<Series> series{{QStringLiteral("Unabhängige Länder"), lineColour(-1), -1}};
    const int sides = std::clamp(world_.sideMax, 0, RecordedSides - 1);
    for (int s = sides; s >= 0; --s) {
        const int country = world_.side[s];
        const QString name = validSideIndex(country) ? qs(world_.countryName[country]) : QString();
        series.push_back({s == 0 ? QStringLiteral("Du (%1)").arg(name) : name, lineColour(s), s});
    }

    // Legend, the player first.
    const int pad = 10;
    int x = pad;
    p.setPen(Qt::white);
    p.drawText(x, pad + fm.ascent(), QStringLiteral("Länder"));
    x += fm.horizontalAdvance(QStringLiteral("Länder")) + 3 * pad;
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        p.setPen(QPen(it->colour, 3));
        const int mid = pad + fm.height() / 2;
        p.drawLine(x, mid, x + 18, mid);
        p.setPen(Qt::white);
        p.drawText(x + 24, pad + fm.ascent(), it->name);
        x += 24 + fm.horizontalAdvance(it->name) + 2 * pad;
    }

    const int most = std::max(std::clamp(world_.countryCount, 0, MaxCountries), 1);
    const QRect plot(QPoint(fm.horizontalAdvance(QStringLiteral("100")) + 2 * pad, 2 * pad + fm.height()),
                     QPoint(width() - 2 * pad, height() - fm.height() - pad));
    if (plot.width() < 10 || plot.height() < 10)
        return;
    const auto yOf = [&](int count) { return plot.bottom() - double(count) * plot.height() / most; };

    // Country counts up the side.
    const QColor grid(255, 255, 255, 45);
    const int yStep = roundStep(most, plot.height() / (2 * fm.height()));
    for (int v = 0; v <= most; v += yStep) {
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), yOf(v)), QPointF(plot.right(), yOf(v)));
        p.setPen(Qt::white);
        p.drawText(QRectF(0, yOf(v) - fm.height() / 2.0, plot.left() - pad / 2.0, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(v));
    }

    const auto n = static_cast<int>(r.months.size());
    if (n == 0)
        return;
    const auto xOf = [&](int i) { return n == 1 ? plot.center().x() : plot.left() + double(i) * plot.width() / (n - 1); };

    // Game years along the bottom, at each January.
    const int years = r.months.back().year - r.months.front().year + 1;
    const int yearStep = roundStep(years, plot.width() / (fm.horizontalAdvance(QStringLiteral("2000")) + 2 * pad));
    for (int i = 0; i < n; ++i) {
        const MonthSample& m = r.months[static_cast<std::size_t>(i)];
        if (m.month != 1 || (m.year - r.months.front().year) % yearStep != 0)
            continue;
        p.setPen(grid);
        p.drawLine(QPointF(xOf(i), plot.top()), QPointF(xOf(i), plot.bottom()));
        p.setPen(Qt::white);
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
        p.setPen(QPen(s.colour, s.side == 0 ? 3.0 : 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        if (n == 1)
            p.drawPoint(path.currentPosition());
        else
            p.drawPath(path);
    }
}

}  // namespace stratagon
