// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SoundSettingsBox.h"

#include "platform/Retranslate.h"
#include "shell/PlayerSettings.h"
#include "sound/SoundPlayer.h"
#include "storage/Preferences.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>

namespace stratagon {

SoundSettingsBox::SoundSettingsBox(PlayerSettings& player, QWidget* parent) : QWidget(parent), player_(player)
{
    auto* soundHeading = new QLabel(this);
    soundHeading->setGeometry(16, 0, 80, 22);
    soundChoice_ = new QComboBox(this);
    soundChoice_->setObjectName(QStringLiteral("soundChoice"));
    soundChoice_->addItems({QString(), QString()});
    soundChoice_->setGeometry(104, 0, 137, 22);
    soundHeading->setBuddy(soundChoice_);

    auto* volumeHeading = new QLabel(this);
    volumeHeading->setGeometry(16, 30, 84, 22);
    volumeSlider_ = new QSlider(Qt::Horizontal, this);
    volumeSlider_->setObjectName(QStringLiteral("volumeSlider"));
    volumeSlider_->setRange(0, 100);
    volumeSlider_->setPageStep(10);
    volumeSlider_->setGeometry(104, 30, 150, 22);
    volumeHeading->setBuddy(volumeSlider_);
    volumeValue_ = new QLabel(this);
    volumeValue_->setGeometry(260, 30, 40, 22);

    followLanguage(this, [this, soundHeading, volumeHeading] {
        soundHeading->setText(tr("Ton :"));
        soundChoice_->setItemText(0, tr("An"));
        soundChoice_->setItemText(1, tr("Aus"));
        soundChoice_->setAccessibleName(tr("Ton"));
        volumeHeading->setText(tr("Lautstärke :"));
        volumeSlider_->setAccessibleName(tr("Lautstärke"));
    });

    const Preferences& kept = player_.preferences();
    soundChoice_->setCurrentIndex(kept.soundEnabled() ? 0 : 1);
    volumeSlider_->setValue(kept.soundVolume());
    volumeValue_->setNum(volumeSlider_->value());

    connect(soundChoice_, &QComboBox::currentIndexChanged, this, &SoundSettingsBox::apply);
    connect(volumeSlider_, &QSlider::valueChanged, this, [this](int percent) {
        volumeValue_->setNum(percent);
        apply();
    });
    // A sample at the level just chosen, once the slider is let go.
    connect(volumeSlider_, &QSlider::sliderReleased, this, [this] { player_.sound().play(SoundCue::Promotion); });
}

void SoundSettingsBox::apply()
{
    SoundPlayer& sound = player_.sound();
    sound.setEnabled(soundChoice_->currentIndex() == 0);
    sound.setVolume(volumeSlider_->value());
}

void SoundSettingsBox::store()
{
    apply();
    player_.preferences().setSoundEnabled(soundChoice_->currentIndex() == 0);
    player_.preferences().setSoundVolume(volumeSlider_->value());
}

void SoundSettingsBox::restore()
{
    SoundPlayer& sound = player_.sound();
    sound.setEnabled(player_.preferences().soundEnabled());
    sound.setVolume(player_.preferences().soundVolume());
}

}  // namespace stratagon
