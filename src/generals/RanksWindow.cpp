// SPDX-License-Identifier: GPL-3.0-or-later
#include "generals/RanksWindow.h"

#include "platform/Paths.h"
#include "session/GameText.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "world/Ranks.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QVBoxLayout>

#include <algorithm>

namespace stratagon {

namespace {

// Draws "name<tabs>range" entries with tab stops placed so that every range
// starts in the same column: the short names carry one tab more than the
// long ones, so the first stop lies between the two groups of names.
class TabStopDelegate final : public QStyledItemDelegate {
public:
    TabStopDelegate(const QStringList& entries, const QFont& font, QObject* parent) : QStyledItemDelegate(parent)
    {
        const QFontMetricsF metrics(font);
        const qreal gap = metrics.horizontalAdvance(QStringLiteral("MM"));
        qreal widestName = 0, widestRange = 0;
        qreal widestShort = -1, narrowestLong = -1, widestLong = 0;  // 3 tabs / 2 tabs
        for (const QString& entry : entries) {
            const QString name = entry.section(QLatin1Char('\t'), 0, 0);
            const QString range = entry.section(QLatin1Char('\t'), -1);
            const qreal width = metrics.horizontalAdvance(name);
            widestName = std::max(widestName, width);
            widestRange = std::max(widestRange, metrics.horizontalAdvance(range));
            if (entry.count(QLatin1Char('\t')) >= 3) {
                widestShort = std::max(widestShort, width);
            } else {
                narrowestLong = narrowestLong < 0 ? width : std::min(narrowestLong, width);
                widestLong = std::max(widestLong, width);
            }
        }
        if (widestShort >= 0 && narrowestLong > widestShort) {
            const qreal second = widestLong + gap / 2;
            tabs_ = {QTextOption::Tab((widestShort + narrowestLong) / 2, QTextOption::LeftTab),
                     QTextOption::Tab(second, QTextOption::LeftTab),
                     QTextOption::Tab(second + gap / 2, QTextOption::LeftTab)};
            column_ = second + gap / 2;
        } else {
            // A font whose widths do not part the two groups: one stop past
            // the widest name, reached by a single tab.
            collapse_ = true;
            column_ = widestName + gap;
            tabs_ = {QTextOption::Tab(column_, QTextOption::LeftTab)};
        }
        width_ = column_ + widestRange + 2 * Margin;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem item(option);
        initStyleOption(&item, index);
        QString text = item.text;
        if (collapse_)
            text = text.section(QLatin1Char('\t'), 0, 0) + QLatin1Char('\t') + text.section(QLatin1Char('\t'), -1);
        item.text.clear();
        const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setWrapMode(QTextOption::NoWrap);
        layout.setTabs(tabs_);
        painter->save();
        painter->setFont(item.font);
        painter->setPen(
            item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRectF(item.rect).adjusted(Margin, 0, -Margin, 0), text, layout);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(static_cast<int>(width_ + 1));
        return size;
    }

private:
    static constexpr int Margin = 4;
    QList<QTextOption::Tab> tabs_;
    qreal column_ = 0;
    qreal width_ = 0;
    bool collapse_ = false;
};

// The shorter names take three tabs, the others two.
int tabsAfter(std::string_view name)
{
    static constexpr std::string_view threeTabs[] = {"Gefreiter", "Leutnamt", "Major", "Oberst", "General"};
    return std::find(std::begin(threeTabs), std::end(threeTabs), name) != std::end(threeTabs) ? 3 : 2;
}

}  // namespace

RanksWindow::RanksWindow(QWidget* roster) : DialogWindow(roster, Qt::NonModal)
{
    useDarkGreenBackground(*this);

    list_ = new QListWidget(this);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setSelectionMode(QAbstractItemView::NoSelection);  // a reference to read, nothing to pick
    list_->setFocus();                                        // read by the arrow keys

    note_ = new QLabel(this);
    note_->setTextFormat(Qt::PlainText);
    note_->setWordWrap(true);

    auto* close = new QPushButton(this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    followLanguage(this, [this, close] {
        setWindowTitle(tr("Dienstgrade"));
        setAccessibleDescription(tr("Die Dienstgrade deiner Generäle und wie viele Erfahrungspunkte jeder verlangt."));
        list_->setAccessibleName(tr("Dienstgrade"));
        showRanks();
        note_->setText(tr("  Hier sehen sie alle Dienstgrade der Soldaten aus dem Spiel  .     "
                          "In der Mitte sehen sie die benötigten Erfahrungspunkte für%1den Rang")
                           .arg(QString(47, QLatin1Char(' '))));
        close->setText(tr("Ende"));
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(note_);
    layout->addWidget(close);
    setMinimumWidth(300);
    centreOver(*this, roster);
}

void RanksWindow::showRanks()
{
    QStringList entries;
    for (std::size_t level = 0; level < RankLadder.size(); ++level) {
        const RankRow& row = RankLadder[level];
        entries << gametext::rankTitle(static_cast<int>(level)) + QString(tabsAfter(row.name), QLatin1Char('\t')) +
                       qs(row.range());
    }
    list_->clear();
    list_->addItems(entries);
    list_->setCurrentRow(0);
    QAbstractItemDelegate* previous = list_->itemDelegate();
    list_->setItemDelegate(new TabStopDelegate(entries, list_->font(), list_));
    previous->deleteLater();
    list_->setMinimumHeight(list_->sizeHintForRow(0) * 20 + 2 * list_->frameWidth());
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
}

}  // namespace stratagon
