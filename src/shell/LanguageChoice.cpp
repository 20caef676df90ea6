// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LanguageChoice.h"

#include "platform/Language.h"
#include "platform/Retranslate.h"
#include "shell/PlayerSettings.h"

#include <QComboBox>
#include <QLabel>

namespace stratagon {

LanguageChoice::LanguageChoice(PlayerSettings& player, QWidget* parent)
    : QWidget(parent), player_(player), atOpening_(player.language())
{
    caption_ = new QLabel(this);
    caption_->setGeometry(0, 0, 80, 22);
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("languageChoice"));
    choice_->setGeometry(88, 0, 137, 22);
    // Each language under its own name, so that a reader finds his own.
    const QStringList codes = languages();
    for (const QString& code : codes) {
        const QString own =
            code == QLatin1String("de") ? QStringLiteral("Deutsch") : QStringLiteral("English");  // name
        choice_->addItem(own, code);
    }
    choice_->setCurrentIndex(std::max(0, static_cast<int>(codes.indexOf(atOpening_))));
    // Said with its label, its value as the description (a combo box says one or the other).
    caption_->setBuddy(choice_);
    choice_->setAccessibleDescription(choice_->currentText());
    followLanguage(this, [this] { caption_->setText(tr("Sprache :")); });
    connect(choice_, &QComboBox::currentIndexChanged, this,
            [this] {
                choice_->setAccessibleDescription(choice_->currentText());
                player_.useLanguage(choice_->currentData().toString());
            });
}

void LanguageChoice::keep()
{
    player_.chooseLanguage(choice_->currentData().toString());
    atOpening_ = player_.language();
}

void LanguageChoice::revert()
{
    if (player_.language() != atOpening_)
        player_.useLanguage(atOpening_);
}

}  // namespace stratagon
