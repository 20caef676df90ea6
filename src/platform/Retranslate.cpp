// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Retranslate.h"

#include <QEvent>
#include <QWidget>

namespace stratagon {

namespace {

class LanguageFollower final : public QObject {
public:
    LanguageFollower(QWidget* owner, std::function<void()> apply) : QObject(owner), apply_(std::move(apply))
    {
        owner->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == parent())
            apply_();
        return false;
    }

private:
    std::function<void()> apply_;
};

}  // namespace

void followLanguage(QWidget* owner, std::function<void()> apply)
{
    apply();
    new LanguageFollower(owner, std::move(apply));
}

}  // namespace stratagon
