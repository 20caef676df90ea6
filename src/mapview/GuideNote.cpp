// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/GuideNote.h"

#include "mapview/GuidePanel.h"
#include "platform/Retranslate.h"
#include "session/GameSession.h"

namespace stratagon {

GuideNote::GuideNote(GameSession& session, QWidget* parent) : QLabel(parent), session_(session)
{
    setObjectName(QStringLiteral("guideNote"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setMargin(4);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(3);
    QPalette yellow = palette();
    yellow.setColor(QPalette::Window, QColor(255, 214, 0));
    yellow.setColor(QPalette::WindowText, Qt::black);
    setPalette(yellow);
    setAutoFillBackground(true);
    for (const auto signal : {&GameSession::guideChanged, &GameSession::changed})
        connect(&session_, signal, this, &GuideNote::refresh);
    connect(&session_, &GameSession::phaseChanged, this, &GuideNote::refresh);
    connect(&session_, &GameSession::ticked, this, &GuideNote::refresh);
    followLanguage(this, [this] { refresh(); });
}

void GuideNote::refresh()
{
    const QString sentence = session_.gameRunning() ? GuidePanel::sentence(session_) : QString();
    setText(sentence);
    setVisible(!sentence.isEmpty());
}

}  // namespace stratagon
