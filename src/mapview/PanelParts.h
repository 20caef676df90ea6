// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QRect>
#include <QString>
#include <utility>
#include <vector>

namespace stratagon {

// A label of the main window: plain text, found by its object name (tests
// and other windows look for "statusLabel", "landLabel", ...).
inline QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A sunken line between two panels.
inline QFrame* makeLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// A button of the main window: named, with its tip, in the Tab order.
QPushButton* makeButton(QWidget* parent, const QString& text, const char* name, const QString& toolTip);

// The column of the panels other features add: they scroll in it where the
// screen leaves it too little room for all of them. `layout` takes the panels.
QScrollArea* makePanelColumn(QWidget* parent, QVBoxLayout*& layout);

// A panel's scroll bar through its entries: from 1, off while there is at
// most one.
QScrollBar* makeScrollBar(QWidget* parent, const char* name);

// Where a panel's controls go, in its parent's coordinates: the panel
// becomes just large enough to hold them all, so nothing of them is cut off.
void placeInPanel(QWidget& panel, const std::vector<std::pair<QWidget*, QRect>>& boxes);

}  // namespace stratagon
