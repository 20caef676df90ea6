// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/CountryPickWindow.h"

#include "platform/Paths.h"
#include "session/GameText.h"
#include "platform/WindowStyle.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QLabel>
#include <QListWidget>
#include <algorithm>
#include <vector>

namespace stratagon {

namespace {

// German dictionary order: umlauts and other accented letters sort with
// their base letter (Ä with A), ß as ss, case aside.
QString sortKey(const QString& name)
{
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            key += c;
    return key.replace(QStringLiteral("ß"), QStringLiteral("ss")).toCaseFolded();
}

// Numbers in names compare by value ("Land 2" before "Land 10").
bool germanLess(const QString& a, const QString& b)
{
    const QString ka = sortKey(a), kb = sortKey(b);
    qsizetype i = 0, j = 0;
    while (i < ka.size() && j < kb.size()) {
        if (ka[i].isDigit() && kb[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < ka.size() && ka[ei].isDigit())
                ++ei;
            while (ej < kb.size() && kb[ej].isDigit())
                ++ej;
            const qulonglong na = ka.mid(i, ei - i).toULongLong(), nb = kb.mid(j, ej - j).toULongLong();
            if (na != nb)
                return na < nb;
            i = ei, j = ej;
        } else if (ka[i] != kb[j]) {
            return ka[i] < kb[j];
        } else {
            ++i, ++j;
        }
    }
    if ((ka.size() - i) != (kb.size() - j))
        return ka.size() - i < kb.size() - j;
    return a < b;  // same letters: a fixed order all the same
}

}  // namespace

CountryPickWindow::CountryPickWindow(const WorldState& world, const QString& current, QWidget* parent)
    : PickWindow(QSize(240, 300), parent)
{
    auto* caption = new QLabel(this);
    followLanguage(this, [this, caption] {
        setWindowTitle(tr("Welches Land ?"));
        caption->setText(tr("Aktuell gewählt :"));
    });
    caption->setGeometry(8, 8, 100, 17);
    currentLabel_ = new QLabel(this);
    currentLabel_->setGeometry(112, 8, 120, 17);
    QFont bold = currentLabel_->font();
    bold.setBold(true);
    currentLabel_->setFont(bold);

    list_ = new QListWidget(this);
    list_->setGeometry(8, 32, 224, 224);
    std::vector<std::pair<std::string, int>> countries;
    for (int i = 1; i <= world.countryCount && i <= MaxCountries; ++i)
        countries.emplace_back(world.countryName[i], i);
    // The names and their order in the language in use; the chosen one stays chosen.
    followLanguage(list_, [this, countries, side = world.side[0], current = ss(current)] {
        currentLabel_->setText(gametext::name(current));
        const QListWidgetItem* chosen = list_->currentItem();
        const int keep = list_->count() == 0              ? side
                         : chosen && chosen->isSelected() ? chosen->data(Qt::UserRole).toInt()
                                                          : 0;
        std::vector<std::pair<QString, int>> shown;
        for (const auto& [name, index] : countries)
            shown.emplace_back(gametext::name(name), index);
        std::stable_sort(shown.begin(), shown.end(),
                         [](const auto& a, const auto& b) { return germanLess(a.first, b.first); });
        list_->clear();
        for (const auto& [name, index] : shown) {
            auto* item = new QListWidgetItem(name, list_);
            item->setData(Qt::UserRole, index);
            // The current side stands selected, so "OK" alone keeps it.
            if (index == keep) {
                list_->setCurrentItem(item);
                list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            }
        }
    });

    addPickButtons(list_, 266, 105);

    centreOver(*this, parent);
}

QString CountryPickWindow::currentText() const { return currentLabel_->text(); }

void CountryPickWindow::accept()
{
    if (list_->currentItem() && list_->currentItem()->isSelected())
        emit chosen(list_->currentItem()->data(Qt::UserRole).toInt());
    close();
}

}  // namespace stratagon
