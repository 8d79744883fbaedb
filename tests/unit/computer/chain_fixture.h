#pragma once

#include "turn_fixture.h"

namespace kvint::test {

// The later links also clear the high counters after every entry of theirs.
struct ChainTest : TurnTest {
    void expectEntry(std::size_t k, int v, const std::string& sound, const Column& before) {
        TurnTest::expectEntry(k, v, sound, before);
        EXPECT_EQ(st.facesum(6), 0);
        EXPECT_EQ(st.facesum(5), 0);
        EXPECT_EQ(st.facesum(4), 0);
    }
    void expectNoEntry(const Column& before) { EXPECT_TRUE(changed(before).empty()); }
};

} // namespace kvint::test
