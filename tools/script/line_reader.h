#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>

namespace kvint::script {

// Reads a script line by line: a byte-order mark at the very start is
// dropped, a line feed ends a line, and a carriage return right before it is
// not part of the line (a lone one is kept). Lines are capped so that a
// hostile script cannot make the tool swallow all memory.
class LineReader {
  public:
    static constexpr std::size_t kMaxLine = std::size_t{16} << 20;

    enum class Status : unsigned char { line, end, tooLong, unreadable };

    explicit LineReader(std::istream& in) : in_(in) {}

    // Reads the next line into `line`.
    Status next(std::string& line);
    [[nodiscard]] std::size_t lineNumber() const { return number_; }

  private:
    std::istream& in_;
    std::size_t number_ = 0;
};

} // namespace kvint::script
