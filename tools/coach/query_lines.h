#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace kvint::coachtool {

// Reads queries line by line: a line feed ends a line, and a carriage return
// right before it is dropped. Only what a query needs is kept: a run of
// blanks and tabs is kept as its first one, and a comment as its `#` alone.
// So a line is capped far above any query without refusing one, and a
// hostile input cannot make the tool swallow all memory; the rest of a line
// too long is read and thrown away, and the next line is a fresh one.
class QueryLines {
  public:
    static constexpr std::size_t kMaxLine = 4096;

    enum class Status : unsigned char { line, tooLong, end, failed };

    explicit QueryLines(std::istream& in) : in_(in) {}

    // Reads the next line into `line`, consuming nothing past its line feed.
    Status next(std::string& line);

  private:
    std::istream& in_;
};

} // namespace kvint::coachtool
