// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's pictures into assets/data: the mode button's icons, the
// pause icon, the options menu decoration, the start-up picture, the credits
// logo and the application icon. Everything is vector drawing, so a rerun on
// the same fonts gives the same bytes.

#include "ImageFiles.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// One palette for every picture: deep field green, brass gold, parchment.
const QColor kDeep(18, 61, 34);
const QColor kField(38, 105, 56);
const QColor kGold(217, 169, 40);
const QColor kLight(245, 214, 110);
const QColor kCream(244, 236, 208);
const QColor kSteel(226, 228, 220);
const QColor kMenuGreen(0, 128, 0);

// Coastline of the mainland and of Madagascar, longitude/latitude in degrees.
const double kMainland[][2] = {
    {-5.9, 35.8}, {-4.0, 35.2}, {-2.5, 35.1}, {-0.6, 35.7}, {3.0, 36.8}, {7.8, 36.9}, {11.0, 37.1},
    {10.6, 35.8}, {10.8, 34.7}, {10.1, 33.9}, {11.0, 33.4}, {13.2, 32.9}, {15.1, 32.4}, {16.6, 31.2},
    {19.0, 30.3}, {20.1, 32.1}, {21.5, 32.8}, {24.0, 32.1}, {25.2, 31.6}, {29.9, 31.2}, {31.8, 31.5},
    {32.3, 31.3}, {32.5, 29.9}, {33.8, 27.2}, {35.5, 23.9}, {36.9, 22.0}, {37.2, 19.6}, {38.5, 18.0},
    {39.5, 15.6}, {41.0, 14.2}, {42.7, 13.0}, {43.3, 11.9}, {43.5, 11.3}, {45.0, 10.4}, {47.5, 11.2},
    {51.3, 11.8}, {51.4, 10.4}, {50.8, 9.0}, {49.8, 8.0}, {48.5, 5.3}, {46.5, 2.9}, {45.3, 2.0},
    {42.5, -0.4}, {41.0, -2.0}, {39.7, -4.0}, {39.3, -6.8}, {39.5, -8.9}, {40.2, -10.3}, {40.6, -14.5},
    {39.9, -16.2}, {36.9, -17.9}, {34.8, -19.8}, {35.3, -22.0}, {35.5, -23.9}, {33.6, -25.1},
    {32.6, -25.9}, {32.9, -26.9}, {32.1, -28.8}, {31.0, -29.9}, {29.5, -31.6}, {27.9, -33.0},
    {25.6, -34.0}, {22.1, -34.2}, {20.0, -34.8}, {18.5, -34.35}, {17.9, -33.0}, {17.3, -30.5},
    {16.5, -28.6}, {15.2, -26.6}, {14.5, -24.0}, {14.5, -22.9}, {13.4, -20.9}, {12.5, -19.0},
    {11.8, -17.3}, {12.1, -15.2}, {13.4, -12.6}, {13.8, -11.0}, {13.2, -8.8}, {12.3, -6.1}, {11.8, -4.8},
    {10.6, -3.4}, {8.7, -0.7}, {9.4, 0.4}, {9.8, 1.9}, {9.9, 2.9}, {9.5, 4.0}, {8.3, 4.6}, {6.1, 4.3},
    {3.4, 6.4}, {2.4, 6.35}, {1.2, 6.1}, {-0.2, 5.55}, {-2.1, 4.75}, {-4.0, 5.25}, {-7.5, 4.4},
    {-10.8, 6.3}, {-13.2, 8.5}, {-13.7, 9.5}, {-15.0, 10.8}, {-15.6, 11.9}, {-16.7, 12.4},
    {-16.6, 13.5}, {-17.5, 14.7}, {-16.5, 16.0}, {-16.0, 18.1}, {-16.5, 19.5}, {-17.05, 20.8},
    {-16.3, 22.5}, {-15.9, 23.7}, {-14.5, 26.1}, {-12.9, 27.9}, {-11.5, 28.3}, {-10.2, 29.4},
    {-9.6, 30.4}, {-9.8, 31.5}, {-9.2, 32.3}, {-8.5, 33.3}, {-7.6, 33.6}, {-6.8, 34.0}, {-6.2, 35.2},
};
const double kMadagascar[][2] = {
    {49.3, -11.95}, {50.3, -14.9}, {50.5, -15.3}, {49.4, -18.15}, {48.35, -21.2}, {47.8, -22.8},
    {47.0, -25.0}, {45.15, -25.6}, {44.0, -24.9}, {43.65, -23.35}, {43.4, -21.75}, {44.3, -20.3},
    {44.0, -18.0}, {44.5, -16.2}, {46.3, -15.7}, {48.3, -13.4},
};
const QRectF kAfricaBounds(-17.5, -37.1, 51.4 + 17.5, 37.1 + 34.8);  // lon, -lat

