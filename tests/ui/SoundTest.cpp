// SPDX-License-Identifier: GPL-3.0-or-later
// The game's sounds: what the program plays for the session's news, the
// settings window's "Ton :" and "Lautstärke :", and the player of real
// effects without an audio output.

#include "../core/CoreTestSupport.h"
#include "ShellTestSupport.h"

#include "ScriptedPlayer.h"
#include "shell/SoundSettingsBox.h"
#include "sound/EffectPlayer.h"
#include "simulation/Setup.h"
#include "world/MapLoader.h"

#include <QComboBox>
#include <QSettings>

using namespace stratagon;
using namespace stratagon::test;

namespace {

// Keeps what would have been heard.
class HeardSounds final : public SoundPlayer {
public:
    std::vector<SoundCue> heard;

protected:
    void output(SoundCue cue) override { heard.push_back(cue); }
};

HeardSounds& listen(TestProgram& t)
{
    auto player = std::make_unique<HeardSounds>();
    HeardSounds& ears = *player;
    t.program->setSoundPlayer(std::move(player));
    return ears;
}

// A new game on the small fixture map, the player with one ready general.
void startSmallGame(TestProgram& t)
{
    GameSession& session = t.program->session();
    const std::string map = STRATAGON_FIXTURES "/small.mgi";
    ASSERT_TRUE(loadMap(*t.world, map).ok);
    t.world->side[0] = defaultSide(*t.world);
    ASSERT_TRUE(session.startNewGame(map, 1, nullptr).started);
    ASSERT_EQ(session.recruit("Blücher"), RecruitOutcome::Recruited);
    t.world->generalStatus[t.world->side[0]][1] = Ready;
}

int neighbourOfPlayer(const WorldState& w)
{
    const int player = w.side[0];
    return countryIndexByName(w, w.neighbourName[player][1]);
}

}  // namespace

// The session's news reach the player of sounds: his attacks when they open
// a battle, each tick's most important cue, nothing for a quiet tick; with
// "Ton : Aus" or at volume 0 nothing at all.
TEST(Sound, TheSessionsNewsAreHeardUnlessTheSoundIsOff)
{
    TestProgram t;
    HeardSounds& ears = listen(t);
    startSmallGame(t);
    GameSession& session = t.program->session();
    const int target = neighbourOfPlayer(*t.world);
    ASSERT_GT(target, 0);
    EXPECT_EQ(session.attack(target, 1), AttackOutcome::Launched);
    EXPECT_EQ(session.attack(target, 1), AttackOutcome::NotReady);
    EXPECT_EQ(ears.heard, std::vector<SoundCue>{SoundCue::PlayerAttack});

    const int player = t.world->side[0];
    TickReport news;
    news.happenings.push_back(Happening::opened({player, target, player, 1, 1, "", "", 0, 0}));
    news.happenings.push_back(Happening::promoted({player, 1, 0, 100000, "Blücher"}));
    emit session.ticked(news);
    emit session.ticked(TickReport{});
    EXPECT_EQ(ears.heard, (std::vector<SoundCue>{SoundCue::PlayerAttack, SoundCue::UnderAttack}));

    for (const bool off : {true, false}) {
        ears.heard.clear();
        ears.setEnabled(!off);
        ears.setVolume(off ? 60 : 0);
        emit session.ticked(news);
        t.world->generalStatus[player][1] = Ready;
        session.attack(neighbourOfPlayer(*t.world), 1);
        EXPECT_TRUE(ears.heard.empty());
    }
}

// The settings window: the kept values shown, every change heard at once,
// "OK" keeps them in stratagon.ini ("true"/"false", 0..100) for the next
// start, every other way out brings back what was kept.
TEST(Sound, SettingsAreHeardAtOnceAndKeptOnlyByOk)
{
    for (const QString way : {"OK", "Abbrechen", "frame"}) {
        SCOPED_TRACE(way.toStdString());
        TestProgram t;
        ASSERT_TRUE(t.program->start());
        HeardSounds& ears = listen(t);
        EXPECT_TRUE(ears.enabled() && ears.volume() == 60);  // nothing kept yet
        press(t.program->optionsMenu(), "Optionen");
        SettingsWindow* w = t.program->settingsWindow();
        ASSERT_TRUE(w && w->soundBox());
        QComboBox* choice = w->soundBox()->soundChoice();
        QSlider* volume = w->soundBox()->volumeSlider();
        EXPECT_EQ(row(choice->currentText().toStdString(), volume->value()), row("An", 60));
        volume->setValue(35);
        EXPECT_EQ(ears.volume(), 35);
        emit volume->sliderReleased();  // a sample at the new level
        choice->setCurrentText("Aus");
        EXPECT_FALSE(ears.enabled());
        ears.play(SoundCue::UnderAttack);
        EXPECT_EQ(ears.heard, std::vector<SoundCue>{SoundCue::Promotion});
        if (way == "frame")
            closeByFrame(w);
        else
            press(w, way);
        const bool kept = way == "OK";
        EXPECT_EQ(row(ears.enabled(), ears.volume()), kept ? row(false, 35) : row(true, 60));
        const QSettings ini(t.program->preferences().file(), QSettings::IniFormat);
        EXPECT_EQ(row(ini.value("sound/enabled").toString().toStdString(), ini.value("sound/volume").toInt()),
                  kept ? row("false", 35) : row("", 0));

        // The next start hears what was kept.
        Program again(*t.world, t.random, t.dialogs, t.folder.path());
        EXPECT_EQ(row(again.sound().enabled(), again.sound().volume()), kept ? row(false, 35) : row(true, 60));
    }
}

// What the file says is taken within its range; anything unreadable is the default.
TEST(Sound, KeptValuesAreReadWithinTheirRange)
{
    TestProgram t;
    Preferences& kept = t.program->preferences();
    const struct {
        const char* enabled;
        const char* volume;
        bool on;
        int percent;
    } cases[] = {
        {"false", "0", false, 0}, {"true", "100", true, 100}, {"FALSE", "250", true, 100},
        {"", "-3", true, 0},      {"ja", "laut", true, 60},
    };
    for (const auto& c : cases) {
        kept.setValue("sound/enabled", c.enabled), kept.setValue("sound/volume", c.volume);
        EXPECT_EQ(row(kept.soundEnabled(), kept.soundVolume()), row(c.on, c.percent)) << c.enabled << c.volume;
    }
    HeardSounds ears;
    ears.setVolume(140);
    EXPECT_EQ(ears.volume(), 100);
}

// Without a sound server (the tests run without one) the real player loads
// nothing, plays nothing and does not fail; with one, it plays the shipped
// files. Every cue but None has a shipped file.
TEST(Sound, TheEffectPlayerIsSilentWithoutAnOutputAndFindsEveryFile)
{
    TestProgram t;
    std::array<QString, SoundCueCount> files;
    for (int i = 1; i < SoundCueCount; ++i) {
        files[std::size_t(i)] = t.program->paths().soundFile(SoundPlayer::fileName(SoundCue(i)));
        EXPECT_TRUE(QFileInfo(files[std::size_t(i)]).isFile()) << i;
    }
    EXPECT_TRUE(SoundPlayer::fileName(SoundCue::None).isEmpty());
    EffectPlayer player(files);
    for (int i = 0; i < SoundCueCount; ++i)
        player.play(SoundCue(i));
    player.setVolume(0);
    player.play(SoundCue::GameWon);
    t.program->startSound();
    t.program->sound().play(SoundCue::UnderAttack);
}
