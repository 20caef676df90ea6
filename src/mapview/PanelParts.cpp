// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/PanelParts.h"

namespace stratagon {

QPushButton* makeButton(QWidget* parent, const QString& text, const char* name, const QString& toolTip)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(toolTip);
    // Reached by Tab, but a click leaves the keys where they were (Space pauses).
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

QScrollArea* makePanelColumn(QWidget* parent, QVBoxLayout*& layout)
{
    auto* column = new QScrollArea(parent);
    column->setObjectName(QStringLiteral("panelArea"));
    column->setFrameShape(QFrame::NoFrame);
    column->setWidgetResizable(true);
    column->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->setFocusPolicy(Qt::NoFocus);
    auto* panels = new QWidget;
    layout = new QVBoxLayout(panels);
    layout->setContentsMargins(0, 0, 0, 0);
    column->setWidget(panels);
    column->hide();
    return column;
}

QScrollBar* makeScrollBar(QWidget* parent, const char* name)
{
    auto* scroll = new QScrollBar(Qt::Horizontal, parent);
    scroll->setObjectName(QString::fromLatin1(name));
    scroll->setRange(1, 1);
    scroll->setEnabled(false);
    scroll->setFocusPolicy(Qt::TabFocus);
    return scroll;
}

void placeInPanel(QWidget& panel, const std::vector<std::pair<QWidget*, QRect>>& boxes)
{
    QRect all;
    for (const auto& [control, box] : boxes)
        all = all.united(box);
    panel.setGeometry(all);
    for (const auto& [control, box] : boxes)
        control->setGeometry(box.translated(-all.topLeft()));
}

}  // namespace stratagon