// A closed Catmull-Rom curve through the points, so the coast reads as a coast.
template <size_t N>
void addCoast(QPainterPath& path, const double (&pts)[N][2], const QTransform& t)
{
    auto at = [&](long i) {
        const auto& p = pts[(i % long(N) + long(N)) % long(N)];
        return t.map(QPointF(p[0], -p[1]));
    };
    path.moveTo(at(0));
    for (long i = 0; i < long(N); ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
}

// Africa fitted into `box`, centred, keeping its proportions; `squeeze` < 1
// narrows it for pictures that the program stretches sideways.
QPainterPath africa(const QRectF& box, double squeeze = 1.0)
{
    const double scale = std::min(box.width() / (kAfricaBounds.width() * squeeze), box.height() / kAfricaBounds.height());
    const double w = kAfricaBounds.width() * scale * squeeze, h = kAfricaBounds.height() * scale;
    QTransform t;
    t.translate(box.center().x() - w / 2, box.center().y() - h / 2);
    t.scale(scale * squeeze, scale);
    t.translate(-kAfricaBounds.left(), -kAfricaBounds.top());
    QPainterPath path;
    addCoast(path, kMainland, t);
    addCoast(path, kMadagascar, t);
    return path;
}

QPointF africaPoint(const QRectF& box, double lon, double lat)
{
    const double scale = std::min(box.width() / kAfricaBounds.width(), box.height() / kAfricaBounds.height());
    const double w = kAfricaBounds.width() * scale, h = kAfricaBounds.height() * scale;
    return {box.center().x() - w / 2 + (lon - kAfricaBounds.left()) * scale,
            box.center().y() - h / 2 + (-lat - kAfricaBounds.top()) * scale};
}

QImage canvas(int w, int h, QColor fill = Qt::transparent)
{
    QImage img(w, h, fill.alpha() == 255 ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void antialias(QPainter& p)
{
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.setPen(Qt::NoPen);
}

QFont font(const QString& family, double pixels, int weight = QFont::Bold, double spacing = 100)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(pixels))));
    f.setWeight(QFont::Weight(weight));
    f.setLetterSpacing(QFont::PercentageSpacing, spacing);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The round badge all small icons sit on: a gold rim round a deep green disc.
void badge(QPainter& p, double s)
{
    const double rim = std::max(1.0, s * 0.07);
    p.setBrush(kGold);
    p.drawEllipse(QRectF(0.5, 0.5, s - 1, s - 1));
    p.setBrush(kDeep);
    p.drawEllipse(QRectF(0.5 + rim, 0.5 + rim, s - 1 - 2 * rim, s - 1 - 2 * rim));
}

QImage infoIcon(int s)
{
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    badge(p, s);
    // Small sizes snap the stem to whole pixels so it stays sharp.
    const double stem = s <= 16 ? 2.0 : std::round(s * 0.14);
    const double x = std::round((s - stem) / 2);
    p.setBrush(kLight);
    p.drawEllipse(QPointF(x + stem / 2, s * 0.29), stem * 0.62, stem * 0.62);
    p.drawRect(QRectF(x, std::round(s * 0.43), stem, std::round(s * 0.33)));
    if (s >= 24) {  // serifs, where there is room for them
        p.drawRect(QRectF(x - stem * 0.55, std::round(s * 0.43), stem * 0.6, stem * 0.45));
        p.drawRect(QRectF(x - stem * 0.6, std::round(s * 0.76) - stem * 0.45, stem * 2.2, stem * 0.45));
    }
    return img;
}

