// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OptionsMenuWindow.h"

#include "mapview/MainWindow.h"
#include "mapview/MapFocus.h"
#include "platform/Dialogs.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "shell/LoadGameWindow.h"
#include "shell/Program.h"
#include "shell/SaveGames.h"
#include "world/WorldState.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace stratagon {

namespace {

QPushButton* menuButton(QWidget* parent, const QString& text, int y)
{
    auto* button = new QPushButton(text, parent);
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

OptionsMenuWindow::OptionsMenuWindow(Program& program) : program_(program)
{
    setAttribute(Qt::WA_DeleteOnClose);
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

    startButton_ = menuButton(this, QString(), 56);
    settingsButton_ = menuButton(this, QString(), 80);
    abortButton_ = menuButton(this, QString(), 104);
    creditsButton_ = menuButton(this, QString(), 128);
    quitButton_ = menuButton(this, QString(), 152);
    saveButton_ = menuButton(this, QString(), 176);
    saveButton_->setObjectName(QStringLiteral("saveButton"));
    loadButton_ = menuButton(this, QString(), 200);
    loadButton_->setObjectName(QStringLiteral("loadButton"));
    guideButton_ = menuButton(this, QString(), 224);
    guideButton_->setObjectName(QStringLiteral("guideButton"));

    icon(this, program_.path(QStringLiteral("data/MenuIcon1.png")), 16, 40);
    icon(this, program_.path(QStringLiteral("data/MenuIcon2.png")), 248, 120);

    auto* footer = new QLabel(this);
    footer->setGeometry(8, 264, 297, 17);
    footer->setAlignment(Qt::AlignCenter);

    connect(startButton_, &QPushButton::clicked, this, &OptionsMenuWindow::startClicked);
    connect(settingsButton_, &QPushButton::clicked, this, [this] { program_.showSettings(); });
    connect(abortButton_, &QPushButton::clicked, this, &OptionsMenuWindow::abortClicked);
    connect(creditsButton_, &QPushButton::clicked, this, [this] { program_.showCredits(); });
    connect(quitButton_, &QPushButton::clicked, this, &OptionsMenuWindow::quitClicked);
    connect(saveButton_, &QPushButton::clicked, this, &OptionsMenuWindow::saveClicked);
    connect(loadButton_, &QPushButton::clicked, this, &OptionsMenuWindow::loadClicked);
    connect(guideButton_, &QPushButton::clicked, this, &OptionsMenuWindow::startGuidance);

    // Once per creation: a little later the start button takes the focus.
    focusTimer_ = new QTimer(this);
    focusTimer_->setSingleShot(true);
    focusTimer_->setInterval(100);
    connect(focusTimer_, &QTimer::timeout, this, [this] { startButton_->setFocus(Qt::OtherFocusReason); });
    focusTimer_->start();
    startButton_->setFocus();

    followLanguage(this, [this, footer] {
        setWindowTitle(tr("Optionsmenü "));
        settingsButton_->setText(tr("Optionen"));
        abortButton_->setText(tr("Spiel abbrechen"));
        creditsButton_->setText(tr("Credits"));
        quitButton_->setText(tr("Beenden"));
        saveButton_->setText(tr("Spiel speichern"));
        loadButton_->setText(tr("Spiel laden"));
        guideButton_->setText(tr("Einführung"));
        guideButton_->setToolTip(tr("Ein kurzes geführtes Spiel, das dir die ersten Schritte zeigt"));
        footer->setText(tr("Ein Kontinent, ein Feldherr: Viel Erfolg !"));
        showStateTexts();
    });

    centreOnScreen(*this);

    reload();
}

void OptionsMenuWindow::showStateTexts()
{
    titleLabel_->setText(tr("Stratagon Optionsmenü"));
    stateLabel_->setText(program_.playing() ? tr("Spielpause") : tr("Spielstart"));
    startButton_->setText(program_.playing() ? tr("Zurück zum Spiel") : tr("Spiel starten"));
}

void OptionsMenuWindow::reload()
{
    saveButton_->setEnabled(program_.playing());
    if (!program_.playing())
        hold_.release();
    else if (!hold_.holding())
        hold_ = program_.session().hold();
    abortButton_->setEnabled(program_.playing());
    showStateTexts();
}

void OptionsMenuWindow::closeMenu()
{
    closingHandled_ = true;
    close();
}

void OptionsMenuWindow::resumeGame(bool closeSelf)
{
    hold_.release();
    MainWindow* main = program_.mainWindow();
    if (main)
        main->setEnabled(true);
    if (closeSelf)
        closeMenu();
    if (main) {
        main->show();
        main->raise();
        main->activateWindow();
        // The window was disabled and so lost its focus: the keys go back to the map.
        main->mapFocus()->takeKeys(main->mapFocus()->country());
    }
}

void OptionsMenuWindow::startClicked()
{
    if (program_.playing()) {
        resumeGame(true);
    } else {
        closeMenu();
        program_.showNewGame();
    }
}

void OptionsMenuWindow::abortClicked()
{
    MainWindow* main = program_.mainWindow();
    const Answer answer = program_.dialogs.questionWithCancel(this, tr("Wollen sie diese 'Mission' neu starten ?"),
                                                              QStringLiteral("Stratagon !"));  // name
    // Escape or "Abbrechen" is a way back to the paused game; only "Nein" gives it up.
    if (answer == Answer::Cancel && program_.playing())
        return;
    // Restarted or given up, the game is kept in the autosave.
    saveAutomatically(program_, this);
    lastRestartAnswer_ = answer == Answer::Yes;
    if (lastRestartAnswer_ && main) {
        // A fresh game on the same window and the same side.
        program_.world.playing = false;
        closeMenu();
        main->setEnabled(true);
        main->Startat();
        main->show();
        main->raise();
        main->activateWindow();
    } else {
        // The game is given up (or is already over, so nothing is left to
        // restart); `playing` goes first so the main window does not take
        // its closing for the end of a running game.
        program_.world.playing = false;
        if (main)
            main->close();
        reload();
    }
}

void OptionsMenuWindow::quitClicked()
{
    closeMenu();
    program_.quit();
}

void OptionsMenuWindow::saveClicked()
{
    if (!program_.playing())
        return;
    const QString name = askSaveName(program_, this);
    if (!name.isEmpty())
        saveGame(program_, this, name);
}

void OptionsMenuWindow::loadClicked()
{
    LoadGameWindow* window = program_.showLoadGame();
    // A game loaded from here opens in the main window; the menu goes.
    connect(window, &LoadGameWindow::gameLoaded, this, &OptionsMenuWindow::closeMenu, Qt::UniqueConnection);
}

void OptionsMenuWindow::offerGuidance()
{
    const bool yes =
        program_.dialogs.question(this, tr("Möchtest du eine kurze Einführung spielen?"), tr("Einführung"));
    // Asked once: the answer goes into the preferences, which makes them exist.
    program_.preferences().setValue(QStringLiteral("guide/offered"),
                                    yes ? QStringLiteral("ja") : QStringLiteral("nein"));
    if (yes)
        startGuidance();
}

void OptionsMenuWindow::startGuidance()
{
    // The menu's hold on a paused game goes with the menu.
    hold_.release();
    closeMenu();
    program_.startGuidance();
}

void OptionsMenuWindow::closeEvent(QCloseEvent* event)
{
    // Closed by the frame: a paused game goes on, before a game the program ends.
    if (!closingHandled_) {
        closingHandled_ = true;
        if (program_.playing())
            resumeGame(false);
        else
            program_.quit();
    }
    hold_.release();
    event->accept();
}

}  // namespace stratagon
