// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mapview/AreaScaler.h"

#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>

namespace stratagon {

class MapSurface;

// Shows the map surface at a display scale and reports where the pointer
// was released, in picture pixels. The game paints the surface at its own
// pixel size; only the display scales: smaller by area averaging, so that
// border lines stay visible, larger by whole picture pixels, so that it
// stays sharp at whole-number device pixel ratios.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(const MapSurface& surface, QWidget* parent = nullptr);

    // Sizes the view to the picture at the given display scale (1 = one
    // picture pixel to one device-independent pixel).
    void setScale(double scale);
    double scale() const { return scale_; }
    // Sizes the view to the picture at the current scale.
    void fitToSurface();
    // A position on the view in picture pixels.
    QPointF toPicture(QPointF viewPosition) const;
    // The tooltip text for a position on the picture; empty for none.
    void setToolTipSource(std::function<QString(QPointF)> source) { toolTipSource_ = std::move(source); }

    // The game has drawn on the surface: only the rows that changed since
    // the last call are shown again (on a tick, mostly the date).
    void pictureChanged();

    // The picture as the view shows it on a screen with the given device
    // pixel ratio: averaged down when it is shown smaller, else the surface.
    const QImage& displayedPicture(qreal devicePixelRatio);

    QSize sizeHint() const override;

    // The country the keyboard stands on, outlined on the picture (its area
    // when the surface knows it, else a ring round its seed point); 0 for none.
    void setFocusCountry(int country, QPoint seed);
    int focusCountry() const { return focusCountry_; }
    // The part of the view that shows a country's area; a small box round
    // its seed where the area is unknown.
    QRect countryRect(int country, QPoint seed) const;
    // The country under a point of the view; 0 for none.
    int countryAtView(QPoint viewPosition) const;

signals:
    // Any mouse button, position in picture pixels.
    void released(QPointF position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize scaledSize() const;
    void buildOutline();
    QRect toView(const QRect& pictureBox) const;

    const MapSurface& surface_;
    double scale_ = 1.0;
    AreaScaler scaler_;
    QImage shownBefore_;                // the surface as last shown
    std::vector<uint8_t> changedRows_;  // since the scaled copy was last made
    std::function<QString(QPointF)> toolTipSource_;
    int focusCountry_ = 0;
    QPoint focusSeed_;
    QImage outline_;         // the focus country's outline, over outlineBox_
    QRect outlineBox_;       // in picture pixels
    qint64 outlineFor_ = 0;  // the bitmap the outline was made on
};

}  // namespace stratagon
