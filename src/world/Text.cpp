// SPDX-License-Identifier: GPL-3.0-or-later
#include "world/Text.h"

#include "world/Ranks.h"
#include "world/WorldState.h"

namespace stratagon {

std::string germanText(const Text& text)
{
    std::string out;
    const std::string& id = text.id;
    // One pass, so that a value holding "%2" is never filled in again.
    for (std::size_t i = 0; i < id.size(); ++i) {
        const bool placeholder = id[i] == '%' && i + 1 < id.size() && id[i + 1] >= '1' && id[i + 1] <= '9';
        if (!placeholder || text.context.empty()) {
            out += id[i];
            continue;
        }
        const std::size_t n = std::size_t(id[++i] - '1');
        if (n >= text.args.size())
            continue;
        const TextArg& arg = text.args[n];
        switch (arg.kind) {
        case TextArg::Kind::Number:
            out += std::to_string(arg.number);
            break;
        case TextArg::Kind::Rank:
            out += rankName(int32_t(arg.number));
            break;
        case TextArg::Kind::Month:
            out += monthName(int(arg.number));
            break;
        case TextArg::Kind::Texts:
            out += germanText(arg.parts, arg.text);
            break;
        default:
            out += arg.text;
        }
    }
    return out;
}

std::string germanText(const std::vector<Text>& parts, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            out += separator;
        out += germanText(parts[i]);
    }
    return out;
}

}  // namespace stratagon
