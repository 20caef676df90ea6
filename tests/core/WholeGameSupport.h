#pragma once

// Shared by the rule tests: a view that records what the rules show, worlds
// built in code, and scripted draws.

#include "simulation/GameView.h"
#include "world/Random.h"
#include "world/WorldState.h"

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace stratagon::test {

struct Fill {
    int x;
    int y;
    Rgb colour;
    bool operator==(const Fill&) const = default;
};

struct Message {
    std::string text;
    std::string title;
    bool playingWhenShown;
};

class RecordingView : public GameView {
public:
    explicit RecordingView(const WorldState* world = nullptr) : world_(world) {}

    void showStatusRunning() override { calls.push_back("status"); }
    void enableSideMenuButton() override { calls.push_back("sideMenu"); }
    bool loadMapPicture() override
    {
        calls.push_back("picture");
        return pictureLoads;
    }
    void startClock(int periodMs) override
    {
        calls.push_back("startClock");
        clockPeriod = periodMs;
    }
    void recreateSurface() override { calls.push_back("surface"); }
    void clearMap() override
    {
        calls.push_back("clear");
        fills.clear();
    }
    void fillCountry(int x, int y, Rgb colour) override
    {
        calls.push_back("fill");
        fills.push_back({x, y, colour});
    }
    void showBattlePanel() override { calls.push_back("battlePanel"); }
    void showInfoPanel() override { calls.push_back("infoPanel"); }
    void drawDate(const std::string& text) override
    {
        calls.push_back("date");
        dates.push_back(text);
    }
    void showMessage(const std::string& text, const std::string& title) override
    {
        calls.push_back("message");
        messages.push_back({text, title, world_ ? world_->playing : false});
        if (onMessage)
            onMessage();
    }
    void closeGame() override
    {
        calls.push_back("close");
        playingWhenClosed = world_ ? world_->playing : false;
        ++closed;
    }

    // The calls of the last tick, from its "clear" on.
    std::vector<std::string> lastTickCalls() const
    {
        for (std::size_t i = calls.size(); i-- > 0;)
            if (calls[i] == "clear")
                return {calls.begin() + static_cast<std::ptrdiff_t>(i), calls.end()};
        return {};
    }

    std::vector<std::string> calls;
    std::vector<Fill> fills;
    std::vector<std::string> dates;
    std::vector<Message> messages;
    std::function<void()> onMessage;
    bool pictureLoads = true;
    int clockPeriod = -1;
    int closed = 0;
    bool playingWhenClosed = true;

private:
    const WorldState* world_;
};

inline void pushDraws(ScriptedRandom& random, std::initializer_list<int> values, int n)
{
    for (int v : values)
        random.pushDraw(v, n);
}

// A world of `count` countries "C1".."Cn" in a row, each the neighbour of the
// next, every one passive and its own owner; seeds at (10 * i, 5).
inline std::unique_ptr<WorldState> chainWorld(int count)
{
    auto w = std::make_unique<WorldState>();
    w->countryCount = count;
    w->continentName = "Testland";
    w->aiDivisor = 1;
    w->monthInterval = 416;
    for (int i = 1; i <= count; ++i) {
        w->countryName[i] = "C" + std::to_string(i);
        w->countryCode[i] = std::string(1, static_cast<char>('A' + i - 1));
        w->countryOwner[i] = i;
        w->countryKind[i] = KindPassive;
        w->fillX[i] = 10 * i;
        w->fillY[i] = 5;
        int k = 0;
        if (i > 1)
            w->neighbourName[i][++k] = "C" + std::to_string(i - 1);
        if (i < count)
            w->neighbourName[i][++k] = "C" + std::to_string(i + 1);
        w->neighbourCount[i] = k;
    }
    w->side[0] = 1;
    w->side[1] = count >= 2 ? 2 : 1;
    w->sideMax = 1;
    w->countryKind[1] = KindPlayer;
    w->playing = true;
    return w;
}

inline void addGeneral(WorldState& w, int side, const std::string& name, int ep,
                       GeneralStatus status = Ready)
{
    const int slot = ++w.generalCount[side];
    w.generalName[side][slot] = name;
    w.generalEP[side][slot] = ep;
    w.generalStatus[side][slot] = status;
}

}  // namespace stratagon::test
