#include "platform/WindowStyle.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace stratagon {

void useDarkGreenBackground(QWidget& window)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(0, 128, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void useCompactFont(QWidget& window)
{
    QFont font = window.font();
    font.setPointSize(8);
    font.setStretch(QFont::SemiCondensed);
    window.setFont(font);
}

void centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace stratagon
