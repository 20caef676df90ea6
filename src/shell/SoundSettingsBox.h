// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings window's "Ton :" and "Lautstärke :": what the player chooses
// is heard at once; store() keeps it, restore() goes back to what is kept.

#include <QWidget>

class QComboBox;
class QLabel;
class QSlider;

namespace stratagon {

class PlayerSettings;

class SoundSettingsBox : public QWidget {
    Q_OBJECT
public:
    SoundSettingsBox(PlayerSettings& player, QWidget* parent);

    static constexpr int Height = 56;

    QComboBox* soundChoice() const { return soundChoice_; }
    QSlider* volumeSlider() const { return volumeSlider_; }

    void store();
    void restore();

private:
    void apply();

    PlayerSettings& player_;
    QComboBox* soundChoice_ = nullptr;
    QSlider* volumeSlider_ = nullptr;
    QLabel* volumeValue_ = nullptr;
};

}  // namespace stratagon
