#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace kvint {

// The language every text the player reads is shown in. Russian is the
// game's own; the script tool and the tests always play in it.
enum class Language : unsigned char { ru, en };

// What the program needs of a language besides its texts, which are in the
// message catalogue.
struct LanguageInfo {
    Language id;
    std::string_view code;      // as --lang takes it and a desktop names it
    std::string_view rulesFile; // beside the program, shipped from data/
    std::string_view qtLocale;  // for Qt's own buttons, numbers and dates
};

// Every language the program speaks, in the order of Language.
// clang-format off
inline constexpr std::array kLanguages = {
    LanguageInfo{Language::ru, "ru", "help.rls",    "ru_RU"},
    LanguageInfo{Language::en, "en", "help-en.rls", "en_US"},
};
// clang-format on

static_assert(
    [] {
        for (std::size_t i = 0; i < kLanguages.size(); ++i) {
            if (static_cast<std::size_t>(kLanguages[i].id) != i) {
                return false;
            }
        }
        return true;
    }(),
    "kLanguages lists the languages in the order of Language");

constexpr const LanguageInfo& languageInfo(Language lang) {
    return kLanguages[static_cast<std::size_t>(lang)];
}

// The language whose code is exactly `code`, if the program speaks it.
constexpr std::optional<Language> languageWithCode(std::string_view code) {
    for (const LanguageInfo& language : kLanguages) {
        if (language.code == code) {
            return language.id;
        }
    }
    return std::nullopt;
}

} // namespace kvint
