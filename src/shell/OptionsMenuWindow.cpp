// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionsMenuWindow.h"

#include "platform/Dialogs.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace stratagon {

namespace {

QPushButton* menuButton(QWidget* parent, int y, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(88, y, 129, 17);
    // Enter on the focused button presses it, as the focus timer promises.
    button->setAutoDefault(true);
    return button;
}

QLabel* icon(QWidget* parent, const QString& path, int x, int y)
{
    auto* label = new QLabel(parent);
    label->setGeometry(x, y, 49, 41);
    label->setScaledContents(true);
    label->setPixmap(QPixmap(path));
    return label;
}

}  // namespace

OptionsMenuWindow::OptionsMenuWindow(GameSession& session, Dialogs& dialogs,
                                     const std::function<QString(const QString&)>& resource, QWidget* game)
    : DialogWindow(game, Qt::WindowModal), session_(session), dialogs_(dialogs)
{
    useCompactFont(*this);
    setFixedSize(312, 289);
    useDarkGreenBackground(*this);

    titleLabel_ = new QLabel(this);
    titleLabel_->setGeometry(8, 8, 137, 17);
    QFont bold = titleLabel_->font();
    bold.setBold(true);
    titleLabel_->setFont(bold);
    stateLabel_ = new QLabel(this);
    stateLabel_->setGeometry(248, 8, 57, 17);

    startButton_ = menuButton(this, 56, "startButton");
    QPushButton* settings = menuButton(this, 80, "settingsButton");
    abortButton_ = menuButton(this, 104, "abortButton");
    QPushButton* credits = menuButton(this, 128, "creditsButton");
    QPushButton* quit = menuButton(this, 152, "quitButton");
    saveButton_ = menuButton(this, 176, "saveButton");
    QPushButton* load = menuButton(this, 200, "loadButton");
    QPushButton* guide = menuButton(this, 224, "guideButton");

    icon(this, resource(QStringLiteral("data/MenuIcon1.png")), 16, 40);
    icon(this, resource(QStringLiteral("data/MenuIcon2.png")), 248, 120);

    footer_ = new QLabel(this);
    footer_->setObjectName(QStringLiteral("menuFooter"));
    footer_->setGeometry(8, 264, 297, 17);
    footer_->setAlignment(Qt::AlignCenter);

    connect(startButton_, &QPushButton::clicked, this, &OptionsMenuWindow::startClicked);
    connect(settings, &QPushButton::clicked, this, &OptionsMenuWindow::settingsRequested);
    connect(abortButton_, &QPushButton::clicked, this, &OptionsMenuWindow::abortClicked);
    connect(credits, &QPushButton::clicked, this, &OptionsMenuWindow::creditsRequested);
    connect(quit, &QPushButton::clicked, this, &OptionsMenuWindow::quitRequested);
    connect(saveButton_, &QPushButton::clicked, this, [this] {
        if (session_.gameRunning())
            emit saveRequested();
    });
    connect(load, &QPushButton::clicked, this, &OptionsMenuWindow::loadRequested);
    connect(guide, &QPushButton::clicked, this, &OptionsMenuWindow::guideRequested);
    connect(&session_, &GameSession::phaseChanged, this, &OptionsMenuWindow::reload);

    // Once per creation: a little later the start button takes the focus.
    focusTimer_ = new QTimer(this);
    focusTimer_->setSingleShot(true);
    focusTimer_->setInterval(100);
    connect(focusTimer_, &QTimer::timeout, this, [this] { startButton_->setFocus(Qt::OtherFocusReason); });
    focusTimer_->start();
    startButton_->setFocus();

    followLanguage(this, [=, this] {
        setWindowTitle(tr("Optionsmenü "));
        describe();
        settings->setText(tr("Optionen"));
        abortButton_->setText(tr("Spiel abbrechen"));
        credits->setText(tr("Credits"));
        quit->setText(tr("Beenden"));
        saveButton_->setText(tr("Spiel speichern"));
        load->setText(tr("Spiel laden"));
        guide->setText(tr("Einführung"));
        guide->setToolTip(tr("Ein kurzes geführtes Spiel, das dir die ersten Schritte zeigt"));
        footer_->setText(notice_.isEmpty() ? tr("Ein Kontinent, ein Feldherr: Viel Erfolg !") : notice_);
        showStateTexts();
    });

    centreOver(*this, game);

    reload();
}

void OptionsMenuWindow::showStateTexts()
{
    const bool playing = session_.gameRunning();
    titleLabel_->setText(tr("Stratagon Optionsmenü"));
    stateLabel_->setText(playing ? tr("Spielpause") : tr("Spielstart"));
    startButton_->setText(playing ? tr("Zurück zum Spiel") : tr("Spiel starten"));
}

void OptionsMenuWindow::reload()
{
    // A menu on its way out holds nothing, whatever the game does next.
    if (closingHandled_) {
        hold_.release();
        return;
    }
    const bool playing = session_.gameRunning();
    saveButton_->setEnabled(playing);
    if (!playing)
        hold_.release();
    else if (!hold_.holding())
        hold_ = session_.hold();
    abortButton_->setEnabled(playing);
    showStateTexts();
}

void OptionsMenuWindow::showNotice(const QString& text)
{
    notice_ = footer_->fontMetrics().elidedText(text, Qt::ElideMiddle, footer_->width());
    footer_->setText(notice_);
    footer_->setToolTip(text);
    describe();
}

void OptionsMenuWindow::describe()
{
    // Heard as well: the footer changes where the player's focus is not.
    // The menu says its description when it has the keys again after the
    // window that saved, so the notice (whole, as in the footer's tooltip)
    // goes first in it.
    const QString description =
        tr("Starte ein neues Spiel, lade oder speichere eines, stell das Spiel ein oder beende es.");
    const QString notice = footer_->toolTip();
    setAccessibleDescription(notice.isEmpty() ? description : notice + QStringLiteral(". ") + description);
}

QString OptionsMenuWindow::notice() const { return notice_; }

void OptionsMenuWindow::dismiss()
{
    closingHandled_ = true;
    hold_.release();
    close();
}

void OptionsMenuWindow::startClicked()
{
    if (session_.gameRunning())
        emit resumeRequested();
    else
        emit newGameRequested();
}

void OptionsMenuWindow::abortClicked()
{
    const Answer answer = dialogs_.questionWithCancel(
        this, tr("Wollen sie diese 'Mission' neu starten ?"), QStringLiteral("Stratagon !"),  // name
        {tr("Neu starten"), tr("Aufgeben"), tr("Zurück zum Spiel")});
    if (answer == Answer::Yes)
        emit restartRequested();
    else if (answer == Answer::No || !session_.gameRunning())
        emit giveUpRequested();
    else
        emit resumeRequested();
}

void OptionsMenuWindow::reject()
{
    if (session_.gameRunning())
        emit resumeRequested();
}

bool OptionsMenuWindow::offerGuidance()
{
    return dialogs_.question(this, tr("Möchtest du eine kurze Einführung spielen?"), tr("Einführung"));
}

void OptionsMenuWindow::closeEvent(QCloseEvent* event)
{
    // Closed by the frame: a paused game goes on, before a game the program ends.
    if (!closingHandled_) {
        closingHandled_ = true;
        hold_.release();
        if (session_.gameRunning())
            emit resumeRequested();
        else
            emit quitRequested();
    }
    hold_.release();
    DialogWindow::closeEvent(event);
}

}  // namespace stratagon
