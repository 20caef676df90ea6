// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// "Gegner :" of the new-game window: how the computer opponents play, for
// all of them ("Gemischt", or one character each) or for each one in a small
// window of its own. Every choice is told at once; the window keeps it.

#include "simulation/Character.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

class QComboBox;

namespace stratagon {

class OpponentCharacterBox : public QWidget {
    Q_OBJECT
public:
    explicit OpponentCharacterBox(QWidget* parent);

    static constexpr int Height = 25;

    void setChoice(const CharacterChoice& choice);
    CharacterChoice choice() const { return choice_; }
    // The opponents the window for each one lists.
    void setOpponentCount(int count);

    QComboBox* combo() const { return combo_; }
    // The window for each opponent while it is open.
    QDialog* eachWindow() const { return each_; }

signals:
    void chosen(const CharacterChoice& choice);

private:
    void activated(int index);
    void openEachWindow();
    void showChoice();

    QComboBox* combo_ = nullptr;
    QPointer<QDialog> each_;
    CharacterChoice choice_;
    int opponents_ = 1;
};

}  // namespace stratagon
