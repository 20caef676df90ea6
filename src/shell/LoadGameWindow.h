// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DialogWindow.h"
#include "storage/SaveGame.h"

#include <QList>
#include <functional>

class QPushButton;
class QTreeWidget;

namespace stratagon {

class AppPaths;
class Dialogs;
class GameSession;

// What the load window works with: where the saves are, the game being
// played (given up only after a question), and the loading itself, which
// reports a refused file over the window it is given and is true on success.
struct LoadGameSetup {
    const AppPaths& paths;
    Dialogs& dialogs;
    const GameSession& session;
    std::function<bool(QWidget* parent, const QString& file)> load;
};

// "Spiel laden": the saves, the autosave first and then the newest, with
// the player's country, the game date, the map and when each was saved. It
// opens over the options menu, which waits meanwhile.
class LoadGameWindow : public DialogWindow {
    Q_OBJECT
public:
    LoadGameWindow(LoadGameSetup setup, QWidget* menu);

    // Fills the list from the saves folder again; many saves not read
    // before are read on a worker thread while the window waits.
    void reload();

signals:
    // A save has been loaded and opened in the main window.
    void gameLoaded();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fill(const QList<SaveSummary>& saves);
    QString selectedFile() const;
    QString selectedName() const;
    void loadSelected();
    void deleteSelected();

    LoadGameSetup setup_;
    QTreeWidget* list_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QList<SaveSummary> shown_;  // named anew when the language changes
    int generation_ = 0;        // of the last reload, so a late result of an earlier one is dropped
};

}  // namespace stratagon
