// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>
#include <QString>

namespace stratagon {

class MapView;
struct WorldState;

// The map by keyboard: the country the keys stand on (the focus country),
// moved by the arrow keys to the neighbour in that direction and by typed
// letters to a country by name; Return asks for the country as a click on
// it would. The focus country is outlined on the view and is the map's
// accessible focus, so that a screen reader speaks every move. Other keys
// (Space, + and -) go on to the window.
class MapFocus : public QObject {
    Q_OBJECT
public:
    MapFocus(const WorldState& world, MapView& view);

    int country() const { return country_; }
    // Stands on a country (the player's home country at a game's start).
    void moveTo(int country);
    // Stands on the country and gives the map the keyboard.
    void takeKeys(int country);

    // For the screen reader: the country's name, and its holder, whether it
    // is fought over, and the player's best chance where he may attack.
    QString name(int country) const;
    QString description(int country) const;
    int countryCount() const;
    QPoint seedOf(int country) const;

signals:
    // Return on the focus country.
    void activated(int country);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool typeLetters(const QString& text);
    void announceFocus();

    const WorldState& world_;
    MapView& view_;
    int country_ = 0;
    QString typed_;
    QElapsedTimer sinceTyped_;
};

}  // namespace stratagon
