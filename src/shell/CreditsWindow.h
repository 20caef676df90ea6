// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class QTimer;

namespace stratagon {

class Program;

// The endless scroll of logo and credits; a click closes it.
class CreditsWindow : public QWidget {
    Q_OBJECT
public:
    explicit CreditsWindow(Program& program);

    // One frame: clear, move up 3 pixels, draw logo and text, show it.
    void tick();

    float scrollY() const { return scrollY_; }
    double fontSize() const { return pointSize_; }
    const QImage& frame() const { return frame_; }
    QTimer* tickTimer() const { return timer_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct SizedFont {
        QFont font;
        QFontMetrics metrics;
    };
    const SizedFont& fontFor(double pointSize);
    void printCentred(QPainter& painter, const QString& text);

    Program& program_;
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
