#include "game/messages.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace kvint {
namespace {

constexpr std::size_t kMostArguments = 12;

// The placeholders a text fills, found by formatting it with a marker per
// argument; a placeholder left unfilled stays as "{n}" in the result.
std::set<std::size_t> filledPlaceholders(Language lang, Msg id, std::string& formatted) {
    std::array<std::string, kMostArguments> markers;
    for (std::size_t n = 0; n < markers.size(); ++n) {
        markers[n] = "<" + std::to_string(n) + ">";
    }
    formatted = format(lang, id,
                       {markers[0], markers[1], markers[2], markers[3], markers[4], markers[5],
                        markers[6], markers[7], markers[8], markers[9], markers[10], markers[11]});
    std::set<std::size_t> found;
    for (std::size_t n = 0; n < markers.size(); ++n) {
        if (formatted.find(markers[n]) != std::string::npos) {
            found.insert(n);
        }
    }
    return found;
}

// Every message has a text in each language, and both fill the same
// placeholders, so no value goes missing in a translation.
TEST(Catalogue, EveryMessageHasBothLanguagesWithTheSamePlaceholders) {
    for (std::size_t i = 0; i < kMsgCount; ++i) {
        const auto id = static_cast<Msg>(i);
        EXPECT_FALSE(messageText(Language::ru, id).empty()) << "ru " << i;
        EXPECT_FALSE(messageText(Language::en, id).empty()) << "en " << i;
        std::string ru;
        std::string en;
        const auto ruFilled = filledPlaceholders(Language::ru, id, ru);
        EXPECT_EQ(ruFilled, filledPlaceholders(Language::en, id, en)) << ru << "\n" << en;
        EXPECT_EQ(ru.find('{'), std::string::npos) << ru;
        EXPECT_EQ(en.find('{'), std::string::npos) << en;
    }
}

// Values go in as they are: braces typed into a name are not placeholders,
// and a text given too few values keeps the rest visible.
TEST(Catalogue, FormatPutsValuesInOnce) {
    EXPECT_EQ(format(Language::ru, Msg::turnOf, {"{0}{1}"}), "Ход {0}{1}");
    EXPECT_EQ(format(Language::en, Msg::playerScore, {"Ann"}), "Ann's score");
    EXPECT_EQ(format(Language::en, Msg::playerScore), "{0}'s score");
    EXPECT_EQ(format(Language::ru, Msg::totalsReport, {"А", "1", "Б", "22"}), "У А1 у Б22");
}

} // namespace
} // namespace kvint
