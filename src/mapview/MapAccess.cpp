// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview/MapAccess.h"

#include "mapview/Announcer.h"
#include "mapview/MapFocus.h"
#include "mapview/MapView.h"
#include "world/WorldState.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

namespace stratagon {

namespace {

MapFocus* focusOf(const MapView* view) { return view ? view->findChild<MapFocus*>() : nullptr; }

// One country of the map: no object of its own, it asks the map's focus.
class CountryAccessible : public QAccessibleInterface {
public:
    CountryAccessible(MapView* view, int country) : view_(view), country_(country) {}

    bool isValid() const override
    {
        const MapFocus* focus = focusOf(view_);
        return focus && country_ <= focus->countryCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        const MapFocus* focus = focusOf(view_);
        if (!focus)
            return {};
        if (t == QAccessible::Name)
            return focus->name(country_);
        if (t == QAccessible::Description)
            return focus->description(country_);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!view_)
            return {};
        const QRect box = view_->countryRect(country_, seed());
        return QRect(view_->mapToGlobal(box.topLeft()), box.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.selectable = true;
        const MapFocus* focus = focusOf(view_);
        s.selected = focus && focus->country() == country_;
        s.focused = s.selected && view_->hasFocus();
        s.invisible = !view_ || !view_->isVisible();
        return s;
    }

private:
    QPoint seed() const
    {
        const MapFocus* focus = focusOf(view_);
        return focus ? focus->seedOf(country_) : QPoint();
    }

    QPointer<MapView> view_;
    int country_;
};

// The map: a list of its countries; the focus country is its focus.
class MapAccessible : public QAccessibleWidget {
public:
    explicit MapAccessible(MapView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~MapAccessible() override { dropChildren(); }

    MapView* view() const { return static_cast<MapView*>(widget()); }
    int childCount() const override
    {
        const MapFocus* focus = focusOf(view());
        return focus ? focus->countryCount() : 0;
    }
    QAccessibleInterface* child(int index) const override
    {
        const int count = childCount();
        if (index < 0 || index >= count)
            return nullptr;
        // A new map may have another number of countries.
        if (int(children_.size()) != count) {
            dropChildren();
            children_.assign(std::size_t(count), 0);
        }
        QAccessible::Id& id = children_[std::size_t(index)];
        if (id == 0)
            id = QAccessible::registerAccessibleInterface(new CountryAccessible(view(), index + 1));
        return QAccessible::accessibleInterface(id);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < children_.size(); ++i)
            if (children_[i] != 0 && QAccessible::accessibleInterface(children_[i]) == child)
                return int(i);
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        const MapFocus* focus = focusOf(view());
        if (!focus || focus->country() == 0 || !view()->hasFocus())
            return nullptr;
        return child(focus->country() - 1);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int country = view()->countryAtView(view()->mapFromGlobal(QPoint(x, y)));
        return country > 0 ? child(country - 1) : nullptr;
    }

private:
    void dropChildren() const
    {
        for (const QAccessible::Id id : children_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        children_.clear();
    }

    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("stratagon::MapView") && object && object->isWidgetType())
        return new MapAccessible(static_cast<MapView*>(object));
    return announcerInterface(className, object);
}

}  // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(makeInterface);
    installed = true;
}

}  // namespace stratagon
