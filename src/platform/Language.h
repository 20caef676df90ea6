// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language of every text the player sees. German is the language the
// texts are written in and needs no catalog; English comes from the
// catalogs built into the program, Qt's own texts (file dialog, standard
// buttons) from Qt's catalog when it is installed.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <array>
#include <memory>

namespace stratagon {

class Preferences;

// Where the choice is kept in the preferences.
inline constexpr char LanguageKey[] = "display/language";

// The languages the player can choose, as stored ("de", "en").
QStringList languages();
// German when the user's UI language is German or the locale is C/POSIX,
// English otherwise.
QString systemLanguage(const QLocale& locale = QLocale::system());
// The stored choice, or the system's when none or an unknown one is kept.
QString chosenLanguage(const Preferences& preferences);

// The language in use ("de" until a Translations switches).
QString currentLanguage();

// The catalogs in use. Switching installs the new ones into the
// application: every open window then gets a QEvent::LanguageChange.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Loads the catalogs of `code` from `folder` (the built-in ones unless
    // told otherwise) and Qt's own. False when a catalog of the game could
    // not be loaded: the texts then stay German.
    bool use(const QString& code, const QString& folder = QStringLiteral(":/i18n"));
    QString current() const { return current_; }

private:
    void removeAll();

    // The game's texts, the windows' texts, Qt's own.
    std::array<std::unique_ptr<QTranslator>, 3> installed_;
    QString current_ = QStringLiteral("de");
};

}  // namespace stratagon
