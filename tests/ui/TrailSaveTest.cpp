// SPDX-License-Identifier: GPL-3.0-or-later
// A game's trail in its save: a game saved and loaded plays on as if it never
// was, a damaged trail is refused while its game loads, and a save stays small.

#include "../core/TrailGame.h"
#include "storage/SaveGame.h"
#include "storage/SaveTrail.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace stratagon;
using namespace stratagon::test;

namespace {

const QString Cards = QStringLiteral(STRATAGON_ASSETS "/cards/");
const QDateTime When = QDateTime(QDate(2026, 3, 1), QTime(12, 30), Qt::UTC);

QString shippedBitmap(const QString& name) { return QFile::exists(Cards + name) ? Cards + name : QString(); }

QByteArray save(const KeptGame& game)
{
    const QString bitmap = Cards + QString::fromStdString(game.w->continentName) + ".bmp";
    return saveDocument(*game.w, QStringLiteral("Test"), When, fileSha256(bitmap), {}, &game.trail);
}

// The document with its trail changed by `edit`.
template <typename Edit>
QByteArray withTrail(const QByteArray& document, Edit edit)
{
    QJsonObject top = QJsonDocument::fromJson(document).object();
    QJsonObject game = top.value("game").toObject();
    QJsonObject trail = game.value("trail").toObject();
    edit(trail);
    game.insert("trail", trail);
    top.insert("game", game);
    return QJsonDocument(top).toJson(QJsonDocument::Compact);
}

}  // namespace

TEST(TrailSave, AGameSavedAndLoadedAtRandomTicksPlaysOnAsOneNeverSaved)
{
    for (const std::string map : {"Afrika", "Europa"}) {
        SCOPED_TRACE(map);
        KeptGame kept(map, 3, RulesKlassisch, 31);
        KeptGame saved(map, 3, RulesKlassisch, 31);
        SeededRandom when(7);
        int loads = 0;
        for (int t = 0; t < 30 * 48 && kept.w->playing; ++t) {
            kept.playerTurn(), saved.playerTurn();
            if (when.draw(60) == 0) {
                auto loaded = std::make_unique<WorldState>();
                GameTrail trail;
                const SaveReadResult read =
                    readSaveDocument(save(saved), *loaded, shippedBitmap, {}, nullptr, &trail);
                ASSERT_TRUE(read.ok) << read.message.toStdString();
                ASSERT_TRUE(read.trailMessage.isEmpty()) << read.trailMessage.toStdString();
                ASSERT_TRUE(trail.kept());
                ASSERT_EQ(trail.orders, saved.trail.orders);
                loaded->mapFileName = saved.w->mapFileName;
                saved.w = std::move(loaded);
                saved.trail = std::move(trail);
                saved.random.restore(saved.trail.seed, saved.trail.draws);
                ++loads;
            }
            kept.tick(), saved.tick();
            ASSERT_TRUE(*kept.w == *saved.w) << "tick " << t;
            ASSERT_EQ(kept.random.draws(), saved.random.draws());
        }
        EXPECT_GT(loads, 10);
        EXPECT_TRUE(trailLeadsTo(saved.trail, *kept.w));
    }
}