// One sword pointing up, its blade crossing the origin, in units of the icon size.
void sword(QPainter& p, double s)
{
    const double blade = std::max(2.0, s * 0.1), hilt = s * 0.18;
    QPainterPath b;
    b.moveTo(-blade / 2, hilt);
    b.lineTo(-blade / 2, -s * 0.3);
    b.lineTo(0, -s * 0.38);
    b.lineTo(blade / 2, -s * 0.3);
    b.lineTo(blade / 2, hilt);
    b.closeSubpath();
    p.setBrush(kSteel);
    p.drawPath(b);
    const double guard = std::max(1.6, s * 0.06);
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(-s * 0.11, hilt, s * 0.22, guard), guard / 2, guard / 2);
    p.drawRect(QRectF(-blade * 0.4, hilt + guard, blade * 0.8, s * 0.07));
    const double knob = std::max(1.2, s * 0.045);
    p.setBrush(kLight);
    p.drawEllipse(QPointF(0, hilt + guard + s * 0.07 + knob * 0.5), knob, knob);
}

void crossedSwords(QPainter& p, QPointF c, double s)
{
    for (double angle : {45.0, -45.0}) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        sword(p, s);
        p.restore();
    }
}

QImage swordsIcon(int s)
{
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    badge(p, s);
    crossedSwords(p, QPointF(s / 2.0, s / 2.0), s);
    return img;
}

QImage pauseIcon(int s)
{
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    badge(p, s);
    p.setBrush(kLight);
    const double w = std::round(s * 0.13), h = std::round(s * 0.42), gap = std::round(s * 0.11);
    const double y = std::round((s - h) / 2);
    p.drawRoundedRect(QRectF(s / 2.0 - gap / 2 - w, y, w, h), 1, 1);
    p.drawRoundedRect(QRectF(s / 2.0 + gap / 2, y, w, h), 1, 1);
    return img;
}

// An octagon: the emblem of the logo and the application icon.
QPolygonF octagon(QPointF c, double r)
{
    QPolygonF poly;
    for (int i = 0; i < 8; ++i) {
        const double a = (22.5 + 45.0 * i) * M_PI / 180.0;
        poly << c + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return poly;
}

void fourPointStar(QPainter& p, double len, double width, const QColor& a, const QColor& b)
{
    for (int i = 0; i < 4; ++i) {
        p.setBrush(a);
        p.drawPolygon(QPolygonF() << QPointF(0, -len) << QPointF(-width, -width) << QPointF(0, 0));
        p.setBrush(b);
        p.drawPolygon(QPolygonF() << QPointF(0, -len) << QPointF(width, -width) << QPointF(0, 0));
        p.rotate(90);
    }
}

// The compass rose that marks the house style: a gold star over a pale one.
void compassRose(QPainter& p, QPointF c, double len)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.translate(c);
    fourPointStar(p, len, len * 0.26, kGold, kLight);
    p.rotate(45);
    fourPointStar(p, len * 0.58, len * 0.17, kField.lighter(140), kCream);
    p.restore();
}

// The options menu stretches its 32 x 32 icons to 49 x 41; drawing them
// narrower by that ratio makes them look right where they are shown.
const double kMenuSqueeze = (32.0 / 49.0) / (32.0 / 41.0);

