// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "world/Text.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace stratagon {

struct WorldState;

// "Meldungen": the game's messages, newest first, each with its date. The
// player's own events are bold, threats also carry a warning sign, so they
// stand out without relying on colour. A message clicked, or chosen by the
// arrow keys and Enter, says which country it names.
class MessagesPanel : public QWidget {
    Q_OBJECT
public:
    explicit MessagesPanel(const WorldState& world, QWidget* parent = nullptr);

    // Shows the world's messages; cheap when nothing new happened.
    void refresh();

    QListWidget* list() const { return list_; }

signals:
    // The country the chosen message names; 0 when it names none.
    void countryChosen(int country);

private:
    const WorldState& world_;
    QListWidget* list_ = nullptr;
    std::size_t shownCount_ = 0;
    Text shownLast_;
};

}  // namespace stratagon
