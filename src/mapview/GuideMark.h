// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>

namespace stratagon {

// An outline over the main window around what a guidance step is about: a
// control, or a country on the map. Black and yellow stripes, so that it
// stands out on light and dark colours alike; it lets every click through.
class GuideMark : public QWidget {
    Q_OBJECT
public:
    explicit GuideMark(QWidget* window);

    // The rectangle to outline, in the window's coordinates; asked at every
    // paint, so that it follows the layout; none hides the mark.
    void setTarget(std::function<QRect()> target);
    QRect markedRect() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<QRect()> target_;
};

}  // namespace stratagon