// A compass rose of the map table.
QImage menuCompass()
{
    const int s = 32;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    p.translate(s / 2.0, s / 2.0);
    p.scale(kMenuSqueeze, 1.0);
    p.setBrush(kDeep);
    p.drawEllipse(QPointF(0, 0), 11.5, 11.5);
    p.setPen(QPen(kGold, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 11.5, 11.5);
    p.setPen(Qt::NoPen);
    compassRose(p, QPointF(0, 0), 15.5);
    p.setBrush(kDeep);
    p.drawEllipse(QPointF(0, 0), 1.6, 1.6);
    return img;
}

// The continent on a gold-rimmed shield.
QImage menuAfrica()
{
    const int s = 32;
    QImage img = canvas(s, s);
    QPainter p(&img);
    antialias(p);
    p.translate(s / 2.0, 0);
    p.scale(kMenuSqueeze, 1.0);
    QPainterPath shield;
    shield.moveTo(-14, 2);
    shield.lineTo(14, 2);
    shield.lineTo(14, 14);
    shield.cubicTo(14, 23, 6, 27.5, 0, 30.5);
    shield.cubicTo(-6, 27.5, -14, 23, -14, 14);
    shield.closeSubpath();
    p.setBrush(kDeep);
    p.setPen(QPen(kGold, 1.5));
    p.drawPath(shield);
    p.setPen(Qt::NoPen);
    p.setBrush(kLight);
    p.drawPath(africa(QRectF(-9.5, 5, 19, 20)));
    return img;
}

// The studio logo above "präsentiert": it scrolls over black, so black it is.
QImage logo()
{
    const int w = 300, h = 150;
    QImage img = canvas(w, h, Qt::black);
    QPainter p(&img);
    antialias(p);
    const QPointF c(w / 2.0, 44);
    p.setBrush(kGold);
    p.drawPolygon(octagon(c, 40));
    p.setBrush(kDeep);
    p.drawPolygon(octagon(c, 35));
    p.setPen(QPen(kGold, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(octagon(c, 30));
    p.setPen(Qt::NoPen);
    compassRose(p, c, 26);
    p.setBrush(kDeep);
    p.drawEllipse(c, 3, 3);

    p.setPen(kLight);
    p.setFont(font(QStringLiteral("DejaVu Serif"), 30, QFont::Bold, 106));
    p.drawText(QRectF(0, 88, w, 36), Qt::AlignCenter, QStringLiteral("STRATAGON"));
    p.setPen(QPen(kGold, 1));
    p.drawLine(QPointF(62, 132.5), QPointF(112, 132.5));
    p.drawLine(QPointF(w - 112, 132.5), QPointF(w - 62, 132.5));
    p.setPen(QColor(0, 160, 0));
    p.setFont(font(QStringLiteral("DejaVu Sans"), 12, QFont::Bold, 140));
    p.drawText(QRectF(0, 124, w, 18), Qt::AlignCenter, QStringLiteral("STUDIO"));
    return img;
}

// The start-up picture. The program puts "Lade ..." into the lower left
// corner, so that corner stays dark and empty.
QImage loading()
{
    const int w = 344, h = 217;
    QImage img = canvas(w, h, Qt::black);
    QPainter p(&img);
    antialias(p);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(24, 78, 44));
    sky.setColorAt(1, QColor(8, 30, 17));
    p.fillRect(img.rect(), sky);

    // A faint graticule behind the continent.
    const QRectF map(184, 8, 154, 202);
    p.setPen(QPen(QColor(217, 169, 40, 40), 1));
    for (int lat = -30; lat <= 30; lat += 15)
        p.drawLine(QPointF(map.left() - 20, africaPoint(map, 0, lat).y()), QPointF(w, africaPoint(map, 0, lat).y()));
    for (int lon = -15; lon <= 45; lon += 15)
        p.drawLine(QPointF(africaPoint(map, lon, 0).x(), 0), QPointF(africaPoint(map, lon, 0).x(), h));

    const QPainterPath land = africa(map);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawPath(land.translated(3, 3));
    p.setBrush(kField);
    p.setPen(QPen(kGold, 1.6));
    p.drawPath(land);

    // The two sides of a game: the player's red, the opponent's green.
    const QPointF south = africaPoint(map, 25, -29), north = africaPoint(map, 18, 16);
    QPainterPath route(south);
    route.cubicTo(africaPoint(map, 26, -8), africaPoint(map, 19, 0), north + QPointF(0, 6));
    p.setPen(QPen(kCream, 1.6, Qt::DashLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(route);
    auto pin = [&](QPointF at, const QColor& c) {
        p.setPen(QPen(kCream, 1.5));
        p.setBrush(c);
        p.drawEllipse(at, 5.5, 5.5);
    };
    pin(south, QColor(255, 0, 0));
    pin(north, QColor(0, 255, 0));

    // Title block.
    p.setPen(QColor(0, 0, 0, 140));
    p.setFont(font(QStringLiteral("DejaVu Serif"), 30, QFont::Bold));
    const QRectF title(14, 22, 220, 44);
    p.drawText(title.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Stratagon !"));
    p.setPen(kLight);
    p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Stratagon !"));
    p.setPen(QPen(kGold, 1.2));
    p.drawLine(QPointF(16, 70.5), QPointF(150, 70.5));
    p.setPen(kCream);
    p.setFont(font(QStringLiteral("DejaVu Sans"), 12, QFont::Bold, 110));
    p.drawText(QRectF(16, 76, 200, 18), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Der Kampf um Afrika"));

    // A faint compass rose fills the middle of the left side; below it the
    // corner stays free for the label.
    p.setOpacity(0.35);
    compassRose(p, QPointF(84, 138), 30);
    p.setOpacity(1);

    p.setPen(QPen(kGold, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return img;
}

// Drawn on a 256 px grid and scaled, so every size of the desktop's icon
// theme shows the same picture; below 32 px the swords would only be a smudge.
QImage appIcon(int size = 256)
{
    const int s = 256;
    QImage img = canvas(size, size);
    QPainter p(&img);
    antialias(p);
    p.scale(size / double(s), size / double(s));
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(8, 8, s - 16, s - 16), 44, 44);
    p.setBrush(kDeep);
    p.drawRoundedRect(QRectF(18, 18, s - 36, s - 36), 36, 36);
    const QRectF map(40, 34, 176, 188);
    p.setBrush(kLight);
    p.drawPath(africa(map));
    // The player's pin in the south, and the swords in the empty Atlantic.
    p.setPen(QPen(kDeep, 4));
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(africaPoint(map, 25, -29), 11, 11);
    p.setPen(Qt::NoPen);
    if (size >= 32)
        crossedSwords(p, QPointF(68, 188), 100);
    return img;
}

std::vector<QImage> sizes(QImage (*draw)(int))
{
    std::vector<QImage> out;
    for (int s : {16, 24, 32, 48})
        out.push_back(draw(s));
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(PICTURES_DEFAULT_OUT);
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out));
        return 1;
    }
    const QDir dir(out);
    bool ok = writeIco(sizes(infoIcon), dir.filePath("Info.ico"));
    ok = writeIco(sizes(swordsIcon), dir.filePath("Kampf.ico")) && ok;
    ok = logo().convertToFormat(QImage::Format_RGB888).save(dir.filePath("ZORLogo.bmp"), "BMP") && ok;
    ok = writePng(loading(), dir.filePath("Loading.png")) && ok;
    ok = writePng(menuCompass(), dir.filePath("MenuIcon1.png")) && ok;
    ok = writePng(menuAfrica(), dir.filePath("MenuIcon2.png")) && ok;
    ok = writePng(pauseIcon(32), dir.filePath("Pause.png")) && ok;
    ok = writePng(appIcon(), dir.filePath("Stratagon.png")) && ok;
    // The desktop's icons, one per size of the hicolor theme.
    const QString icons = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(PICTURES_ICONS_OUT);
    ok = QDir().mkpath(icons) && ok;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        ok = writePng(appIcon(size), QDir(icons).filePath(QStringLiteral("%1.png").arg(size))) && ok;
    if (!ok) {
        std::fprintf(stderr, "writing the pictures into %s failed\n", qPrintable(out));
        return 1;
    }
    std::printf("pictures written to %s\n", qPrintable(out));
    return 0;
}
