// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every modal box of the program goes through this, so that tests can
// answer them from a script and never block on a real dialog.

#include <QString>

class QWidget;

namespace stratagon {

enum class Answer { Yes, No, Cancel };

// The captions of a three-way question's buttons, each saying what it does;
// an empty one keeps "Ja", "Nein" or "Abbrechen".
struct AnswerTexts {
    QString yes;
    QString no;
    QString cancel;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // OK only, no icon.
    virtual void message(QWidget* parent, const QString& text, const QString& title) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title) = 0;
    // Yes/No/Cancel with the question icon; Escape and the close box give Cancel.
    // Fakes that only script Yes/No get Yes/No here.
    virtual Answer questionWithCancel(QWidget* parent, const QString& text, const QString& title,
                                      const AnswerTexts& /*buttons*/ = {})
    {
        return question(parent, text, title) ? Answer::Yes : Answer::No;
    }
    // Text input with prompt, title and preset text; "" when cancelled.
    virtual QString input(QWidget* parent, const QString& prompt, const QString& title,
                          const QString& preset) = 0;
    // A file to write, offered as `suggested`; "" when cancelled. Fakes that
    // script no file choice cancel.
    virtual QString saveFileName(QWidget* /*parent*/, const QString& /*title*/, const QString& /*suggested*/,
                                 const QString& /*filter*/)
    {
        return {};
    }
};

class QtDialogs final : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, const QString& title) override;
    bool question(QWidget* parent, const QString& text, const QString& title) override;
    Answer questionWithCancel(QWidget* parent, const QString& text, const QString& title,
                              const AnswerTexts& buttons = {}) override;
    QString input(QWidget* parent, const QString& prompt, const QString& title,
                  const QString& preset) override;
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggested,
                         const QString& filter) override;
};

}  // namespace stratagon
