// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Character.h"

#include "world/Rules.h"
#include "world/Text.h"

#include <algorithm>
#include <vector>

namespace stratagon {

namespace {

const std::array<CharacterInfo, CharacterCount> Characters = {{
    {"standard", QT_TRANSLATE_NOOP("GameNames", "Standard"),
     QT_TRANSLATE_NOOP("GameCharacters",
                       "Greift jeden Nachbarn an, dessen Verteidiger weniger EP hat als sein bester General.")},
    {"conqueror", QT_TRANSLATE_NOOP("GameNames", "Eroberer"),
     QT_TRANSLATE_NOOP("GameCharacters",
                       "Greift immer den schwächsten Nachbarn an und breitet sich schnell aus.")},
    {"guardian", QT_TRANSLATE_NOOP("GameNames", "Wächter"),
     QT_TRANSLATE_NOOP("GameCharacters",
                       "Hält seine Grenzen, schlägt zurück und holt sich verlorene Länder wieder.")},
    {"strategist", QT_TRANSLATE_NOOP("GameNames", "Stratege"),
     QT_TRANSLATE_NOOP("GameCharacters",
                       "Bildet aus, bevor er zuschlägt, und greift den Führenden dort an, wo er schwach ist.")},
}};

constexpr std::string_view MixedKey = "mixed";
constexpr std::string_view RandomKey = "random";

std::string_view entryKey(int entry)
{
    return entry == RandomCharacter ? RandomKey : characterInfo(entry).key;
}

}  // namespace

const char* const MixedName = QT_TRANSLATE_NOOP("GameNames", "Gemischt");
const char* const MixedDescription =
    QT_TRANSLATE_NOOP("GameCharacters", "Jeder Gegner bekommt zufällig einen anderen Charakter.");
const char* const RandomName = QT_TRANSLATE_NOOP("GameNames", "Zufällig");

const CharacterInfo& characterInfo(int character)
{
    return Characters[static_cast<std::size_t>(character >= 0 && character < CharacterCount ? character : 0)];
}

int characterFromKey(std::string_view key)
{
    for (int c = 0; c < CharacterCount; ++c)
        if (Characters[static_cast<std::size_t>(c)].key == key)
            return c;
    return -1;
}

int characterOf(const WorldState& world, int side)
{
    for (int s = 1; s <= std::clamp(world.sideMax, 0, 9); ++s)
        if (world.side[static_cast<std::size_t>(s)] == side)
            return std::clamp(world.opponentCharacter[static_cast<std::size_t>(s)], 0, CharacterCount - 1);
    return CharacterStandard;
}

CharacterChoice CharacterChoice::mix() { return {}; }

CharacterChoice CharacterChoice::all(int character)
{
    CharacterChoice choice;
    choice.mixed = false;
    choice.each[0] = character;
    choice.count = 1;
    return choice;
}

std::string CharacterChoice::key() const
{
    if (mixed || count < 1)
        return std::string(MixedKey);
    std::string key;
    for (int i = 0; i < std::min(count, MaxChosenOpponents); ++i)
        key += (i ? "," : "") + std::string(entryKey(each[static_cast<std::size_t>(i)]));
    return key;
}

bool CharacterChoice::fromKey(std::string_view key, CharacterChoice& choice)
{
    if (key == MixedKey) {
        choice = mix();
        return true;
    }
    CharacterChoice read;
    read.mixed = false;
    while (true) {
        const std::size_t comma = key.find(',');
        const std::string_view part = key.substr(0, comma);
        const int entry = part == RandomKey ? RandomCharacter : characterFromKey(part);
        if ((entry < 0 && part != RandomKey) || read.count >= MaxChosenOpponents)
            return false;
        read.each[static_cast<std::size_t>(read.count++)] = entry;
        if (comma == std::string_view::npos)
            break;
        key.remove_prefix(comma + 1);
    }
    choice = read;
    return true;
}

CharacterChoice defaultCharacterChoice(int ruleSet)
{
    return ruleSet == RulesZuegig ? CharacterChoice::mix() : CharacterChoice::all(CharacterStandard);
}

void assignCharacters(WorldState& world, RandomSource& random, const CharacterChoice& choice)
{
    world.opponentCharacter.fill(CharacterStandard);
    // The characters a draw chooses from: in a mix those not given yet,
    // all again once every one is out.
    std::vector<int> left;
    for (int s = 1; s <= std::clamp(world.sideMax, 0, 9); ++s) {
        int character = RandomCharacter;
        if (!choice.mixed && choice.count > 0)
            character = choice.each[static_cast<std::size_t>(std::min(s, choice.count) - 1)];
        if (character == RandomCharacter) {
            if (!choice.mixed || left.empty()) {
                left.clear();
                for (int c = 1; c < CharacterCount; ++c)
                    left.push_back(c);
            }
            const auto pick = static_cast<std::size_t>(random.draw(static_cast<int>(left.size())));
            character = left[pick];
            if (choice.mixed)
                left.erase(left.begin() + static_cast<std::ptrdiff_t>(pick));
        }
        world.opponentCharacter[static_cast<std::size_t>(s)] = std::clamp(character, 0, CharacterCount - 1);
    }
}

}  // namespace stratagon
