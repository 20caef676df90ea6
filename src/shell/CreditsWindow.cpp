// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CreditsWindow.h"

#include "shell/ImageStore.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <array>
#include <cmath>

namespace stratagon {

namespace {

constexpr int clientWidth = 524;
constexpr int clientHeight = 395;
constexpr int logoSlot = 1;

struct CreditLine {
    double size;  // 0: keep the size in force
    const char* text;
};

const std::array<CreditLine, 26> creditLines{{
    {0, ""},
    {0, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "präsentiert")},
    {0, ""},
    {28, "Stratagon!"},
    {14, ""},
    {14, ""},
    {20, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Programmierung")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Das Stratagon-Team")},
    {14, ""},
    {20, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Die nicht vorhandene Grafik")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Das Stratagon-Team")},
    {14, ""},
    {20, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Sound&Musik")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "gibbet net :D")},
    {14, ""},
    {20, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Tester")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Die Testreihe des Teams")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Die Spieler der ersten Stunde")},
    {14, ""},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Besten Dank an euch beiden :)")},
    {14, ""},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Besucht uns im Internet")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Made with Natural Earth")},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Fenster und Grafik: Qt 6")},
    {14, ""},
    {14, QT_TRANSLATE_NOOP("stratagon::CreditsWindow", "Danke fürs Spielen!")},
}};

QFont creditsFont(double pointSize)
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);  // the nearest the system has
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

CreditsWindow::CreditsWindow(ImageStore& images, const QString& logoFile, QWidget* menu)
    : DialogWindow(menu, Qt::WindowModal), images_(images), frame_(clientWidth, clientHeight, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    texts_.resize(creditLines.size());
    followLanguage(this, [this] {
        setWindowTitle(QString(52, QLatin1Char(' ')) + tr("Credits"));
        for (std::size_t i = 0; i < creditLines.size(); ++i)
            texts_[i] = *creditLines[i].text ? tr(creditLines[i].text) : QString();
        // The scrolling picture as text, said when the window opens.
        QStringList lines;
        // The game's name stands in the logo above; the lines are said under it.
        for (const QString& text : texts_)
            if (!text.trimmed().isEmpty() && text.trimmed() != QLatin1String("Stratagon!"))
                lines << text.trimmed();
        setAccessibleDescription(lines.join(QLatin1Char('\n')));
    });
    setFixedSize(clientWidth, clientHeight);
    centreOver(*this, menu);

    frame_.fill(Qt::black);
    scrollY_ = clientHeight;

    if (images_.imageSlotCount() < logoSlot)
        images_.addImageSlot();
    images_.loadImageSlot(logoSlot, logoFile);

    timer_ = new QTimer(this);
    timer_->setInterval(20);
    connect(timer_, &QTimer::timeout, this, &CreditsWindow::tick);
    timer_->start();
}

void CreditsWindow::tick()
{
    QPainter painter(&frame_);
    painter.fillRect(frame_.rect(), Qt::black);
    scrollY_ -= 3;

    const QImage& logo = images_.imageSlotDC(logoSlot);
    if (!logo.isNull()) {
        const int x = static_cast<int>(std::lround((clientWidth - logo.width()) / 2.0));
        painter.drawImage(QPoint(x, static_cast<int>(scrollY_)), logo);
    }

    lineY_ = static_cast<int>(scrollY_) + logo.height();
    painter.setPen(QColor(0, 128, 0));
    for (std::size_t i = 0; i < creditLines.size(); ++i) {
        if (creditLines[i].size > 0)
            pointSize_ = creditLines[i].size;
        printCentred(painter, texts_[i]);
    }
    painter.end();

    if (scrollY_ < -1000)
        scrollY_ = clientHeight;
    update();
}

void CreditsWindow::printCentred(QPainter& painter, const QString& text)
{
    const SizedFont& sized = fontFor(pointSize_);
    const QFontMetrics& metrics = sized.metrics;
    if (!text.isEmpty()) {
        painter.setFont(sized.font);
        const int x = (clientWidth - metrics.horizontalAdvance(text)) / 2;
        painter.drawText(x, lineY_ + metrics.ascent(), text);
    }
    lineY_ += metrics.height();
}

const CreditsWindow::SizedFont& CreditsWindow::fontFor(double pointSize)
{
    // A handful of sizes, each built once rather than 26 times a frame.
    for (const auto& [size, sized] : fonts_)
        if (size == pointSize)
            return sized;
    const QFont font = creditsFont(pointSize);
    fonts_.emplace_back(pointSize, SizedFont{font, QFontMetrics(font, &frame_)});
    return fonts_.back().second;
}

void CreditsWindow::paintEvent(QPaintEvent*)
{
    // The whole frame in one step: nothing half-drawn reaches the screen.
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void CreditsWindow::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    close();
}

void CreditsWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        close();
        return;
    default:
        DialogWindow::keyPressEvent(event);
    }
}

}  // namespace stratagon
