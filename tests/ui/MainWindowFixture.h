#pragma once

// A small map of its own for the main window and the deployment window:
// nine countries in three rows of three blocks, each block 6 × 4 grid cells
// (102 × 68 pixels) with black borders, sea to the right and below.
//
//   1 Nordwest (A)  2 Nord (B)  3 Nordost (C)
//   4 West (D)      5 Mitte (E) 6 Ost (F)
//   7 Südwest (G)   8 Süd (H)   9 Südost (I)
//
// Neighbours are the blocks left, right, above and below.

#include "TestSupport.h"
#include "mapview/MainWindow.h"
#include "shell/Program.h"
#include "world/Settings.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

namespace stratagon::test {

constexpr int BlockW = 102;
constexpr int BlockH = 68;

struct FixtureCountry {
    const char* name;
    char code;
    std::vector<std::pair<const char*, int>> generals;
};

inline const std::vector<FixtureCountry>& fixtureCountries()
{
    static const std::vector<FixtureCountry> countries = {
        {"Nordwest", 'A', {{"Anna", 10}, {"Bert", 20}, {"Carl", 30}}},
        {"Nord", 'B', {}},
        {"Nordost", 'C', {{"Dora", 5}, {"Emil", 40}}},
        {"West", 'D', {{"Fritz", 12}}},
        {"Mitte", 'E', {{"Gerd", 3}, {"Hans", 4}}},
        {"Ost", 'F', {{"Ines", 6}}},
        {"S\xFC" "dwest", 'G', {{"Jan", 2}}},
        {"S\xFC" "d", 'H', {{"Karl", 8}}},
        {"S\xFC" "dost", 'I', {{"Otto", 7}, {"Paul", 9}}},
    };
    return countries;
}

// The centre of country i (1..9) in picture pixels.
inline QPoint countryCentre(int i)
{
    const int r = (i - 1) / 3;
    const int c = (i - 1) % 3;
    return {c * BlockW + BlockW / 2, r * BlockH + BlockH / 2};
}

inline void writeFixtureMap(const QString& folder)
{
    const auto& countries = fixtureCountries();
    QImage picture(19 * 17, 13 * 17, QImage::Format_RGB32);
    picture.fill(QColor(90, 150, 220));
    QPainter painter(&picture);
    for (int i = 0; i < 9; ++i) {
        const QRect block((i % 3) * BlockW, (i / 3) * BlockH, BlockW, BlockH);
        painter.fillRect(block, QColor::fromHsv(i * 40, 90, 230));
        painter.setPen(Qt::black);
        painter.drawRect(block.adjusted(0, 0, -1, -1));
    }
    painter.end();
    picture.save(folder + "/cards/Afrika.bmp", "BMP");

    QByteArray text = "1\r\n\"Testkarte\"\r\n\"Test\"\r\n9,19,13\r\n\"Testkontinent\"\r\n\"A\"\r\n0,0\r\n";
    for (int i = 1; i <= 9; ++i) {
        const FixtureCountry& country = countries[static_cast<std::size_t>(i - 1)];
        const QPoint seed = countryCentre(i);
        std::vector<int> neighbours;
        if ((i - 1) % 3 > 0)
            neighbours.push_back(i - 1);
        if ((i - 1) % 3 < 2)
            neighbours.push_back(i + 1);
        if (i > 3)
            neighbours.push_back(i - 3);
        if (i <= 6)
            neighbours.push_back(i + 3);
        text += QByteArray("\"") + country.name + "\",\"" + country.code + "\"," +
                QByteArray::number(static_cast<int>(country.generals.size())) + ",0,0,0,0\r\n";
        text += QByteArray::number(seed.x()) + "," + QByteArray::number(seed.y()) + "," +
                QByteArray::number(static_cast<int>(neighbours.size())) + ",0\r\n";
        for (std::size_t k = 0; k < neighbours.size(); ++k)
            text += QByteArray(k ? "," : "") + "\"" +
                    countries[static_cast<std::size_t>(neighbours[k] - 1)].name + "\"";
        text += "\r\n0\r\n";
        for (const auto& [name, ep] : country.generals)
            text += QByteArray("\"") + name + "\"," + QByteArray::number(ep) + ",0\r\n";
    }
    text += "0\r\n";
    for (int row = 1; row <= 12; ++row) {
        QByteArray line;
        for (int column = 1; column <= 18; ++column)
            line += countries[static_cast<std::size_t>(((row - 1) / 4) * 3 + (column - 1) / 6)].code;
        text += "\"" + line + "~\"\r\n";
    }
    text += "\"~\"\r\n";
    QFile file(folder + "/cards/Afrika.mgi");
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(text);
}

// A program on the fixture map, the player on Nordwest, settings read.
inline std::unique_ptr<TestProgram> fixtureProgram(int monthInterval = 1667)
{
    auto t = std::make_unique<TestProgram>();
    QDir().mkpath(t->path("cards"));
    writeFixtureMap(t->folder.path());
    fillStatusTexts(*t->world);
    t->world->monthInterval = monthInterval;
    t->world->aiDivisor = 256;
    t->world->side[0] = 1;
    return t;
}

inline void releaseOnMap(MainWindow& window, QPointF position, Qt::MouseButton button = Qt::LeftButton)
{
    QWidget* map = window.findChild<QWidget*>(QStringLiteral("mapPicture"));
    QMouseEvent release(QEvent::MouseButtonRelease, position, map->mapToGlobal(position), button,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(map, &release);
}

inline void clickCountry(MainWindow& window, int country, Qt::MouseButton button = Qt::LeftButton)
{
    releaseOnMap(window, countryCentre(country), button);
}

// Runs the deletions that closing windows left behind.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace stratagon::test
