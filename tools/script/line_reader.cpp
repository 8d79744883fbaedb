#include "tools/script/line_reader.h"

#include <string_view>

namespace kvint::script {

LineReader::Status LineReader::next(std::string& line) {
    line.clear();
    std::streambuf* buf = in_.rdbuf();
    if (!in_ || buf == nullptr) {
        return Status::unreadable;
    }
    using Traits = std::streambuf::traits_type;
    int c = buf->sbumpc();
    if (Traits::eq_int_type(c, Traits::eof())) {
        return Status::end;
    }
    ++number_;
    while (!Traits::eq_int_type(c, Traits::eof()) && c != '\n') {
        if (line.size() == kMaxLine) {
            return Status::tooLong;
        }
        line += Traits::to_char_type(c);
        c = buf->sbumpc();
    }
    if (c == '\n' && !line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (number_ == 1 && std::string_view(line).starts_with(bom)) {
        line.erase(0, bom.size());
    }
    return Status::line;
}

} // namespace kvint::script
