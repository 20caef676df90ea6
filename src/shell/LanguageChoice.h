// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QComboBox;
class QLabel;

namespace stratagon {

class PlayerSettings;

// "Sprache :" with "Deutsch" and "English", each in its own language. A
// choice shows at once in every open window; `keep` stores it for the next
// start, `revert` goes back to the language the choice began with.
class LanguageChoice : public QWidget {
    Q_OBJECT
public:
    LanguageChoice(PlayerSettings& player, QWidget* parent);

    QComboBox* choice() const { return choice_; }
    void keep();
    void revert();

private:
    PlayerSettings& player_;
    QString atOpening_;
    QLabel* caption_ = nullptr;
    QComboBox* choice_ = nullptr;
};

}  // namespace stratagon
