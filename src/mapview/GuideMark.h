// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

namespace stratagon {

// An outline over the main window around what a guidance step is about: a
// control, or countries on the map. Black and yellow stripes, so that it
// stands out on light and dark colours alike; it lets every click through.
class GuideMark : public QWidget {
    Q_OBJECT
public:
    explicit GuideMark(QWidget* window);

    // The rectangles to outline, in the window's coordinates; asked at every
    // paint, so that they follow the layout; none hides the mark.
    using Targets = std::function<std::vector<QRect>()>;
    void setTarget(Targets targets);
    // The first of them, or none.
    QRect markedRect() const;
    std::vector<QRect> markedRects() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Targets target_;
};

}  // namespace stratagon
