// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/WindowLayout.h"

#include "mapview/BattlePanel.h"
#include "mapview/ControlStrip.h"
#include "mapview/InfoPanel.h"
#include "mapview/MapSurface.h"
#include "mapview/MapView.h"
#include "platform/WindowFit.h"
#include "platform/KeyboardAccess.h"
#include "storage/Preferences.h"

#include <QEvent>
#include <QLayout>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace stratagon {

namespace {

// Calls `changed` when the window's font changes: the text size was set.
class FontWatch : public QObject {
public:
    FontWatch(QWidget& window, std::function<void()> changed) : QObject(&window), changed_(std::move(changed))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if ((event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange) &&
            watched == parent())
            changed_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> changed_;
};

}  // namespace

WindowLayout::WindowLayout(QWidget& window, const MapSurface& map, Preferences& preferences)
    : window_(window), map_(map), preferences_(preferences), twips_{twipsPerPixelAt(window.logicalDpiX())},
      textScale_(textSizePercent() / 100.0)
{
}

void WindowLayout::setControls(const Controls& controls)
{
    c_ = controls;
    place();
    // Ctrl + Plus / Minus zoom by a step, Ctrl + 0 to 100 % or the fit.
    const auto zoomKey = [this](const QKeySequence& keys, int steps) {
        auto* key = new QShortcut(keys, &window_);
        QObject::connect(key, &QShortcut::activated, &window_, [this, steps] { steps ? zoomBy(steps) : zoomToFit(); });
    };
    zoomKey(QKeySequence::ZoomIn, 1);
    zoomKey(QKeySequence(Qt::CTRL | Qt::Key_Equal), 1);
    zoomKey(QKeySequence::ZoomOut, -1);
    zoomKey(QKeySequence(Qt::CTRL | Qt::Key_0), 0);
    new FrameWatch(window_, [this](const QMargins& frame) { frameKnown(frame); });
    new FontWatch(window_, [this] { textSizeChanged(); });
}

void WindowLayout::textSizeChanged()
{
    if (textScale_ == textSizePercent() / 100.0)
        return;
    textScale_ = textSizePercent() / 100.0;
    infoTextWidth_ = c_.info->widestText();
    if (map_.isNull()) {
        place();
        return;
    }
    // The player's zoom where the screen still holds it, else the largest map that fits.
    const QRect free = availableArea(window_);
    const QMargins frame = expectedFrame(window_);
    const int zoom = preferences_.zoomPercent();
    applyFit(fitMainWindow(metrics(), free.size(), frame, zoom > 0 ? zoom / 100.0 : scale_));
    window_.move(placedInside(free, window_.size(), frame, window_.pos()));
}

MainLayoutMetrics WindowLayout::metrics() const
{
    return {QSize(std::max(map_.width(), 0), std::max(map_.height(), 0)), twips_.perPixel,
            c_.panels && c_.panels->count() > 0, c_.strip ? static_cast<int>(c_.strip->menuButtons().size()) : 0,
            textScale_, infoTextWidth_};
}

MainLayoutMetrics WindowLayout::laidMetrics() const
{
    MainLayoutMetrics m = metrics();
    if (infoTextCap_ > 0)
        m.infoTextWidth = std::min(m.infoTextWidth, infoTextCap_);
    return m;
}

void WindowLayout::place()
{
    const MainBoxes b = mainBoxes(laidMetrics(), scale_, arrangement_);
    c_.map->setScale(scale_);
    c_.map->move(b.map.topLeft());
    c_.optionsButton->setGeometry(b.optionsButton);
    c_.sideMenuButton->setGeometry(b.sideMenuButton);
    c_.strip->place(b);
    const Twips text = textTwips(metrics());
    c_.info->place(b.infoPanel, b.generalScroll, arrangement_, text);
    c_.line->setGeometry(b.line);
    c_.battle->place(b.battlePanel, b.battleScroll, arrangement_, text);
    c_.panelArea->setGeometry(b.extraPanels);
    c_.panelArea->setVisible(!b.extraPanels.isEmpty());

    statusTop_ = b.statusTop;
    statusHeight_ = b.statusHeight;
    statusLimit_ = b.statusLimit;
    statusFallbackX_ = std::max(b.map.right(), b.sideMenuButton.right()) + 1 + textTwips(metrics())(design::Margin);
    placeStatus();
}

void WindowLayout::setStatusLeft(int twips)
{
    statusLeft_ = twips;
    placeStatus();
}

void WindowLayout::placeStatus()
{
    // Where the map (smaller than designed, or a narrow one) leaves no room
    // for it beside "Seitenmenü >", the label moves right of the map, keeping
    // the pause toggle's step.
    const Twips text = textTwips(metrics());
    int x = text(statusLeft_);
    if (x + text(design::StatusWidth) > statusLimit_)
        x = statusFallbackX_ + x - text(design::StatusLeft);
    c_.status->setGeometry(x, statusTop_, text(design::StatusWidth), statusHeight_);
}

QSize WindowLayout::windowSizeFor(double scale, Arrangement arrangement) const
{
    const QSize content = mainContentSize(laidMetrics(), scale, arrangement);
    return {std::max(content.width() - sideCut_, c_.sideMenuButton->width()), content.height()};
}

void WindowLayout::applyFit(const MainFit& fit)
{
    scale_ = fit.scale;
    arrangement_ = fit.arrangement;
    infoTextCap_ = fit.infoTextCap;
    place();
    window_.resize(windowSizeFor(scale_, arrangement_));
}

