// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include "storage/Preferences.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace stratagon {

QStringList languages() { return {QStringLiteral("de"), QStringLiteral("en")}; }

QString systemLanguage(const QLocale& locale)
{
    // A plain C or POSIX locale says nothing of the reader: the game's own language.
    if (locale.language() == QLocale::C)
        return QStringLiteral("de");
    const QStringList ui = locale.uiLanguages();
    const QString first = ui.isEmpty() ? locale.name() : ui.constFirst();
    return first.startsWith(QLatin1String("de")) ? QStringLiteral("de") : QStringLiteral("en");
}

QString chosenLanguage(const Preferences& preferences)
{
    const QString stored = preferences.value(QString::fromLatin1(LanguageKey));
    return languages().contains(stored) ? stored : systemLanguage();
}

namespace {

QString& inUse()
{
    static QString code = QStringLiteral("de");
    return code;
}

}  // namespace

QString currentLanguage() { return inUse(); }

Translations::Translations() = default;

Translations::~Translations()
{
    removeAll();
    inUse() = QStringLiteral("de");
}

void Translations::removeAll()
{
    for (std::unique_ptr<QTranslator>& t : installed_) {
        if (t)
            QCoreApplication::removeTranslator(t.get());
        t.reset();
    }
}

bool Translations::use(const QString& code, const QString& folder)
{
    removeAll();
    current_ = code;
    inUse() = code;
    bool complete = true;
    // German is the source: its catalogs hold only the plural forms.
    const std::array<QString, 2> catalogs{QStringLiteral("game_"), QStringLiteral("windows_")};
    for (std::size_t i = 0; i < catalogs.size(); ++i) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(catalogs[i] + code, folder)) {
            complete = complete && code == QLatin1String("de");
            continue;
        }
        QCoreApplication::installTranslator(translator.get());
        installed_[i] = std::move(translator);
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        installed_[2] = std::move(qt);
    }
    return complete;
}

}  // namespace stratagon
