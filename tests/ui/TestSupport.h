// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared by the window tests: scripted dialogs and a program folder of its
// own with the shipped files in it.

#include "QtPrinters.h"
#include "platform/Dialogs.h"
#include "session/GameSession.h"
#include "shell/Program.h"
#include "shell/SaveGames.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <deque>
#include <memory>
#include <vector>

namespace stratagon::test {

struct ShownMessage {
    QString kind;  // "message", "question", "question3", "input" or "save"
    QString text;
    QString title;
    QString preset;
    // A three-way question's buttons, "Ja|Nein|Abbrechen" unless it named its own.
    QString buttons;
};

class ScriptedDialogs final : public Dialogs {
public:
    void message(QWidget*, const QString& text, const QString& title) override
    {
        shown.push_back({"message", text, title, {}, {}});
    }
    bool question(QWidget*, const QString& text, const QString& title) override
    {
        shown.push_back({"question", text, title, {}, {}});
        return next(answers, false);
    }
    Answer questionWithCancel(QWidget*, const QString& text, const QString& title,
                              const AnswerTexts& buttons) override
    {
        const auto caption = [](const QString& own, const char* standard) {
            return own.isEmpty() ? QString::fromUtf8(standard) : own;
        };
        shown.push_back({"question3", text, title, {},
                         caption(buttons.yes, "Ja") + '|' + caption(buttons.no, "Nein") + '|' +
                             caption(buttons.cancel, "Abbrechen")});
        return next(threeWay, Answer::Cancel);
    }
    QString input(QWidget*, const QString& prompt, const QString& title, const QString& preset) override
    {
        shown.push_back({"input", prompt, title, preset, {}});
        return next(inputs, QString());
    }
    QString saveFileName(QWidget*, const QString& title, const QString& suggested, const QString&) override
    {
        shown.push_back({"save", {}, title, suggested, {}});
        return next(saveNames, QString());
    }

    std::vector<ShownMessage> shown;
    std::deque<bool> answers;       // Yes/No answers, No when empty
    std::deque<Answer> threeWay;    // Yes/No/Cancel answers, Cancel when empty
    std::deque<QString> inputs;     // texts the input box returns, "" (cancel) when empty
    std::deque<QString> saveNames;  // files the save dialog returns, "" (cancel) when empty

private:
    template <typename T>
    static T next(std::deque<T>& queue, T none)
    {
        if (queue.empty())
            return none;
        T first = queue.front();
        queue.pop_front();
        return first;
    }
};

// The player's own time in the window tests: it moves only when a test moves
// it, so a timer firing under load adds nothing between two looks.
inline qint64& sessionTime()
{
    static qint64 now = 0;
    return now;
}

inline bool copyTree(const QString& from, const QString& to)
{
    QDir source(from);
    if (!source.exists())
        return false;
    QDir().mkpath(to);
    for (const QFileInfo& entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + '/' + entry.fileName();
        if (entry.isDir()) {
            if (!copyTree(entry.filePath(), target))
                return false;
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        }
    }
    return true;
}

// A program on a temporary copy of the shipped assets.
struct TestProgram {
    TestProgram() : world(std::make_unique<WorldState>())
    {
        copyTree(QStringLiteral(STRATAGON_ASSETS), folder.path());
        program = std::make_unique<Program>(*world, random, dialogs, folder.path());
    }
    ~TestProgram()
    {
        program.reset();
        QApplication::processEvents();
    }
    QString path(const QString& relative) const { return folder.path() + '/' + relative; }
    // What saving and loading work with, as the program hands it over.
    SaveContext saves() { return {program->paths(), dialogs, program->session()}; }

    QTemporaryDir folder;
    std::unique_ptr<WorldState> world;
    SeededRandom random{12345};
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program;
};

}  // namespace stratagon::test
