#include "tools/coach/session.h"

#include "tools/coach/answer.h"
#include "tools/coach/query.h"
#include "tools/coach/query_lines.h"

#include <ios>
#include <optional>
#include <string>
#include <variant>

namespace kvint::coachtool {
namespace {

// The answer to one line, or nothing for a line that gets none.
std::optional<std::string> answerTo(const std::string& line, CoachOnDemand& coach) {
    const Query query = parseQuery(line);
    if (const auto* bad = std::get_if<Malformed>(&query)) {
        return "error " + bad->message;
    }
    const auto* position = std::get_if<coach::Position>(&query);
    if (position == nullptr) {
        return std::nullopt;
    }
    const coach::Advice advice = coach.get().advise(*position);
    checkAdvice(*position, advice);
    return answerLine(advice);
}

SessionEnd answerAll(QueryLines& lines, std::ostream& out, CoachOnDemand& coach) {
    std::string line;
    for (;;) {
        std::optional<std::string> answer;
        switch (lines.next(line)) {
        case QueryLines::Status::end:
            return SessionEnd::endOfInput;
        case QueryLines::Status::failed:
            return SessionEnd::unreadable;
        case QueryLines::Status::tooLong:
            answer = "error line longer than " + std::to_string(QueryLines::kMaxLine) + " bytes";
            break;
        case QueryLines::Status::line:
            answer = answerTo(line, coach);
            break;
        }
        if (answer) {
            out << *answer << '\n' << std::flush;
        }
        if (!out) {
            return SessionEnd::outputFailed;
        }
    }
}

} // namespace

SessionEnd answerQueries(std::istream& in, std::ostream& out, CoachOnDemand& coach) {
    QueryLines lines(in);
    try {
        return answerAll(lines, out, coach);
    } catch (const std::ios_base::failure&) {
        // The stream's buffer reports a failed read so.
        return SessionEnd::unreadable;
    }
}

} // namespace kvint::coachtool
