// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/Announcer.h"

#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "session/GameText.h"
#include "world/WorldState.h"

#include <QAccessible>

namespace stratagon {

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    // An announcement is spoken when it comes; after a language switch the
    // widget is named anew rather than keep the words of the old language.
    followLanguage(this, [this] { setAccessibleName(tr("Meldungen")); });
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    setAccessibleName(text);
    // An alert that shows is what screen readers speak at once.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void Announcer::announceNewMessages(const WorldState& world)
{
    const Text last = world.events.empty() ? Text{} : world.events.back().text;
    const std::size_t count = world.events.size();
    if (!primed_) {
        primed_ = true;
        seenCount_ = count, seenLast_ = last;
        return;
    }
    if (count == seenCount_ && last == seenLast_)
        return;
    // The log keeps its latest lines: once full, count the new ones from the
    // last line seen.
    std::size_t fresh = count > seenCount_ ? count - seenCount_ : 0;
    if (fresh == 0) {
        fresh = count;
        for (std::size_t i = count; i-- > 0;)
            if (world.events[i].text == seenLast_) {
                fresh = count - 1 - i;
                break;
            }
    }
    seenCount_ = count, seenLast_ = last;
    QStringList lines;
    for (std::size_t i = count - std::min(fresh, count); i < count; ++i)
        lines << gametext::render(world.events[i].text);
    announce(lines.join(QStringLiteral(" ")));
}

}  // namespace stratagon
