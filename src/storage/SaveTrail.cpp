// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveTrail.h"

#include "storage/SaveFields.h"
#include "world/MapLoader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <cmath>

namespace stratagon {

namespace {

// Whole numbers stay exact in a JSON number up to 2^53.
constexpr double Exact = 9007199254740992.0;

QString seedText(uint64_t seed) { return QStringLiteral("%1").arg(seed, 16, 16, QLatin1Char('0')); }

bool whole(const QJsonValue& v, double low, double high, double& out)
{
    if (!v.isDouble())
        return false;
    out = v.toDouble();
    return out == std::trunc(out) && out >= low && out <= high;
}

QString fault(const char* what) { return QCoreApplication::translate("FileErrors", what); }

// One order's values after its ticks and kind; false when they do not fit it.
bool decodeOrder(const QJsonArray& a, int side, Order& order)
{
    const auto number = [&a](qsizetype i, double low, double high, int16_t& out) {
        double v = 0;
        if (!whole(a.at(i), low, high, v))
            return false;
        out = int16_t(v);
        return true;
    };
    double kind = 0;
    if (!whole(a.at(1), 0, OrderKindCount - 1, kind))
        return false;
    order = Order{};
    order.kind = OrderKind(int(kind));
    order.side = int16_t(side);
    switch (order.kind) {
    case OrderKind::Recruit: {
        const QString name = a.at(2).toString();
        if (a.size() != 3 || !a.at(2).isString() || name.isEmpty() || name.size() > qsizetype(MaxMapTextLength))
            return false;
        order.name = name.toStdString();
        return true;
    }
    case OrderKind::SetTask:
        return a.size() == 4 && number(2, 0, 99, order.slot) && number(3, 0, 2, order.task);
    case OrderKind::Attack:
        return a.size() == 4 && number(2, 0, 99, order.slot) && number(3, 1, 100, order.target);
    case OrderKind::Dismiss:
        return a.size() == 3 && number(2, 0, 99, order.slot);
    case OrderKind::Pace:
        return a.size() == 3 && number(2, 0, 9, order.task);
    case OrderKind::Settings:
        return a.size() == 4 && number(2, 0, 32767, order.target) && number(3, 0, 32767, order.task);
    }
    return false;
}

}  // namespace

QJsonObject encodeTrail(const GameTrail& trail)
{
    QJsonArray orders;
    int64_t last = 0;
    for (const TimedOrder& timed : trail.orders) {
        const Order& o = timed.order;
        QJsonArray a{double(timed.tick - last), int(o.kind)};
        last = timed.tick;
        switch (o.kind) {
        case OrderKind::Recruit:
            a.append(QString::fromStdString(o.name));
            break;
        case OrderKind::SetTask:
            a.append(o.slot), a.append(o.task);
            break;
        case OrderKind::Attack:
            a.append(o.slot), a.append(o.target);
            break;
        case OrderKind::Dismiss:
            a.append(o.slot);
            break;
        case OrderKind::Pace:
            a.append(o.task);
            break;
        case OrderKind::Settings:
            a.append(o.target), a.append(o.task);
            break;
        }
        orders.append(a);
    }
    QJsonObject object{{QStringLiteral("seed"), seedText(trail.seed)},
                       {QStringLiteral("originDraws"), double(trail.originDraws)},
                       {QStringLiteral("draws"), double(trail.draws)},
                       {QStringLiteral("ticks"), double(trail.ticks)},
                       {QStringLiteral("orders"), orders}};
    if (trail.branchedAt.year != 0)
        object.insert(QStringLiteral("branchedAt"), QJsonArray{trail.branchedAt.year, trail.branchedAt.month});
    return object;
}

QString decodeTrail(const QJsonObject& object, int side, int64_t mostTicks, GameTrail& trail)
{
    const QString seed = object.value(QStringLiteral("seed")).toString();
    bool ok = seed.size() == 16;
    const uint64_t seedValue = seed.toULongLong(&ok, 16);
    if (seed.size() != 16 || !ok)
        return fault(QT_TRANSLATE_NOOP("FileErrors", "der Startwert fehlt oder ist ungültig"));
    double originDraws = 0, draws = 0, ticks = 0;
    if (!whole(object.value(QStringLiteral("originDraws")), 0, Exact, originDraws) ||
        !whole(object.value(QStringLiteral("draws")), originDraws, Exact, draws) ||
        !whole(object.value(QStringLiteral("ticks")), 0, double(mostTicks), ticks))
        return fault(QT_TRANSLATE_NOOP("FileErrors", "die Zahl der Ticks oder der Zufallszahlen ist ungültig"));
    GameDate branchedAt;
    if (const QJsonValue at = object.value(QStringLiteral("branchedAt")); !at.isUndefined()) {
        double year = 0, month = 0;
        if (!at.isArray() || at.toArray().size() != 2 || !whole(at.toArray().at(0), 1, 1'000'000, year) ||
            !whole(at.toArray().at(1), 1, 12, month))
            return fault(QT_TRANSLATE_NOOP("FileErrors", "der Monat der Abzweigung ist ungültig"));
        branchedAt = {int32_t(year), int32_t(month)};
    }
    const QJsonValue list = object.value(QStringLiteral("orders"));
    if (!list.isArray())
        return fault(QT_TRANSLATE_NOOP("FileErrors", "die Befehle fehlen"));
    std::vector<TimedOrder> orders;
    orders.reserve(std::size_t(list.toArray().size()));
    int64_t tick = 0;
    for (const QJsonValue& entry : list.toArray()) {
        const QJsonArray a = entry.toArray();
        double gap = 0;
        Order order;
        if (!entry.isArray() || a.size() < 3 || !whole(a.at(0), 0, ticks - double(tick), gap) ||
            !decodeOrder(a, side, order))
            return QCoreApplication::translate("FileErrors", "Befehl %1 ist ungültig").arg(orders.size() + 1);
        tick += int64_t(gap);
        orders.push_back({tick, std::move(order)});
    }
    trail.seed = seedValue;
    trail.originDraws = uint64_t(originDraws);
    trail.draws = uint64_t(draws);
    trail.ticks = int64_t(ticks);
    trail.orders = std::move(orders);
    trail.branchedAt = branchedAt;
    return {};
}

QJsonObject trailObject(const GameTrail& trail, const QJsonObject& game)
{
    QJsonObject kept = encodeTrail(trail);
    QJsonObject own;
    const QJsonObject start = json::encode(*trail.origin).toObject();
    for (auto field = start.begin(); field != start.end(); ++field)
        if (game.value(field.key()) != field.value())
            own.insert(field.key(), field.value());
    kept.insert(QStringLiteral("origin"), own);
    return kept;
}

// The world where the trail starts: the game's fields, but for those the
// trail keeps of its own.
QString readTrail(const QJsonValue& value, const QJsonObject& game, const WorldState& staged, GameTrail& trail)
{
    if (!value.isObject())
        return QCoreApplication::translate("FileErrors", "die Angaben fehlen");
    const QJsonObject kept = value.toObject();
    // A tick a quarter month: no trail runs longer than the records it left.
    const int64_t mostTicks = 4 * (int64_t(staged.records.months.size()) + 1);
    if (const QString wrong = decodeTrail(kept, staged.side[0], mostTicks, trail); !wrong.isEmpty())
        return wrong;
    QJsonObject start = game;
    const QJsonObject own = kept.value(QStringLiteral("origin")).toObject();
    for (auto field = own.begin(); field != own.end(); ++field)
        start.insert(field.key(), field.value());
    auto origin = std::make_shared<WorldState>();
    json::Context context;
    context.push("trail");
    context.push("origin");
    if (!json::decode(QJsonValue(start), *origin, json::Any, context))
        return context.error;
    if (const QString wrong = savedWorldFault(*origin); !wrong.isEmpty())
        return wrong;
    origin->mapFileName = staged.mapFileName;
    trail.origin = std::move(origin);
    if (!trailLeadsTo(trail, staged))
        return QCoreApplication::translate("FileErrors", "er führt nicht zu diesem Spielstand");
    return {};
}

}  // namespace stratagon
