#include "game/snapshot.h"

#include "game/escape.h"
#include "game/game.h"
#include "game/outlook.h"
#include "game/utf8.h"

#include <charconv>
#include <concepts>
#include <limits>
#include <vector>

namespace kvint {
namespace {

// Changing what a record holds or how it is written means a new version: an
// older program then refuses the file instead of misreading it.
constexpr std::string_view kFormat = "kvint unfinished game";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kEnd = "end";

// What a field may hold: a number from lo to hi, or a text of at most hi
// characters.
struct Range {
    long long lo;
    long long hi;
};

constexpr Range kByte{0, 255};
constexpr Range kFlag{0, 1};
// No entry writes more than six sixes.
constexpr Range kPoints{0, 36};
constexpr Range kName{0, static_cast<long long>(kInputLimit)};
constexpr Range kBack{-1, 15};
constexpr Range kTick{-1, 1};

// Every field of the state in the order of its record, with its range.
template <typename S, typename F> void forEachField(S& st, F&& f) {
    f("turnowner", st.turnowner, Range{0, 2});
    f("kubik", st.kubik, Range{0, 6});
    f("brosnum", st.brosnum, Range{0, 3});
    f("mayscore", st.mayscore, kPoints);
    f("facesum", st.facesum, kByte);
    f("sum23", st.sum23, kByte);
    f("sum32", st.sum32, kByte);
    f("dicesum", st.dicesum, kByte);
    f("compscore", st.compscore, kPoints);
    f("pairs", st.pairs, kByte);
    f("level", st.level, Range{0, 2});
    f("gamemode", st.gamemode, kFlag);
    f("rerollcount", st.rerollcount, kByte);
    f("name1", st.name1, kName);
    f("name2", st.name2, kName);
    f("dicelock", st.dicelock, kFlag);
}

// --- Writing ---

std::string show(std::integral auto v) {
    return std::to_string(v);
}

template <typename T, std::size_t N> std::string show(const OneBased<T, N>& values) {
    std::string out;
    for (T v : values) {
        out += out.empty() ? "" : " ";
        out += show(v);
    }
    return out;
}

std::string show(const std::string& text) {
    return escapeText(text);
}

void line(std::string& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        out += first ? "" : "\t";
        out += field;
        first = false;
    }
    out += '\n';
}

// --- Reading ---

// The lines of a record, each split at its TABs.
class Lines {
  public:
    explicit Lines(std::string_view text) : rest_(text) {}

    // The next whole line; nothing when no line end is left.
    std::optional<std::vector<std::string_view>> next() {
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        std::string_view text = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        std::vector<std::string_view> fields;
        for (std::size_t tab = text.find('\t'); tab != std::string_view::npos;
             tab = text.find('\t')) {
            fields.push_back(text.substr(0, tab));
            text.remove_prefix(tab + 1);
        }
        fields.push_back(text);
        return fields;
    }
    [[nodiscard]] bool atEnd() const { return rest_.empty(); }

  private:
    std::string_view rest_;
};

// The value of the next line when it is `key` and one value.
std::optional<std::string_view> value(Lines& lines, std::string_view key) {
    const auto fields = lines.next();
    if (!fields || fields->size() != 2 || (*fields)[0] != key) {
        return std::nullopt;
    }
    return (*fields)[1];
}

// A number only as it is written: no sign but a minus, no leading zero, no
// "-0", and within the field's type.
template <std::integral T> bool read(std::string_view text, T& out) {
    long long v = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (error != std::errc{} || end != text.data() + text.size() || show(v) != text ||
        v < std::numeric_limits<T>::min() || v > std::numeric_limits<T>::max()) {
        return false;
    }
    out = static_cast<T>(v);
    return true;
}

bool read(std::string_view text, bool& out) {
    if (text != "0" && text != "1") {
        return false;
    }
    out = text == "1";
    return true;
}

template <typename T, std::size_t N> bool read(std::string_view text, OneBased<T, N>& values) {
    for (std::size_t i = 1; i <= N; ++i) {
        const std::size_t blank = i < N ? text.find(' ') : text.size();
        if (blank == std::string_view::npos || !read(text.substr(0, blank), values(i))) {
            return false;
        }
        text.remove_prefix(i < N ? blank + 1 : blank);
    }
    return true;
}

bool read(std::string_view text, std::string& out) {
    auto plain = unescapeText(text);
    if (!plain) {
        return false;
    }
    out = std::move(*plain);
    return true;
}

bool readState(Lines& lines, State& st) {
    bool ok = true;
    forEachField(st, [&](std::string_view name, auto& field, Range) {
        if (ok) {
            const auto text = value(lines, name);
            ok = text && read(*text, field);
        }
    });
    return ok;
}

bool readControl(Lines& lines, Ctl c, Control& control) {
    const auto fields = lines.next();
    return fields && fields->size() == 6 && (*fields)[0] == "control" &&
           (*fields)[1] == controlName(c) && read((*fields)[2], control.visible) &&
           read((*fields)[3], control.back) && read((*fields)[4], control.value) &&
           read((*fields)[5], control.text);
}

// --- Ranges ---

bool fits(std::integral auto v, Range r) {
    return v >= r.lo && v <= r.hi;
}

template <typename T, std::size_t N> bool fits(const OneBased<T, N>& values, Range r) {
    for (T v : values) {
        if (!fits(v, r)) {
            return false;
        }
    }
    return true;
}

std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (char c : text) {
        n += isContinuation(static_cast<unsigned char>(c)) ? 0 : 1;
    }
    return n;
}

