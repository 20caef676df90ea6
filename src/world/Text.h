// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A text of the rules as data: the German source sentence with its
// placeholders (%1, %2, ...) and the values that fill them. The rules know
// no language; the session's renderer (session/GameText.h) puts a Text into
// the one the player reads, and saves keep it as it is, so a game saved in
// one language reads in another.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// The marker the translation tools look for. Qt defines it the same way; the
// rules define it themselves so that they need no Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace stratagon {

struct Text;

// One value of a Text, with what it is so the renderer knows how to show it.
struct TextArg {
    enum class Kind : int16_t {
        Plain,   // shown as it is: a general's name, a file name
        Number,  // a whole number
        Name,    // a name of the game data (country, continent, map), translated
        Rank,    // the rank for `number` EP
        Month,   // the month `number`, 1..12
        // Texts of their own (`parts`), each rendered in its own context and
        // joined by `text`: a field's name inside a sentence, a list of
        // findings. Only for texts shown at once (a map's faults); saves
        // store no parts, and their loader refuses this kind.
        Texts,
    };
    Kind kind = Kind::Plain;
    std::string text;
    int64_t number = 0;
    std::vector<Text> parts;  // Texts only

    static TextArg plain(std::string s);
    static TextArg num(int64_t n);
    static TextArg name(std::string s);
    static TextArg rank(int32_t ep);
    static TextArg month(int m);
    static TextArg nested(Text part);
    static TextArg joined(std::vector<Text> parts, std::string separator);

    bool operator==(const TextArg&) const = default;
};

struct Text {
    // The translation context; empty for a text kept as it was written (a
    // message of an old save, or a text from outside the game).
    std::string context;
    std::string id;  // the German source
    std::vector<TextArg> args;

    Text() = default;
    Text(std::string ctx, std::string source, std::vector<TextArg> values = {})
        : context(std::move(ctx)), id(std::move(source)), args(std::move(values))
    {
    }
    static Text verbatim(std::string s) { return {{}, std::move(s)}; }

    bool empty() const { return id.empty(); }
    bool operator==(const Text&) const = default;
};

// Defined here, where Text is complete.
inline TextArg TextArg::plain(std::string s) { return {Kind::Plain, std::move(s), 0, {}}; }
inline TextArg TextArg::num(int64_t n) { return {Kind::Number, {}, n, {}}; }
inline TextArg TextArg::name(std::string s) { return {Kind::Name, std::move(s), 0, {}}; }
inline TextArg TextArg::rank(int32_t ep) { return {Kind::Rank, {}, ep, {}}; }
inline TextArg TextArg::month(int m) { return {Kind::Month, {}, m, {}}; }
inline TextArg TextArg::nested(Text part) { return {Kind::Texts, {}, 0, {std::move(part)}}; }
inline TextArg TextArg::joined(std::vector<Text> parts, std::string separator)
{
    return {Kind::Texts, std::move(separator), 0, std::move(parts)};
}

// The contexts of the rules' texts.
constexpr const char* MessagesContext = "GameMessages";
constexpr const char* ErrorsContext = "GameErrors";
constexpr const char* EndContext = "GameEnd";
// A map file or picture the game cannot use.
constexpr const char* MapErrorsContext = "MapErrors";
// The settings file and the save files.
constexpr const char* FileErrorsContext = "FileErrors";

// Sentences said one after another, as one text.
inline Text sentences(std::vector<Text> parts)
{
    return {MessagesContext, "%1", {TextArg::joined(std::move(parts), " ")}};
}

// The German text with its placeholders filled as the game showed them before
// any translation: what the rules' tests and the soak print.
std::string germanText(const Text& text);
// Texts one after another in German, `separator` between them.
std::string germanText(const std::vector<Text>& parts, std::string_view separator = {});

}  // namespace stratagon
