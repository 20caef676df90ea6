// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LoadGameWindow.h"

#include "platform/Dialogs.h"
#include "platform/Retranslate.h"
#include "platform/WindowStyle.h"
#include "session/GameText.h"
#include "platform/AppPaths.h"
#include "session/GameSession.h"
#include "storage/SaveList.h"

#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <memory>

namespace stratagon {

namespace {

QString title() { return LoadGameWindow::tr("Spiel laden"); }

// Saves not in the index that are read before the window shows: a few
// hundred take a quarter of a second.
constexpr int ReadAtOnce = 200;

}  // namespace

LoadGameWindow::LoadGameWindow(LoadGameSetup setup, QWidget* menu)
    : DialogWindow(menu, Qt::WindowModal), setup_(std::move(setup))
{
    useCompactFont(*this);
    setFixedSize(600, 300);
    useDarkGreenBackground(*this);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("saveList"));
    list_->setGeometry(8, 8, 584, 248);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Each column as wide as its texts, at any text size; the list scrolls sideways where they need it.
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(true);

    loadButton_ = new QPushButton(this);
    loadButton_->setObjectName(QStringLiteral("loadButton"));
    loadButton_->setGeometry(8, 266, 105, 25);
    deleteButton_ = new QPushButton(this);
    deleteButton_->setObjectName(QStringLiteral("deleteButton"));
    deleteButton_->setGeometry(121, 266, 105, 25);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setGeometry(487, 266, 105, 25);

    // Enter presses the focused button; elsewhere it loads.
    for (QPushButton* button : {loadButton_, deleteButton_, cancel})
        button->setAutoDefault(true);
    connect(loadButton_, &QPushButton::clicked, this, &LoadGameWindow::loadSelected);
    connect(deleteButton_, &QPushButton::clicked, this, &LoadGameWindow::deleteSelected);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &LoadGameWindow::loadSelected);
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const bool chosen = !selectedFile().isEmpty();
        loadButton_->setEnabled(chosen);
        deleteButton_->setEnabled(chosen);
    });

    followLanguage(this, [this, cancel] {
        setWindowTitle(title());
        setAccessibleDescription(shown_.isEmpty() ? tr("Keine gespeicherten Spiele.")
                                                  : tr("Gespeicherte Spiele: %1.").arg(shown_.size()));
        list_->setAccessibleName(tr("Spielstände"));
        list_->setHeaderLabels({tr("Name"), tr("Land"), tr("Spieldatum"), tr("Karte"), tr("Gespeichert am")});
        loadButton_->setText(tr("Laden"));
        deleteButton_->setText(tr("Löschen"));
        cancel->setText(tr("Abbrechen"));
        // The names and dates listed, in the new language; the choice stays.
        if (!shown_.isEmpty()) {
            const int row = list_->indexOfTopLevelItem(list_->currentItem());
            fill(shown_);
            if (row >= 0 && row < list_->topLevelItemCount())
                list_->setCurrentItem(list_->topLevelItem(row));
        }
    });

    reload();
    centreOver(*this, menu);
}

void LoadGameWindow::reload()
{
    const int generation = ++generation_;
    // Without a saves folder there is nothing to list (an empty path is the working folder).
    if (setup_.paths.savesFolder().isEmpty()) {
        fill({});
        return;
    }
    auto index = std::make_shared<SaveIndex>(setup_.paths.savesFolder(),
                                             setup_.paths.cacheFile(QStringLiteral("saves-index.json")));
    index->scan();
    if (index->unread() <= ReadAtOnce) {
        index->readRest();
        fill(index->saves());
        return;
    }
    // Many saves not seen before: they are read on a worker thread, and the
    // window says so meanwhile instead of freezing.
    list_->clear();
    shown_.clear();
    auto* waiting = new QTreeWidgetItem(list_, {tr("Die Spielstände werden gelesen …")});
    waiting->setFlags(Qt::NoItemFlags);
    loadButton_->setEnabled(false);
    deleteButton_->setEnabled(false);
    QThread* worker = QThread::create([index] { index->readRest(); });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    // The program does not end under a thread that is still reading.
    connect(qApp, &QCoreApplication::aboutToQuit, worker, [worker] {
        worker->requestInterruption();
        worker->wait();
    });
    connect(worker, &QThread::finished, this, [this, index, generation] {
        if (generation == generation_)
            fill(index->saves());
    });
    worker->start();
}

void LoadGameWindow::fill(const QList<SaveSummary>& saves)
{
    list_->clear();
    shown_ = saves;
    const QLocale german(QLocale::German, QLocale::Germany);
    const QString damaged = tr("(beschädigt)");
    const QString format = tr("dd.MM.yyyy HH:mm");
    QList<QTreeWidgetItem*> items;
    items.reserve(saves.size());
    for (const SaveSummary& save : saves) {
        auto* item = new QTreeWidgetItem;
        // The autosave keeps its German name in the file, which finds it again.
        const bool autosave = save.readable && save.name == QLatin1String(AutosaveName);
        item->setText(0, autosave ? tr("Automatisch gespeichert") : save.name);
        item->setText(1, save.readable ? gametext::name(save.country.toStdString()) : damaged);
        item->setText(2, save.readable ? gametext::date(save.month, save.year) : QString());
        item->setText(3, gametext::name(save.map.toStdString()));
        item->setText(4, save.savedAt.isValid() ? german.toString(save.savedAt.toLocalTime(), format) : QString());
        item->setData(0, Qt::UserRole, save.file);
        items.append(item);
    }
    list_->addTopLevelItems(items);
    setAccessibleDescription(saves.isEmpty() ? tr("Keine gespeicherten Spiele.")
                                             : tr("Gespeicherte Spiele: %1.").arg(saves.size()));
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    const bool chosen = !selectedFile().isEmpty();
    loadButton_->setEnabled(chosen);
    deleteButton_->setEnabled(chosen);
    list_->setFocus(Qt::OtherFocusReason);
}

QString LoadGameWindow::selectedFile() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? item->data(0, Qt::UserRole).toString() : QString();
}

QString LoadGameWindow::selectedName() const
{
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? item->text(0) : QString();
}

void LoadGameWindow::loadSelected()
{
    const QString file = selectedFile();
    if (file.isEmpty())
        return;
    if (setup_.session.gameRunning() &&
        !setup_.dialogs.question(
            this, tr("Willst du das laufende Spiel aufgeben und den Spielstand „%1“ laden?").arg(selectedName()),
            title()))
        return;
    if (!setup_.load(this, file))
        return;
    emit gameLoaded();
    close();
}

void LoadGameWindow::deleteSelected()
{
    const QString file = selectedFile();
    if (file.isEmpty() || !setup_.dialogs.question(
                              this, tr("Willst du den Spielstand „%1“ wirklich löschen?").arg(selectedName()), title()))
        return;
    if (!QFile::remove(file))
        setup_.dialogs.message(this, tr("Der Spielstand „%1“ konnte nicht gelöscht werden.").arg(selectedName()),
                                 tr("Fehler !"));
    reload();
}

void LoadGameWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        loadSelected();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        DialogWindow::keyPressEvent(event);
    }
}

}  // namespace stratagon
