#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvint {

// A text as one field of a line-based record: backslash, line feed, carriage
// return and TAB become \\, \n, \r and \t so that every record stays on one
// line and its fields apart. All other bytes pass through unchanged.
std::string escapeText(std::string_view text);

// The text escapeText made; nothing for a TAB, a line end, a backslash
// escaping anything else, or a backslash at the very end.
std::optional<std::string> unescapeText(std::string_view field);

} // namespace kvint
