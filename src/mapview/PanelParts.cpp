// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/PanelParts.h"

namespace stratagon {

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
