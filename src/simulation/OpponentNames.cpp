// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the computer opponents' generals: a pool for each shipped
// continent, and all of them together for a map of one's own. Which ones a
// game sees follows its draws, so every game has other generals.

#include "simulation/Opponent.h"

#include <algorithm>
#include <array>

namespace stratagon {

namespace {

constexpr std::array<std::string_view, 40> Afrika = {
    "Zurwabwe", "Labamba", "Abeni",  "Kwame",  "Tendai", "Amara",   "Jabari", "Nkosana", "Sefu",  "Imani",
    "Kofi",     "Lerato",  "Chidi",  "Desta",  "Folami", "Gamba",   "Ifeoma", "Jelani",  "Kamau", "Lwazi",
    "Mosi",     "Nuru",    "Obinna", "Pili",   "Rudo",   "Sadiki",  "Tau",    "Uzoma",   "Wekesa", "Zola",
    "Ayo",      "Bongani", "Dalu",   "Enu",    "Farai",  "Gugu",    "Hamisi", "Kato",    "Makena", "Thabo",
};

constexpr std::array<std::string_view, 40> Europa = {
    "Erwin",  "Stormf",  "Tellig",  "Hammonde", "Anselm", "Bertrand", "Casimir", "Dragan",  "Edvard",  "Florian",
    "Gustav", "Henrik",  "Ivo",     "Jaromir",  "Konrad", "Leopold",  "Mattis",  "Niklas",  "Oskar",   "Pavel",
    "Quirin", "Rasmus",  "Sören",   "Tadeusz",  "Ulrich", "Valentin", "Wenzel",  "Xaver",   "Yannick", "Zdenko",
    "Albin",  "Bruno",   "Cosmin",  "Detlef",   "Egon",   "Fabian",   "Gregor",  "Hugo",    "Ilja",    "Lorenz",
};

constexpr std::array<std::string_view, 40> Asien = {
    "Bepluppo", "Arjun",  "Batu",   "Chen",    "Daichi", "Emin",   "Farhad", "Ganbold", "Haruto",  "Ilhan",
    "Jiro",     "Kenji",  "Li Wei", "Mirza",   "Nurlan", "Omid",   "Parviz", "Qiang",   "Rustam",  "Sanjar",
    "Vikram",   "Wen",    "Xun",    "Yusuf",   "Zhao",   "Aziz",   "Bolat",  "Daniyar", "Eldor",   "Faisal",
    "Gopal",    "Hiro",   "Ishaan", "Jae-won", "Kiran",  "Lin",    "Minh",   "Nam",     "Oyun",    "Tenzin",
};

constexpr std::array<std::string_view, 40> Amerika = {
    "Tinkay",  "Ibsyd",    "Pouwo",   "Alonso", "Benicio",  "Cayetano", "Dario",    "Emiliano", "Facundo", "Gael",
    "Horacio", "Inti",     "Joaquín", "Kaleb",  "Leandro",  "Mateo",    "Nahuel",   "Octavio",  "Paco",    "Quinn",
    "Ramiro",  "Santiago", "Ulises",  "Vicente", "Wade",    "Xavier",   "Yago",     "Zeke",     "Amaru",   "Bento",
    "Caio",    "Dante",    "Elias",   "Gonzalo", "Hector",  "Ignacio",  "Jacinto",  "Lautaro",  "Maximo",  "Nilo",
};

constexpr std::array<std::string_view, 160> joined()
{
    std::array<std::string_view, 160> all{};
    std::size_t n = 0;
    for (const auto* pool : {&Afrika, &Europa, &Asien, &Amerika})
        for (const std::string_view name : *pool)
            all[n++] = name;
    return all;
}
constexpr std::array<std::string_view, 160> Everywhere = joined();

}  // namespace

std::span<const std::string_view> opponentNamePool(const std::string& continent)
{
    if (continent == "Afrika")
        return Afrika;
    if (continent == "Europa")
        return Europa;
    if (continent == "Asien")
        return Asien;
    if (continent == "Amerika")
        return Amerika;
    return Everywhere;
}

std::string pickOpponentName(const WorldState& world, RandomSource& random, int side)
{
    const std::span<const std::string_view> pool = opponentNamePool(world.continentName);
    const auto drawn = static_cast<std::size_t>(random.draw(static_cast<int>(pool.size())));
    if (!validSideIndex(side))
        return std::string(pool[drawn]);
    // A name his side already has goes to the next free one of the pool, so
    // that two of his generals never share one while the pool lasts.
    const int count = std::clamp(world.generalCount[side], 0, MaxGenerals);
    for (std::size_t k = 0; k < pool.size(); ++k) {
        const std::string_view name = pool[(drawn + k) % pool.size()];
        bool taken = false;
        for (int j = 1; j <= count && !taken; ++j)
            taken = world.generalName[side][j] == name;
        if (!taken)
            return std::string(name);
    }
    return std::string(pool[drawn]);
}

}  // namespace stratagon
