#include "tools/coach/query_lines.h"

namespace kvint::coachtool {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

QueryLines::Status QueryLines::next(std::string& line) {
    line.clear();
    std::streambuf* buf = in_.rdbuf();
    if (!in_ || buf == nullptr) {
        return Status::failed;
    }
    using Traits = std::streambuf::traits_type;
    int c = buf->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
        return Status::end;
    }
    bool tooLong = false;
    for (; !Traits::eq_int_type(c, Traits::eof()) && c != '\n'; c = buf->sbumpc()) {
        const char ch = Traits::to_char_type(c);
        if (line == "#" || (isBlank(ch) && !line.empty() && isBlank(line.back()))) {
            continue;
        }
        if (line.size() == kMaxLine) {
            tooLong = true;
            continue;
        }
        line += ch;
    }
    if (tooLong) {
        line.clear();
        return Status::tooLong;
    }
    if (c == '\n' && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return Status::line;
}

} // namespace kvint::coachtool
