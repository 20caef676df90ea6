// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SaveTrail.h"

#include "storage/SaveFields.h"
#include "world/MapLoader.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <span>

namespace stratagon {

namespace {

QString seedText(uint64_t seed) { return QStringLiteral("%1").arg(seed, 16, 16, QLatin1Char('0')); }

// A whole number in `range`, read as the save's fields are; the trail says
// what was wrong in its own words.
template <typename I>
bool number(const QJsonValue& v, json::Range range, I& out)
{
    json::Context unused;
    return json::decode(v, out, range, unused);
}

QString fault(const char* what) { return QCoreApplication::translate("FileErrors", what); }

// The values an order keeps after its ticks and kind, in the file's order,
// with what each may be; a recruit keeps his name instead.
struct OrderValue {
    int16_t Order::*member;
    json::Range range;
};
constexpr json::Range Slot{0, 99};
std::span<const OrderValue> valuesOf(OrderKind kind)
{
    static constexpr OrderValue setTask[] = {{&Order::slot, Slot}, {&Order::task, {0, 2}}};
    static constexpr OrderValue attack[] = {{&Order::slot, Slot}, {&Order::target, {1, 100}}};
    static constexpr OrderValue dismiss[] = {{&Order::slot, Slot}};
    static constexpr OrderValue pace[] = {{&Order::task, {0, 9}}};
    static constexpr OrderValue settings[] = {{&Order::target, {0, 32767}}, {&Order::task, {0, 32767}}};
    switch (kind) {
    case OrderKind::Recruit:
        break;
    case OrderKind::SetTask:
        return setTask;
    case OrderKind::Attack:
        return attack;
    case OrderKind::Dismiss:
        return dismiss;
    case OrderKind::Pace:
        return pace;
    case OrderKind::Settings:
        return settings;
    }
    return {};
}

// One order's values after its ticks and kind; false when they do not fit it.
bool decodeOrder(const QJsonArray& a, int side, Order& order)
{
    int kind = 0;
    if (!number(a.at(1), {0, OrderKindCount - 1}, kind))
        return false;
    order = Order{};
    order.kind = OrderKind(kind);
    order.side = int16_t(side);
    if (order.kind == OrderKind::Recruit) {
        const QString name = a.at(2).toString();
        if (a.size() != 3 || !a.at(2).isString() || name.isEmpty() || name.size() > qsizetype(MaxMapTextLength))
            return false;
        order.name = name.toStdString();
        return true;
    }
    const std::span<const OrderValue> values = valuesOf(order.kind);
    if (a.size() != qsizetype(2 + values.size()))
        return false;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (!number(a.at(qsizetype(2 + i)), values[i].range, order.*values[i].member))
            return false;
    return true;
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
        if (o.kind == OrderKind::Recruit)
            a.append(QString::fromStdString(o.name));
        for (const OrderValue& value : valuesOf(o.kind))
            a.append(o.*value.member);
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
    bool ok = false;
    const uint64_t seedValue = seed.toULongLong(&ok, 16);
    if (seed.size() != 16 || !ok)
        return fault(QT_TRANSLATE_NOOP("FileErrors", "der Startwert fehlt oder ist ungültig"));
    int64_t originDraws = 0, draws = 0, ticks = 0;
    if (!number(object.value(QStringLiteral("originDraws")), {0}, originDraws) ||
        !number(object.value(QStringLiteral("draws")), {originDraws}, draws) ||
        !number(object.value(QStringLiteral("ticks")), {0, mostTicks}, ticks))
        return fault(QT_TRANSLATE_NOOP("FileErrors", "die Zahl der Ticks oder der Zufallszahlen ist ungültig"));
    GameDate branchedAt;
    if (const QJsonValue at = object.value(QStringLiteral("branchedAt")); !at.isUndefined()) {
        const QJsonArray date = at.toArray();
        if (!at.isArray() || date.size() != 2 || !number(date.at(0), {1, json::LastYear}, branchedAt.year) ||
            !number(date.at(1), {1, 12}, branchedAt.month))
            return fault(QT_TRANSLATE_NOOP("FileErrors", "der Monat der Abzweigung ist ungültig"));
    }
    const QJsonValue list = object.value(QStringLiteral("orders"));
    if (!list.isArray())
        return fault(QT_TRANSLATE_NOOP("FileErrors", "die Befehle fehlen"));
    std::vector<TimedOrder> orders;
    orders.reserve(std::size_t(list.toArray().size()));
    int64_t tick = 0;
    for (const QJsonValue& entry : list.toArray()) {
        const QJsonArray a = entry.toArray();
        int64_t gap = 0;
        Order order;
        if (!entry.isArray() || a.size() < 3 || !number(a.at(0), {0, ticks - tick}, gap) ||
            !decodeOrder(a, side, order))
            return QCoreApplication::translate("FileErrors", "Befehl %1 ist ungültig").arg(orders.size() + 1);
        tick += gap;
        orders.push_back({tick, std::move(order)});
    }
    trail.seed = seedValue;
    trail.originDraws = uint64_t(originDraws);
    trail.draws = uint64_t(draws);
    trail.ticks = ticks;
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
