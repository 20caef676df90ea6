// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MapFocus.h"

#include "mapview/MapAccess.h"
#include "mapview/MapView.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "session/GameText.h"
#include "simulation/Odds.h"
#include "simulation/PlayerActions.h"
#include "world/MapNavigation.h"
#include "world/WorldState.h"

#include <QAccessible>
#include <QTimer>
#include <QKeyEvent>

namespace stratagon {

namespace {

constexpr qint64 TypingPause = 1000;  // ms after which typed letters start a new name

}  // namespace

MapFocus::MapFocus(const WorldState& world, MapView& view) : QObject(&view), world_(world), view_(view)
{
    installAccessibility();
    view_.setFocusPolicy(Qt::StrongFocus);
    followLanguage(&view_, [this] {
        view_.setAccessibleName(tr("Landkarte"));
        view_.setAccessibleDescription(
            tr("Pfeiltasten: zum Nachbarland; Buchstaben: Land nach Namen; Eingabetaste: angreifen oder zeigen"));
    });
    view_.installEventFilter(this);
}

int MapFocus::countryCount() const { return std::clamp(world_.countryCount, 0, MaxCountries); }

QPoint MapFocus::seedOf(int country) const
{
    return validCountry(world_, country) ? QPoint(world_.fillX[country], world_.fillY[country]) : QPoint();
}

void MapFocus::moveTo(int country)
{
    if (!validCountry(world_, country))
        country = 0;
    country_ = country;
    view_.setFocusCountry(country_, seedOf(country_));
    announceFocus();
}

void MapFocus::takeKeys(int country)
{
    moveTo(country);
    view_.setFocus();
}

void MapFocus::announceFocus()
{
    if (country_ == 0 || !view_.hasFocus())
        return;
    QAccessibleEvent event(&view_, QAccessible::Focus);
    event.setChild(country_ - 1);
    QAccessible::updateAccessibility(&event);
}

QString MapFocus::name(int country) const
{
    return validCountry(world_, country) ? gametext::name(world_.countryName[country]) : QString();
}

QString MapFocus::description(int country) const
{
    if (!validCountry(world_, country))
        return {};
    QStringList parts;
    const int holder = world_.countryOwner[country];
    if (holder == world_.side[0])
        parts << tr("dein Land");
    else if (validCountry(world_, holder) && holder != country)
        parts << tr("gehalten von %1").arg(gametext::sideName(world_, holder));
    else if (world_.countryKind[country] == KindPassive)
        parts << tr("neutral");
    else
        parts << tr("Land eines Gegners");
    for (int k = 1; k <= std::min(world_.battleCount, MaxBattles); ++k)
        if (world_.battles[k].country == country) {
            parts << tr("umkämpft");
            break;
        }
    if (world_.playing && attackableCode(world_, world_.countryCode[country])) {
        const double chance = bestPlayerChance(world_, country);
        parts << (chance >= 0 ? tr("angreifbar, beste Siegchance %1 %").arg(qRound(chance * 100))
                              : tr("angreifbar, aber kein General bereit"));
    }
    return parts.join(QStringLiteral(", "));
}

bool MapFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &view_)
        return false;
    if (event->type() == QEvent::FocusIn) {
        // Qt tells the map's own focus after this event: the country comes
        // after it, so that a screen reader ends on the country.
        QTimer::singleShot(0, this, &MapFocus::announceFocus);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const int from = country_ != 0 ? country_ : world_.side[0];
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const Heading heading = key->key() == Qt::Key_Left    ? Heading::Left
                                : key->key() == Qt::Key_Right ? Heading::Right
                                : key->key() == Qt::Key_Up    ? Heading::Up
                                                              : Heading::Down;
        if (const int next = neighbourToward(world_, from, heading)) {
            moveTo(next);
            emit moved(next);
        }
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (country_ != 0)
            emit activated(country_);
        return true;
    default:
        return typeLetters(key->text());
    }
}

bool MapFocus::typeLetters(const QString& text)
{
    if (text.size() != 1 || !text.at(0).isLetter())
        return false;
    if (!sinceTyped_.isValid() || sinceTyped_.elapsed() > TypingPause)
        typed_.clear();
    sinceTyped_.start();
    // The same letter again goes on to the next name with it; more letters
    // narrow the name down from where the focus stands.
    const bool again = typed_.size() == 1 && typed_.compare(text, Qt::CaseInsensitive) == 0;
    if (!again)
        typed_ += text;
    const int found = countryByPrefix(world_, ss(typed_), country_, !again && typed_.size() > 1);
    if (found != 0) {
        moveTo(found);
        emit moved(found);
    }
    return true;
}

}  // namespace stratagon
