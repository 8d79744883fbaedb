#pragma once

#include <array>
#include <cstddef>
#include <cstdlib>

namespace kvint {

// A fixed-size field indexed from 1, as the rules count dice and categories:
// kubik(1)..kubik(6), mayscore(1)..mayscore(11).
template <typename T, std::size_t N> struct OneBased {
    std::array<T, N> values{};

    constexpr T& operator()(std::size_t i) {
        check(i);
        return values[i - 1];
    }
    constexpr const T& operator()(std::size_t i) const {
        check(i);
        return values[i - 1];
    }
    static constexpr std::size_t size() { return N; }
    constexpr auto begin() { return values.begin(); }
    constexpr auto end() { return values.end(); }
    [[nodiscard]] constexpr auto begin() const { return values.begin(); }
    [[nodiscard]] constexpr auto end() const { return values.end(); }
    friend constexpr bool operator==(const OneBased&, const OneBased&) = default;

  private:
    // Live in every build: an index out of range would otherwise read or write
    // a neighbouring field of the game state without a trace.
    static constexpr void check(std::size_t i) {
        if (i < 1 || i > N) {
            std::abort();
        }
    }
};

} // namespace kvint
