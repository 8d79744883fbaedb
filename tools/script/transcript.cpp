#include "tools/script/transcript.h"

namespace kvint::script {

void writeRecord(std::ostream& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) {
            out << '\t';
        }
        out << escapeText(field);
        first = false;
    }
    out << '\n';
}

} // namespace kvint::script
