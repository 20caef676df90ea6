// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/OpponentCharacterBox.h"

#include "platform/Retranslate.h"
#include "session/GameText.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace stratagon {

namespace {

// The combo's rows: the mix, each character, then the choice for each opponent.
constexpr int MixedRow = 0;
constexpr int EachRow = 1 + CharacterCount;

// A character, or RandomCharacter, as the window for each opponent names it.
QString entryName(int entry)
{
    return entry == RandomCharacter ? gametext::name(RandomName) : gametext::characterName(entry);
}

}  // namespace

OpponentCharacterBox::OpponentCharacterBox(QWidget* parent) : QWidget(parent)
{
    auto* caption = new QLabel(this);
    caption->setGeometry(0, 4, 72, 17);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("opponentCharacterChoice"));
    combo_->setGeometry(72, 0, 225, 25);
    for (int row = 0; row <= EachRow; ++row)
        combo_->addItem(QString());
    caption->setBuddy(combo_);
    followLanguage(this, [this, caption] {
        caption->setText(tr("Gegner :"));
        combo_->setAccessibleName(tr("Wie die Gegner spielen"));
        combo_->setItemText(MixedRow, gametext::name(MixedName));
        combo_->setItemData(MixedRow, gametext::mixDescription(), Qt::ToolTipRole);
        for (int c = 0; c < CharacterCount; ++c) {
            combo_->setItemText(1 + c, gametext::characterName(c));
            combo_->setItemData(1 + c, gametext::characterDescription(c), Qt::ToolTipRole);
        }
        combo_->setItemText(EachRow, tr("Für jeden Gegner …"));
        combo_->setItemData(EachRow, tr("Wähle für jeden Gegner einen Charakter oder den Zufall."), Qt::ToolTipRole);
        showChoice();
    });
    connect(combo_, &QComboBox::activated, this, &OpponentCharacterBox::activated);
}

void OpponentCharacterBox::setChoice(const CharacterChoice& choice)
{
    choice_ = choice;
    showChoice();
}

void OpponentCharacterBox::setOpponentCount(int count) { opponents_ = std::clamp(count, 1, MaxChosenOpponents); }

void OpponentCharacterBox::showChoice()
{
    int row = EachRow;
    if (choice_.mixed)
        row = MixedRow;
    else if (choice_.count == 1 && choice_.each[0] != RandomCharacter)
        row = 1 + choice_.each[0];
    combo_->setCurrentIndex(row);
    QStringList each;
    if (row == EachRow)
        for (int i = 0; i < choice_.count; ++i)
            each << tr("Gegner %1: %2").arg(i + 1).arg(entryName(choice_.each[std::size_t(i)]));
    combo_->setToolTip(row == EachRow ? each.join(QLatin1Char('\n')) : combo_->itemData(row, Qt::ToolTipRole).toString());
}

void OpponentCharacterBox::activated(int index)
{
    if (index == EachRow) {
        openEachWindow();
        return;
    }
    choice_ = index == MixedRow ? CharacterChoice::mix() : CharacterChoice::all(index - 1);
    showChoice();
    emit chosen(choice_);
}

void OpponentCharacterBox::openEachWindow()
{
    auto* dialog = new QDialog(this);
    each_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setObjectName(QStringLiteral("eachOpponentWindow"));
    dialog->setWindowTitle(tr("Charakter der Gegner"));
    dialog->setMinimumWidth(320);  // room for the title
    auto* rows = new QFormLayout;
    std::vector<QComboBox*> combos;
    for (int i = 0; i < opponents_; ++i) {
        auto* combo = new QComboBox(dialog);
        combo->setObjectName(QStringLiteral("opponent%1Character").arg(i + 1));
        combo->addItem(entryName(RandomCharacter), RandomCharacter);
        for (int c = 0; c < CharacterCount; ++c) {
            combo->addItem(entryName(c), c);
            combo->setItemData(combo->count() - 1, gametext::characterDescription(c), Qt::ToolTipRole);
        }
        const int entry = choice_.mixed || choice_.count < 1
                              ? RandomCharacter
                              : choice_.each[std::size_t(std::min(i + 1, choice_.count) - 1)];
        combo->setCurrentIndex(std::max(combo->findData(entry), 0));
        rows->addRow(tr("Gegner %1 :").arg(i + 1), combo);
        combos.push_back(combo);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(rows);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    connect(dialog, &QDialog::accepted, this, [this, combos] {
        CharacterChoice each;
        each.mixed = false;
        for (QComboBox* combo : combos)
            each.each[std::size_t(each.count++)] = combo->currentData().toInt();
        choice_ = each;
        showChoice();
        emit chosen(choice_);
    });
    // Cancelled: the combo shows the choice as it was.
    connect(dialog, &QDialog::rejected, this, &OpponentCharacterBox::showChoice);
    dialog->open();
}

}  // namespace stratagon
