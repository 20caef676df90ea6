// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/Announcer.h"

#include "mapview/MapAccess.h"
#include "session/GameText.h"
#include "world/WorldState.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace stratagon {

Announcer::Announcer(QWidget* parent) : QFrame(parent), label_(new QLabel(this))
{
    installAccessibility();
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setObjectName(QStringLiteral("announcement"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    // The frame itself stays nameless: a screen reader then says the label,
    // and its history keeps it.
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    // What comes in the same pass of the event loop is one announcement.
    if (pending_) {
        last_ += QLatin1Char(' ') + text;
        return;
    }
    last_ = text;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        hide();
        label_->setText(last_);
        setGeometry(0, 0, 1, 1);
        show();
        lower();
    });
}

void Announcer::announce(const Text& text)
{
    if (!text.empty())
        announce(gametext::render(text));
}

void Announcer::announceTick(const WorldState& world, const TickReport& report, bool pausedByIt)
{
    takeNoteOfMessages(world);
    Text sentence = news_.tick(world, report);
    if (pausedByIt) {
        Text paused = pausedOnAttackText();
        sentence = sentence.empty() ? std::move(paused)
                                    : joinNews({{NewsWeight::Urgent, std::move(sentence)}, {NewsWeight::Urgent, paused}});
        news_.spoke();
    }
    announce(sentence);
}

void Announcer::takeNoteOfMessages(const WorldState& world)
{
    primed_ = true;
    seenCount_ = world.events.size();
    seenLast_ = world.events.empty() ? Text{} : world.events.back().text;
}

void Announcer::announceNewMessages(const WorldState& world)
{
    const Text last = world.events.empty() ? Text{} : world.events.back().text;
    const std::size_t count = world.events.size();
    if (!primed_) {
        takeNoteOfMessages(world);
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
    takeNoteOfMessages(world);
    QStringList lines;
    for (std::size_t i = count - std::min(fresh, count); i < count; ++i)
        lines << gametext::render(world.events[i].text);
    announce(lines.join(QStringLiteral(" ")));
    news_.spoke();
}

QAccessibleInterface* announcerInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("stratagon::Announcer") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace stratagon
