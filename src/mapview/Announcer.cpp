// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/Announcer.h"

#include "mapview/MapAccess.h"
#include "session/GameText.h"
#include "world/WorldState.h"

#include <QAccessibleWidget>
#include <QDateTime>
#include <QLoggingCategory>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace stratagon {

namespace {
// Off unless asked for (QT_LOGGING_RULES="stratagon.announce.info=true"): when
// each tick's news came and when it was shown, in epoch milliseconds, to lay
// beside a screen reader's transcript.
Q_LOGGING_CATEGORY(announceLog, "stratagon.announce", QtWarningMsg)
}  // namespace

Announcer::Announcer(QWidget* parent) : QFrame(parent), notice_(new QFrame(this)), label_(new QLabel(notice_))
{
    installAccessibility();
    setObjectName(QStringLiteral("announcer-bar"));
    notice_->setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    label_->setObjectName(QStringLiteral("announcement"));
    auto* layout = new QVBoxLayout(notice_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    // The notice itself stays nameless: a screen reader then says the label,
    // and its history keeps it. Inside a status bar the screen reader says
    // the text alone, without first naming the role ("Benachrichtigung"),
    // which took longer to say than most news.
    setGeometry(0, 0, 1, 1);
    notice_->setGeometry(0, 0, 1, 1);
    notice_->hide();
    show();
    lower();
}

void Announcer::announce(const QString& text)
{
    if (text.isEmpty())
        return;
    // What comes in the same pass of the event loop is one announcement.
    if (pending_) {
        // Joined as sentences: a label's text ("Spiel pausiert") has no full stop.
        if (!last_.isEmpty() && !QStringLiteral(".!?:").contains(last_.back()))
            last_ += QLatin1Char('.');
        last_ += QLatin1Char(' ') + text;
        return;
    }
    last_ = text;
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        notice_->hide();
        label_->setText(last_);
        setGeometry(0, 0, 1, 1);
        notice_->show();
        lower();
        qCInfo(announceLog).noquote() << "shown" << QDateTime::currentMSecsSinceEpoch() << last_;
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
    if (announceLog().isInfoEnabled()) {
        QStringList items;
        for (const NewsItem& item : tickNews(world, report, news_.level()))
            items << gametext::render(joinNews({item}));
        if (!items.isEmpty() || report.outcome != GameOutcome::Running)
            qCInfo(announceLog).noquote() << (report.outcome == GameOutcome::Running ? "tick" : "end")
                                          << QDateTime::currentMSecsSinceEpoch() << world.tickCount
                                          << items.join(QStringLiteral(" | "));
    }
    Text sentence = news_.tick(world, report);
    if (pausedByIt) {
        Text paused = pausedOnAttackText();
        sentence = sentence.empty() ? std::move(paused) : sentences({std::move(sentence), paused});
    }
    if (!sentence.empty())
        sayNews(world, gametext::render(sentence));
}

void Announcer::sayNews(const WorldState& world, const QString& said)
{
    announce(said);
    news_.spoke();
    news_.saying(ticksToSay(world, static_cast<int>(said.size())));
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
    sayNews(world, lines.join(QStringLiteral(" ")));
}

QAccessibleInterface* announcerInterface(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("stratagon::Announcer"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::StatusBar);
    if (className == QLatin1String("QFrame") && object->objectName() == QLatin1String("announcer") &&
        qobject_cast<Announcer*>(object->parent()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

}  // namespace stratagon
