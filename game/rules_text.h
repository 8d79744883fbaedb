#pragma once

#include "game/languages.h"
#include "game/messages.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kvint {

// More than this is not read: the rules box is no place for a large file.
inline constexpr std::size_t kRulesLimit = std::size_t{1} << 20;

// The raw bytes of the rules file as far as they were read.
struct RulesFile {
    bool readable = false;
    bool truncated = false; // the file goes on past the limit
    std::string bytes;
};

// Reads at most `limit` bytes. Anything but a regular file that can be
// opened and read counts as unreadable.
RulesFile readRulesFile(const std::filesystem::path& file, std::size_t limit = kRulesLimit);

// The rules file of each language, beside the program.
constexpr std::string_view rulesFile(Language lang) {
    return languageInfo(lang).rulesFile;
}

// The text the rules box shows for what was read: decoded to UTF-8, each
// line followed by one line feed, with a note in lang when the file `name`
// was unreadable or cut short.
std::string rulesText(const RulesFile& file, Language lang = Language::ru,
                      std::string_view name = rulesFile(Language::ru));

// A line ends at CR or at CR LF; a lone LF belongs to its line. Each line
// comes out followed by one LF; a last line without an end still counts.
std::string joinLines(std::string_view bytes);

bool isUtf8(std::string_view bytes);
std::string cp1251ToUtf8(std::string_view bytes);
// Length of bytes without an unfinished UTF-8 sequence at their very end.
std::size_t withoutCutSequence(std::string_view bytes);

} // namespace kvint
