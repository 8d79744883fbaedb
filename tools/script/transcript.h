#pragma once

#include "game/escape.h"

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>

namespace kvint::script {

// Writes one transcript record: the fields, escaped, joined by TAB, and a
// line feed after the last.
void writeRecord(std::ostream& out, std::initializer_list<std::string_view> fields);

} // namespace kvint::script
