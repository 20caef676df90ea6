// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/InfoPanel.h"

#include "mapview/PanelParts.h"
#include "platform/Paths.h"
#include "session/GameText.h"
#include "simulation/Character.h"
#include "world/Ranks.h"
#include "world/WorldState.h"
#include "platform/Retranslate.h"

#include <QScrollBar>
#include <algorithm>

namespace stratagon {

namespace {

const QString Dash = QStringLiteral("-");

}  // namespace

InfoPanel::InfoPanel(const WorldState& world, QWidget* parent) : QWidget(parent), world_(world)
{
    setObjectName(QStringLiteral("infoPanel"));
    const char* captionNames[6] = {"landCaption",        "continentCaption", "generalCountCaption",
                                   "generalNameCaption", "generalEPCaption", "generalRankCaption"};
    const char* valueNames[6] = {"landLabel",        "continentLabel", "generalCountLabel",
                                 "generalNameLabel", "generalEPLabel", "generalRankLabel"};
    for (std::size_t i = 0; i < 6; ++i)
        captions_[i] = makeLabel(this, captionNames[i]);
    for (std::size_t i = 0; i < 6; ++i)
        values_[i] = makeLabel(this, valueNames[i]);

    scroll_ = makeScrollBar(this, "generalScroll");
    connect(scroll_, &QScrollBar::valueChanged, this, &InfoPanel::showGeneral);
    followLanguage(this, [this] {
        const QString captions[6] = {tr("Land :"), tr("Kontienent :"), tr("Generäle :"),
                                     tr("Name :"), tr("EP :"),         tr("Rang :")};
        for (std::size_t i = 0; i < 6; ++i)
            captions_[i]->setText(captions[i]);
        scroll_->setAccessibleName(tr("Generäle des Landes blättern"));
        // The country shown, in the new language.
        if (shownCountry_ > 0)
            showCountry(shownCountry_, false);
    });
}

// The country under its holder's name when a side holds it, in the current language.
QString InfoPanel::landText(const CountryPanel& panel) const
{
    if (panel.holder.empty())
        return gametext::name(panel.land);
    return tr("%1, Kolonie : %2").arg(gametext::sideName(world_, panel.holderSide), gametext::name(panel.land));
}

int InfoPanel::widestText() const
{
    const QFontMetrics metrics = values_[0]->fontMetrics();
    int widest = 0;
    for (int k = 1; k <= std::min(world_.countryCount, MaxCountries); ++k) {
        CountryPanel panel;
        panel.land = world_.countryName[k];
        widest = std::max(widest, metrics.horizontalAdvance(landText(panel)));
        for (int s = 0; s <= std::min(world_.sideMax, 9); ++s)
            if (validCountry(world_, world_.side[s]) && world_.side[s] != k) {
                panel.holder = world_.countryName[world_.side[s]];
                panel.holderSide = world_.side[s];
                widest = std::max(widest, metrics.horizontalAdvance(landText(panel)));
            }
    }
    return widest;
}

int InfoPanel::shownCount() const { return static_cast<int>(shown_.generals.size()); }

void InfoPanel::showCountry(int country, bool fromClick)
{
    shownCountry_ = country;
    shown_ = describeCountry(world_, country);
    landFull_ = landText(shown_);
    showLand();
    // How a computer opponent holding it plays.
    const int holder = shown_.holderSide;
    values_[0]->setToolTip(holder > 0 && world_.countryKind[std::size_t(holder)] == KindOpponent
                               ? tr("%1: %2").arg(gametext::sideName(world_, holder),
                                                  gametext::characterDescription(characterOf(world_, holder)))
                               : QString());
    values_[1]->setText(gametext::name(shown_.continent));
    values_[2]->setText(QString::number(shownCount()));
    showScroll(fromClick);
    showGeneral(fromClick ? 1 : scroll_->value());
}

void InfoPanel::showScroll(bool resetToFirst)
{
    const int count = shownCount();
    if (count > 1) {
        scroll_->setRange(1, count);
        scroll_->setPageStep(count);
        scroll_->setEnabled(true);
        if (resetToFirst)
            scroll_->setValue(1);
    } else {
        if (resetToFirst)
            scroll_->setValue(1);
        scroll_->setEnabled(false);
    }
}

void InfoPanel::showGeneral(int n)
{
    const int count = shownCount();
    if (count <= 0) {
        // No generals: no stale entry of the country shown before.
        for (std::size_t i = 3; i < 6; ++i)
            values_[i]->setText(Dash);
        return;
    }
    // The scroll bar keeps its value when the list shrinks to one; the
    // panel still shows a general of this country.
    const auto& [name, ep] = shown_.generals[static_cast<std::size_t>(std::clamp(n, 1, count) - 1)];
    values_[3]->setText(qs(name));
    values_[4]->setText(QString::number(ep));
    values_[5]->setText(gametext::rankName(ep));
}

void InfoPanel::place(const QRect& rows, const QRect& scroll, Arrangement arrangement, Twips px)
{
    const int rowH = px(design::RowHeight);
    const int labelH = px(design::LabelHeight);
    const int captionW = px(design::CaptionWidth);
    std::vector<std::pair<QWidget*, QRect>> boxes;
    const auto row = [&](std::size_t i, int x, int y, int width, int captionWidth) {
        boxes.emplace_back(captions_[i], QRect(x, y, captionWidth, labelH));
        boxes.emplace_back(values_[i], QRect(x + captionWidth, y, std::max(width - captionWidth, 0), labelH));
    };
    if (arrangement == Arrangement::Below) {
        // The country on the left, its generals on the right.
        const int leftW = rows.width() * 11 / 20;
        const int rightX = rows.left() + leftW + px(design::Margin);
        const int rightW = std::max(rows.left() + rows.width() - rightX, 0);
        for (std::size_t i = 0; i < 3; ++i) {
            row(i, rows.left(), rows.top() + static_cast<int>(i) * rowH, leftW, captionW);
            row(i + 3, rightX, rows.top() + static_cast<int>(i) * rowH, rightW, captionW * 2 / 3);
        }
    } else {
        for (std::size_t i = 0; i < 6; ++i)
            row(i, rows.left(), rows.top() + static_cast<int>(i) * rowH, rows.width(), captionW);
    }
    boxes.emplace_back(scroll_, scroll);
    placeInPanel(*this, boxes);
    showLand();
}

void InfoPanel::showLand()
{
    // Shortened only where large text on a small screen leaves no room; the
    // whole text stays what a screen reader speaks.
    QLabel* label = values_[0];
    const int room = label->contentsRect().width();
    const QFontMetrics metrics = label->fontMetrics();
    label->setText(room > 0 && metrics.horizontalAdvance(landFull_) > room
                       ? metrics.elidedText(landFull_, Qt::ElideMiddle, room)
                       : landFull_);
    label->setAccessibleName(label->text() == landFull_ ? QString() : landFull_);
}

}  // namespace stratagon
