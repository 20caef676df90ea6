// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/ControlStrip.h"

#include "mapview/MainKeys.h"
#include "mapview/PanelParts.h"
#include "platform/Retranslate.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace stratagon {

ControlStrip::ControlStrip(const std::function<QString(const QString&)>& dataPath, QWidget* parent)
    : QWidget(parent), dataPath_(dataPath)
{
    setObjectName(QStringLiteral("controlStrip"));
    generals_ = makeButton(this, QString(), "generalsButton", QString());
    report_ = makeButton(this, QString(), "reportButton", QString());
    menu_.push_back(report_);

    mode_ = new QToolButton(this);
    mode_->setObjectName(QStringLiteral("modeButton"));
    mode_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    mode_->setIconSize(QSize(32, 32));

    pause_ = new QToolButton(this);
    pause_->setObjectName(QStringLiteral("pauseButton"));
    pause_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    pause_->setIconSize(QSize(40, 40));
    // Reached by Tab; a click leaves the keys where they were.
    mode_->setFocusPolicy(Qt::TabFocus);
    pause_->setFocusPolicy(Qt::TabFocus);
    bindKeys(*this, {{generals_, Qt::Key_F2}, {report_, Qt::Key_F3}, {mode_, Qt::Key_F5}});

    decoration_ = new QLabel(this);
    decoration_->setObjectName(QStringLiteral("decoration"));
    decoration_->setAlignment(Qt::AlignCenter);
    const QPixmap logo(dataPath_(QStringLiteral("data/Stratagon.png")));
    if (!logo.isNull())
        decoration_->setPixmap(logo.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    decoration_->setVisible(!logo.isNull());

    followLanguage(this, [this] {
        generals_->setText(tr("Generäle"));
        generals_->setToolTip(tr("Die Generalliste: Generäle einstellen, entlassen und ihnen Aufgaben geben"));
        report_->setText(tr("Bilanz"));
        report_->setToolTip(tr("Die Bilanz des Spiels bis jetzt"));
        mode_->setToolTip(tr("Modus wechseln: in der Schlacht greift ein Klick auf ein Nachbarland an, "
                             "im Info-Modus zeigt er nur das Land"));
        showMode(battle_);
        showPauseState(paused_);
    });
}

QPushButton* ControlStrip::addMenuButton(const QString& text, const QString& objectName, bool visible)
{
    QPushButton* button = makeButton(this, text, "", {});
    button->setObjectName(objectName);
    button->setVisible(visible);
    menu_.push_back(button);
    return button;
}

void ControlStrip::setMenuOpen(bool open)
{
    generals_->setVisible(open);
    for (QPushButton* button : menu_)
        button->setVisible(open);
}

void ControlStrip::showMode(bool battle)
{
    battle_ = battle;
    mode_->setText(battle ? tr("Modus : Schlacht") : tr("Modus : Info"));
    mode_->setIcon(QIcon(dataPath_(battle ? QStringLiteral("data/Kampf.ico") : QStringLiteral("data/Info.ico"))));
}

void ControlStrip::showPauseState(bool paused)
{
    paused_ = paused;
    pause_->setIcon(paused ? style()->standardIcon(QStyle::SP_MediaPlay)
                           : QIcon(dataPath_(QStringLiteral("data/Pause.png"))));
    pause_->setToolTip(paused ? tr("Weiterspielen (Leertaste)") : tr("Pause (Leertaste)"));
    pause_->setAccessibleName(paused ? tr("Weiterspielen") : tr("Pause"));
}

void ControlStrip::place(const MainBoxes& b)
{
    std::vector<std::pair<QWidget*, QRect>> boxes{{generals_, b.generalsButton}};
    for (std::size_t i = 0; i < menu_.size() && i < b.sideButtons.size(); ++i)
        boxes.emplace_back(menu_[i], b.sideButtons[i]);
    boxes.emplace_back(mode_, b.modeButton);
    boxes.emplace_back(pause_, b.pauseButton);
    boxes.emplace_back(decoration_, b.decoration);
    placeInPanel(*this, boxes);
}

}  // namespace stratagon
