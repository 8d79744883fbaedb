#include "tools/coach/query.h"

#include "tools/coach/quote.h"
#include "tools/script/numbers.h"

#include <cstddef>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace kvint::coachtool {
namespace {

std::vector<std::string_view> wordsOf(std::string_view line) {
    constexpr std::string_view blanks = " \t";
    std::vector<std::string_view> words;
    std::size_t at = line.find_first_not_of(blanks);
    while (at != std::string_view::npos) {
        const std::size_t end = line.find_first_of(blanks, at);
        words.push_back(line.substr(at, end - at));
        at = end == std::string_view::npos ? end : line.find_first_not_of(blanks, end);
    }
    return words;
}

// Thrown inside the parser only: the first fault found ends the query.
struct Fault {
    std::string message;
};

// Walks the words of one query in their order.
class Cursor {
  public:
    explicit Cursor(std::vector<std::string_view> words) : words_(std::move(words)) {}

    // The word `name`, which the faults call `described`.
    void word(std::string_view name, const std::string& described) {
        if (at_ == words_.size()) {
            throw Fault{"missing " + described};
        }
        const std::string_view got = words_[at_++];
        if (got != name) {
            throw Fault{"unknown word " + quoted(got) + " where " + described + " belongs"};
        }
    }

    void field(std::string_view name) { word(name, "field '" + std::string(name) + "'"); }

    // The next word as a number lo..hi; `what` names the value in a fault,
    // `range` spells the values allowed.
    u8 value(const std::string& what, unsigned lo, unsigned hi, std::string_view range) {
        if (at_ == words_.size()) {
            throw Fault{"missing " + what + " (" + std::string(range) + ")"};
        }
        const std::string_view word = words_[at_++];
        const auto v = script::parseBounded(word, hi);
        if (!v || *v < lo) {
            throw Fault{what + " must be " + std::string(range) + ", not " + quoted(word)};
        }
        return static_cast<u8>(*v);
    }

    coach::Side side() {
        if (at_ == words_.size()) {
            throw Fault{"missing side (left or right)"};
        }
        const std::string_view word = words_[at_++];
        if (word == "left") {
            return coach::Side::left;
        }
        if (word == "right") {
            return coach::Side::right;
        }
        throw Fault{"side must be left or right, not " + quoted(word)};
    }

    void end() const {
        if (at_ != words_.size()) {
            throw Fault{"extra word " + quoted(words_[at_]) + " after the dice"};
        }
    }

    [[nodiscard]] bool empty() const { return words_.empty(); }

  private:
    std::vector<std::string_view> words_;
    std::size_t at_ = 0;
};

// A field of several values; `item` names one of them in a fault.
template <typename Field>
void readAll(Cursor& c, Field& values, std::string_view name, std::string_view item, unsigned lo,
             unsigned hi, std::string_view range) {
    c.field(name);
    for (std::size_t i = 1; i <= Field::size(); ++i) {
        using T = std::remove_reference_t<decltype(values(i))>;
        values(i) =
            static_cast<T>(c.value(std::string(item) + ' ' + std::to_string(i), lo, hi, range));
    }
}

coach::Position positionOf(Cursor& c) {
    coach::Position p;
    c.word("advise", "the word 'advise'");
    c.field("level");
    p.level = c.value("level", 0, 2, "0, 1 or 2");
    c.field("mode");
    p.mode = c.value("mode", 0, 1, "0 or 1");
    c.field("side");
    p.side = c.side();
    if (p.side == coach::Side::right && p.mode == 0) {
        throw Fault{"side right needs mode 1 (two people)"};
    }
    c.field("roll");
    p.roll = c.value("roll", 1, 3, "1, 2 or 3");
    readAll(c, p.left, "left", "left value", 0, 255, "0..255");
    readAll(c, p.right, "right", "right value", 0, 255, "0..255");
    readAll(c, p.dice, "dice", "die", 1, 6, "1..6");
    c.end();
    return p;
}

} // namespace

Query parseQuery(std::string_view line) {
    if (line.starts_with('#')) {
        return Skipped{};
    }
    Cursor c(wordsOf(line));
    if (c.empty()) {
        return Skipped{};
    }
    try {
        return positionOf(c);
    } catch (const Fault& fault) {
        return Malformed{fault.message};
    }
}

} // namespace kvint::coachtool