bool fits(const std::string& text, Range r) {
    return isUtf8(text) && characters(text) <= static_cast<std::size_t>(r.hi);
}

bool controlFits(Ctl c, const Control& control) {
    const std::size_t limit = c == Ctl::Form2_Text1 ? kRulesTextLimit : kControlTextLimit;
    return fits(control.back, kBack) && fits(control.value, kTick) &&
           control.text.size() <= limit && isUtf8(control.text);
}

Ctl nth(std::size_t i) {
    return static_cast<Ctl>(i);
}

} // namespace

Snapshot snapshotOf(const Game& game) {
    return {game.language(), game.state(), game.controls(), game.endReported()};
}

std::string exportSnapshot(const Snapshot& snapshot) {
    std::string out;
    line(out, {kFormat, kVersion});
    line(out, {"language", languageInfo(snapshot.language).code});
    line(out, {"reported", show(static_cast<int>(snapshot.endReported))});
    forEachField(snapshot.state, [&out](std::string_view name, const auto& field, Range) {
        line(out, {name, show(field)});
    });
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control& control = snapshot.controls[nth(i)];
        line(out, {"control", controlName(nth(i)), show(static_cast<int>(control.visible)),
                   show(control.back), show(control.value), show(control.text)});
    }
    line(out, {kEnd});
    return out;
}

std::string exportGame(const Game& game) {
    return exportSnapshot(snapshotOf(game));
}

bool withinBounds(const Snapshot& snapshot) {
    bool ok = true;
    forEachField(snapshot.state, [&ok](std::string_view, const auto& field, Range r) {
        ok = ok && fits(field, r);
    });
    for (std::size_t i = 0; ok && i < kControlCount; ++i) {
        ok = controlFits(nth(i), snapshot.controls[nth(i)]);
    }
    return ok;
}

std::optional<Snapshot> parseSnapshot(std::string_view text) {
    if (text.size() > kSnapshotLimit) {
        return std::nullopt;
    }
    Lines lines(text);
    const auto header = lines.next();
    if (!header || *header != std::vector<std::string_view>{kFormat, kVersion}) {
        return std::nullopt;
    }
    Snapshot snapshot;
    const auto language = value(lines, "language");
    const auto known = language ? languageWithCode(*language) : std::nullopt;
    const auto reported = value(lines, "reported");
    if (!known || !reported || !read(*reported, snapshot.endReported) ||
        !readState(lines, snapshot.state)) {
        return std::nullopt;
    }
    snapshot.language = *known;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        if (!readControl(lines, nth(i), snapshot.controls[nth(i)])) {
            return std::nullopt;
        }
    }
    const auto end = lines.next();
    if (!end || *end != std::vector<std::string_view>{kEnd} || !lines.atEnd() ||
        !withinBounds(snapshot)) {
        return std::nullopt;
    }
    return snapshot;
}

bool inProgress(const Snapshot& snapshot) {
    return stillToPlay(phaseOf(snapshot.state, snapshot.controls, false), snapshot.endReported);
}

} // namespace kvint
