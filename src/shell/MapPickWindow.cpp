// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MapPickWindow.h"

#include "platform/AppPaths.h"
#include "platform/Language.h"
#include "platform/Paths.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <algorithm>

namespace stratagon {

namespace {

// Maps checked before the window shows: the four shipped ones on a first
// start take about half a second.
constexpr int CheckAtOnce = 4;

}  // namespace

void MapChecker::run()
{
    for (qsizetype row = catalog_.checkNext(); row >= 0; row = catalog_.checkNext()) {
        const MapEntry& e = catalog_.maps()[row];
        emit checked(int(row), e);
        if (isInterruptionRequested())
            break;
    }
    catalog_.store();
}

MapPickWindow::MapPickWindow(const AppPaths& paths, const QString& current, QWidget* parent)
    : PickWindow(QSize(280, 240), parent), current_(current), folders_(paths.mapFolders()), language_(currentLanguage())
{
    MapCatalog catalog(folders_, paths.cacheFile(QStringLiteral("map-verdicts.json")));
    catalog.scan();
    if (catalog.unchecked() <= CheckAtOnce) {
        while (catalog.checkNext() >= 0) {
        }
        catalog.store();
    }
    maps_ = catalog.maps();

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("mapList"));
    list_->setGeometry(8, 8, 264, 190);
    // A refused map's reason takes two or three lines.
    list_->setWordWrap(true);
    list_->setTextElideMode(Qt::ElideNone);
    for (int row = 0; row < maps_.size(); ++row) {
        list_->addItem(QString());
        // The current map stands selected, so "OK" alone keeps it.
        if (maps_[row].playable() && maps_[row].name == current_)
            list_->setCurrentRow(row);
    }

    addPickButtons(list_, 206, 125);
    followLanguage(this, [this] {
        setWindowTitle(tr("Welche Karte ?"));
        if (language_ != currentLanguage()) {
            language_ = currentLanguage();
            sayRefusalsAgain();
        }
        for (int row = 0; row < maps_.size(); ++row)
            showEntry(row);
    });

    if (catalog.unchecked() > 0) {
        checker_ = new MapChecker(std::move(catalog));
        connect(checker_, &MapChecker::checked, this, &MapPickWindow::takeVerdict);
        connect(checker_, &QThread::finished, this, [this] { checker_ = nullptr; });
        // The thread outlives a closed window until its current map is done.
        connect(checker_, &QThread::finished, checker_, &QObject::deleteLater);
        // The program does not end under a check; one map takes a fraction of a second.
        connect(qApp, &QCoreApplication::aboutToQuit, checker_, [checker = checker_] {
            checker->requestInterruption();
            checker->wait();
        });
        checker_->start(QThread::LowPriority);
    }

    centreOver(*this, parent);
}

MapPickWindow::~MapPickWindow()
{
    if (checker_) {
        checker_->disconnect(this);
        checker_->requestInterruption();
    }
}

void MapPickWindow::showEntry(int row)
{
    const MapEntry& map = maps_[row];
    QListWidgetItem* item = list_->item(row);
    if (!map.checked)
        item->setText(tr("%1 – wird geprüft …").arg(gametext::name(ss(map.name))));
    else if (map.problem.isEmpty()) {
        const QString name = gametext::name(ss(map.name));
        const QString continent = gametext::name(ss(map.continent));
        // A map named after its continent says so once.
        item->setText(name == continent ? tr("%1, %n Länder", nullptr, map.countries).arg(name)
                                        : tr("%1 – %2, %n Länder", nullptr, map.countries).arg(name, continent));
    } else
        item->setText(QStringLiteral("%1 – %2").arg(map.name, map.problem));
    item->setToolTip(map.checked ? map.problem : QString());
    // Greyed: seen, but never chosen.
    item->setFlags(map.playable() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags);
}

void MapPickWindow::sayRefusalsAgain()
{
    // Seen again without the cache, whose verdicts are in the old language;
    // only the refused maps are checked again, and they fail early.
    MapCatalog fresh(folders_, {});
    fresh.scan();
    const QList<MapEntry>& seen = fresh.maps();
    for (MapEntry& map : maps_) {
        if (!map.checked || map.problem.isEmpty())
            continue;
        const auto found =
            std::find_if(seen.begin(), seen.end(), [&map](const MapEntry& e) { return e.mapFile == map.mapFile; });
        if (found == seen.end())
            continue;
        MapEntry again = *found;
        if (!again.checked)
            checkMap(again);
        if (!again.problem.isEmpty())
            map.problem = again.problem;
    }
}

void MapPickWindow::takeVerdict(int row, const MapEntry& checked)
{
    if (row < 0 || row >= maps_.size())
        return;
    MapEntry& map = maps_[row];
    map = checked;
    showEntry(row);
    if (!list_->currentItem() && map.playable() && map.name == current_)
        list_->setCurrentRow(row);
}

void MapPickWindow::accept()
{
    const int row = list_->currentRow();
    if (row >= 0 && row < maps_.size() && maps_[row].playable() && list_->currentItem()->isSelected()) {
        // A verdict from the cache holds only for the bytes it was made on:
        // a map changed since stays here, greyed with its new reason.
        if (!confirmVerdict(maps_[row])) {
            showEntry(row);
            return;
        }
        emit chosen(maps_[row].name);
    }
    close();
}

}  // namespace stratagon
