// SPDX-License-Identifier: GPL-3.0-or-later
// No German word in the English texts: every translation of the English
// catalogs is read against its German source. A translation that keeps the
// source as it is must be a word English shares ("April", "Major", "OK");
// no translation holds a letter only German has. The names of the game's
// countries, continents and maps are names, and stay as the catalog has them.

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QStringList translations;
};

std::vector<Entry> readCatalog(const QString& path)
{
    std::vector<Entry> entries;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    bool live = true;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == QLatin1String("message"))
            entry = {context, {}, {}};
        else if (xml.isStartElement() && xml.name() == QLatin1String("source"))
            entry.source = xml.readElementText(QXmlStreamReader::IncludeChildElements);  // <byte> for a tab
        else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            live = type != QLatin1String("vanished") && type != QLatin1String("obsolete");
            // Plural forms come as one text, each form on a line of its own.
            entry.translations << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message") && live)
            entries.push_back(entry);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return entries;
}

}  // namespace

TEST(Catalogs, NoGermanWordInTheEnglishTexts)
{
    // What English writes as German does.
    const QSet<QString> shared = {"April",  "August",   "September", "November", "Major",
                                  "General", "OK",      "Pause",     "Credits",  "Name",
                                  "neutral", "Standard", "Made with Natural Earth"};
    const QRegularExpression germanLetters(QStringLiteral("[äöüÄÖÜß]"));
    const QRegularExpression word(QStringLiteral("[A-Za-z]{2}"));
    QStringList german;
    std::size_t read = 0;
    for (const char* catalog : {"game_en.ts", "windows_en.ts"}) {
        for (const Entry& e : readCatalog(QStringLiteral(STRATAGON_TRANSLATIONS "/") + catalog)) {
            if (e.context == QLatin1String("GameNames"))
                continue;
            ++read;
            for (const QString& english : e.translations) {
                const bool kept = english == e.source && e.source.contains(word) && !shared.contains(e.source);
                if (kept || english.contains(germanLetters))
                    german << QStringLiteral("%1 %2: \"%3\" → \"%4\"").arg(catalog, e.context, e.source, english);
            }
        }
    }
    EXPECT_GT(read, 300u);
    EXPECT_TRUE(german.isEmpty()) << german.join('\n').toStdString();
}
