#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace kvint::script {

// A text as one transcript field: backslash, line feed, carriage return and
// TAB become \\, \n, \r and \t so that every record stays on one line. All
// other bytes pass through unchanged.
std::string escapeText(std::string_view text);

// Writes one transcript record: the fields, escaped, joined by TAB, and a
// line feed after the last.
void writeRecord(std::ostream& out, std::initializer_list<std::string_view> fields);

} // namespace kvint::script
