// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QString>
#include "platform/DialogWindow.h"
#include <utility>
#include <vector>

class QTimer;

namespace stratagon {

class ImageStore;

// The endless scroll of logo and credits, over the options menu; a click,
// Escape, Return or Space closes it.
class CreditsWindow : public DialogWindow {
    Q_OBJECT
public:
    // The logo comes from `logoFile` into the program's picture store.
    CreditsWindow(ImageStore& images, const QString& logoFile, QWidget* menu);

    // One frame: clear, move up 3 pixels, draw logo and text, show it.
    void tick();

    float scrollY() const { return scrollY_; }
    double fontSize() const { return pointSize_; }
    const QImage& frame() const { return frame_; }
    QTimer* tickTimer() const { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct SizedFont {
        QFont font;
        QFontMetrics metrics;
    };
    const SizedFont& fontFor(double pointSize);
    void printCentred(QPainter& painter, const QString& text);

    ImageStore& images_;
    QTimer* timer_ = nullptr;
    QImage frame_;
    float scrollY_ = 0;
    double pointSize_ = 14.25;  // stays in force from one tick to the next
    int lineY_ = 0;
    std::vector<std::pair<double, SizedFont>> fonts_;
    // The lines in the current language.
    std::vector<QString> texts_;
};

}  // namespace stratagon
