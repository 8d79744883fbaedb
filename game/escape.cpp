#include "game/escape.h"

namespace kvint {
namespace {

std::optional<char> escaped(char c) {
    switch (c) {
    case '\\':
        return '\\';
    case 'n':
        return '\n';
    case 'r':
        return '\r';
    case 't':
        return '\t';
    default:
        return std::nullopt;
    }
}

} // namespace

std::string escapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescapeText(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\n' || c == '\r' || c == '\t') {
            return std::nullopt;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == field.size()) {
            return std::nullopt;
        }
        const auto plain = escaped(field[i]);
        if (!plain) {
            return std::nullopt;
        }
        out += *plain;
    }
    return out;
}

} // namespace kvint
