#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>
#include <functional>

namespace stratagon {

class MapSurface;

// Shows the map surface at its own pixel size, one picture pixel to one
// device-independent pixel, and reports where the pointer was released.
class MapView : public QWidget {
    Q_OBJECT
public:
    explicit MapView(const MapSurface& surface, QWidget* parent = nullptr);

    // Sizes the view to the picture.
    void fitToSurface();
    // The tooltip text for a position on the picture; empty for none.
    void setToolTipSource(std::function<QString(QPointF)> source) { toolTipSource_ = std::move(source); }

    QSize sizeHint() const override;

signals:
    // Any mouse button, position in picture pixels.
    void released(QPointF position);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const MapSurface& surface_;
    std::function<QString(QPointF)> toolTipSource_;
};

}  // namespace stratagon
