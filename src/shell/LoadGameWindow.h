// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/SaveGame.h"

#include <QList>
#include <QWidget>

class QPushButton;
class QTreeWidget;

namespace stratagon {

class Program;

// "Spiel laden": the saves, the autosave first and then the newest, with
// the player's country, the game date, the map and when each was saved.
class LoadGameWindow : public QWidget {
    Q_OBJECT
public:
    explicit LoadGameWindow(Program& program);

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
    // The rows of the saves read, in the language in use; the chosen one stays chosen.
    void showSaves();
    QString selectedFile() const;
    QString selectedName() const;
    void loadSelected();
    void deleteSelected();

    Program& program_;
    QTreeWidget* list_ = nullptr;
    QPushButton* loadButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    QList<SaveSummary> saves_;
    int generation_ = 0;  // of the last reload, so a late result of an earlier one is dropped
};

}  // namespace stratagon
