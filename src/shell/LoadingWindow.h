// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace stratagon {

// The frameless start-up picture with "Lade ..." shown while game.dat is read.
class LoadingWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadingWindow(const QString& picturePath);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace stratagon