void WindowLayout::fitNewMap()
{
    // The design's layout where the screen holds it, else the largest map
    // that fits, up to the player's zoom: the same for every game on a map.
    infoTextWidth_ = c_.info->widestText();
    fitToScreen(!fitted_);
    fitted_ = true;
}

void WindowLayout::fitToScreen(bool restoreKept)
{
    const QRect free = availableArea(window_);
    const QMargins frame = expectedFrame(window_);
    // The kept zoom (else 100 %), or less where this screen cannot hold it.
    const int zoom = preferences_.zoomPercent();
    const double limit = zoom > 0 ? zoom / 100.0 : 1.0;
    applyFit(fitMainWindow(metrics(), free.size(), frame, limit));
    // Made again once the real frame is known, unless the player changes the window first.
    fitLimit_ = window_.isVisible() ? 0 : limit;
    // Centred, the whole frame on the screen.
    window_.move(centredIn(free, window_.size(), frame));
    // Where the window last stood, as far as this screen holds it; its size
    // is the map's, so that every game on a map looks as the first one did.
    const QByteArray kept = restoreKept ? preferences_.mainWindowGeometry() : QByteArray();
    if (!kept.isEmpty()) {
        const QSize fitted = window_.size();
        const QPoint centred = window_.pos();
        const bool restored = window_.restoreGeometry(kept) && !window_.isMaximized() && !window_.isFullScreen();
        if (!restored)
            window_.setWindowState(Qt::WindowNoState);
        window_.resize(fitted);
        window_.move(restored ? placedInside(free, fitted, frame, window_.pos()) : centred);
    }
}

void WindowLayout::frameKnown(const QMargins& frame)
{
    const QRect free = availableArea(window_);
    if (map_.isNull())
        return;
    // A fit made with an expected frame is made again with the real one.
    if (fitLimit_ > 0) {
        applyFit(fitMainWindow(metrics(), free.size(), frame, std::exchange(fitLimit_, 0.0)));
        window_.move(centredIn(free, window_.size(), frame));
        return;
    }
    // Otherwise only a frame larger than expected counts: the map shrinks
    // until the whole frame fits again.
    if (free.contains(QRect(window_.pos(), window_.size().grownBy(frame))))
        return;
    const MainFit fit = fitMainWindow(metrics(), free.size(), frame, scale_);
    if (fit.scale < scale_ || fit.arrangement != arrangement_)
        applyFit(fit);
    window_.move(placedInside(free, window_.size(), frame, window_.pos()));
}

void WindowLayout::resized()
{
    if (map_.isNull())
        return;
    // A size the layout asked for needs nothing; any other (the frame, the
    // window system) gets the largest map that fits it.
    const QSize content = window_.size() + QSize(sideCut_, 0);
    if (content == mainContentSize(laidMetrics(), scale_, arrangement_))
        return;
    fitLimit_ = 0;  // the player's size stays
    const MainFit fit = fitMainWindow(metrics(), content, {}, MaxMapScale);
    if (fit.scale != scale_ || fit.arrangement != arrangement_) {
        scale_ = fit.scale;
        arrangement_ = fit.arrangement;
        place();
    }
}

void WindowLayout::zoomBy(int steps) { zoomTo(std::round(scale_ * 10.0) / 10.0 + steps * MapScaleStep); }

void WindowLayout::zoomTo(double scale)
{
    if (map_.isNull())
        return;
    const double s = std::clamp(std::round(scale * 10.0) / 10.0, MinMapScale, MaxMapScale);
    fitLimit_ = 0;
    const QRect free = availableArea(window_);
    const QMargins frame = expectedFrame(window_);
    applyFit({s, arrangementFor(metrics(), free.size(), frame, s)});
    // As much of the window on the screen as it holds, the title bar always.
    window_.move(placedInside(free, window_.size(), frame, window_.pos()));
    // The player's zoom is the limit of every later fit.
    preferences_.setZoomPercent(static_cast<int>(std::lround(scale_ * 100)));
    keepPreferences();
}

void WindowLayout::zoomToFit()
{
    if (map_.isNull())
        return;
    const QRect free = availableArea(window_);
    const QMargins frame = expectedFrame(window_);
    applyFit(fitMainWindow(metrics(), free.size(), frame, 1.0));
    window_.move(placedInside(free, window_.size(), frame, window_.pos()));
    // The design's size wherever the screen holds it, also for later maps.
    preferences_.setZoomPercent(100);
    keepPreferences();
}

void WindowLayout::keepPreferences() { preferences_.setMainWindowGeometry(window_.saveGeometry()); }

void WindowLayout::panelAdded()
{
    if (!map_.isNull())
        applyFit({scale_, arrangementFor(metrics(), availableArea(window_).size(), expectedFrame(window_), scale_)});
    else
        place();
}

void WindowLayout::sideButtonAdded()
{
    place();
    if (!map_.isNull()) {
        const QSize size = windowSizeFor(scale_, arrangement_);
        window_.resize(size.width(), std::max(window_.height(), size.height()));
    }
}

void WindowLayout::sideMenuToggled(bool open, int step)
{
    sideCut_ += open ? -step : step;
    // Never narrower than the button itself, however often it narrows.
    const int content = mainContentSize(laidMetrics(), scale_, arrangement_).width();
    sideCut_ = std::min(sideCut_, content - step);
    window_.resize(content - sideCut_, window_.height());
}

}  // namespace stratagon