TEST(TrailSave, ADamagedTrailIsRefusedWithAMessageAndItsGameLoadsFromItsState)
{
    KeptGame game("Afrika", 2, RulesKlassisch, 12);
    for (int t = 0; t < 300; ++t)
        game.playerTurn(), game.tick();
    ASSERT_TRUE(game.w->playing);
    const QByteArray document = save(game);
    const std::vector<std::pair<const char*, std::function<void(QJsonObject&)>>> damages = {
        {"seed", [](QJsonObject& t) { t.insert("seed", "zz"); }},
        {"other seed", [](QJsonObject& t) { t.insert("seed", "0000000000000001"); }},
        {"ticks beyond the records", [](QJsonObject& t) { t.insert("ticks", 1e15); }},
        {"draws", [](QJsonObject& t) { t.insert("draws", 3); }},
        {"orders missing", [](QJsonObject& t) { t.remove("orders"); }},
        {"an order lost", [](QJsonObject& t) {
             QJsonArray o = t.value("orders").toArray();
             o.removeLast();
             t.insert("orders", o);
         }},
        {"an order that cannot be", [](QJsonObject& t) {
             QJsonArray o = t.value("orders").toArray();
             o.prepend(QJsonArray{0, 2, 99, 5});
             t.insert("orders", o);
         }},
        {"a kind unknown", [](QJsonObject& t) {
             QJsonArray o = t.value("orders").toArray();
             o.replace(0, QJsonArray{0, 17, 1});
             t.insert("orders", o);
         }},
        {"a tick backwards", [](QJsonObject& t) {
             QJsonArray o = t.value("orders").toArray();
             o.replace(1, QJsonArray{-5, 3, 1});
             t.insert("orders", o);
         }},
        {"a start that is no game", [](QJsonObject& t) {
             QJsonObject origin = t.value("origin").toObject();
             origin.insert("countryOwner", QJsonArray{0, 500});
             t.insert("origin", origin);
         }},
        {"no object", [](QJsonObject& t) { t = QJsonObject{{"orders", 5}}; }},
    };
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        auto loaded = std::make_unique<WorldState>();
        GameTrail trail;
        const SaveReadResult read =
            readSaveDocument(withTrail(document, damage), *loaded, shippedBitmap, {}, nullptr, &trail);
        ASSERT_TRUE(read.ok);
        EXPECT_FALSE(trail.kept());
        EXPECT_TRUE(read.trailMessage.startsWith("Der Spielverlauf in diesem Spielstand ist beschädigt: "))
            << read.trailMessage.toStdString();
        loaded->mapFileName = game.w->mapFileName;
        EXPECT_TRUE(*loaded == *game.w);
    }
}

TEST(TrailSave, SavesOfEveryEarlierVersionLoadWithoutATrail)
{
    const QString fixtures = QStringLiteral(STRATAGON_FIXTURES "/");
    const auto bitmap = [&](const QString&) { return fixtures + "save-v1-bitmap.bin"; };
    for (const char* file : {"save-v1.json", "save-v2.json", "save-v3.json"}) {
        SCOPED_TRACE(file);
        QFile in(fixtures + file);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        auto loaded = std::make_unique<WorldState>();
        GameTrail trail;
        const SaveReadResult read = readSaveDocument(in.readAll(), *loaded, bitmap, {}, nullptr, &trail);
        EXPECT_TRUE(read.ok) << read.message.toStdString();
        EXPECT_FALSE(trail.kept());
        EXPECT_TRUE(read.trailMessage.isEmpty());
    }
}

TEST(TrailSave, ABusyGameGrowsItsSaveByLessThanTwoKilobytesAYear)
{
    // The soak's player (ten generals kept training, attacks whenever his
    // best is stronger) and the restless one beside him, up to fifty years.
    // The save grows by its records and by the trail; the message log stops
    // growing once it holds its 200 lines, and is measured from there.
    for (const bool restless : {false, true})
        for (const std::string map : {"Afrika", "Amerika", "Asien", "Europa"}) {
            SCOPED_TRACE(map + (restless ? " restless" : ""));
            KeptGame game(map, 5, RulesKlassisch, 3);
            game.restless = restless;
            qsizetype full = 0;
            int fullAt = 0;
            for (int t = 0; t < 50 * 48 && game.w->playing; ++t) {
                game.playerTurn(), game.tick();
                if (!full && game.w->events.size() == MaxEvents && game.w->tickCount == 0)
                    full = save(game).size(), fullAt = t;
            }
            const double years = double(game.trail.ticks) / 48;
            const double trailPerYear =
                double(QJsonDocument(encodeTrail(game.trail)).toJson(QJsonDocument::Compact).size()) / years;
            EXPECT_LT(trailPerYear, 2048);
            const double later = double(game.trail.ticks - fullAt) / 48;
            const double savePerYear = full > 0 && later >= 5 ? double(save(game).size() - full) / later : 0;
            EXPECT_LT(savePerYear, 2048);
        }
}
