// Times the coach on the queries of a file, as kvint-coach reads them:
// the building of the coach, then every answer on its own.
//
//     coach-timing FILE
//
// Prints the build time, the answers per second and the median, 99th
// percentile and largest answer time. Malformed and skipped lines are not
// timed.
#include "coach/coach.h"
#include "tools/coach/query.h"
#include "tools/coach/query_lines.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace {

using namespace kvint;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<coach::Position> positionsOf(std::istream& in) {
    std::vector<coach::Position> positions;
    coachtool::QueryLines lines(in);
    std::string line;
    while (lines.next(line) == coachtool::QueryLines::Status::line) {
        const coachtool::Query q = coachtool::parseQuery(line);
        if (const auto* p = std::get_if<coach::Position>(&q)) {
            positions.push_back(*p);
        }
    }
    return positions;
}

// Nearest rank, as the start-up benchmark takes it.
double percentile(const std::vector<double>& sorted, double p) {
    const auto rank = static_cast<std::size_t>(p * static_cast<double>(sorted.size()) + 0.999999);
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

int main(int argc, char** argv) {
    const std::span<char*> args(argv, static_cast<std::size_t>(argc));
    if (args.size() != 2) {
        std::cerr << "Usage: coach-timing FILE\n";
        return 2;
    }
    std::ifstream in(args[1], std::ios::binary);
    const std::vector<coach::Position> positions = positionsOf(in);
    if (positions.empty()) {
        std::cerr << "coach-timing: no query in " << args[1] << '\n';
        return 2;
    }
    const Clock::time_point built = Clock::now();
    const coach::Coach coach;
    const double buildMs = msSince(built);

    std::vector<double> ms;
    ms.reserve(positions.size());
    double sink = 0.0; // keeps the answers from being optimised away
    const Clock::time_point all = Clock::now();
    for (const coach::Position& p : positions) {
        const Clock::time_point one = Clock::now();
        sink += coach.advise(p).win;
        ms.push_back(msSince(one));
    }
    const double totalMs = msSince(all);
    std::sort(ms.begin(), ms.end());
    std::printf("coach built in %.1f ms\n", buildMs);
    std::printf("%zu answers in %.1f ms: %.0f queries per second (mean win %.4f)\n", ms.size(),
                totalMs, 1000.0 * static_cast<double>(ms.size()) / totalMs,
                sink / static_cast<double>(ms.size()));
    std::printf("answer ms median %.3f  p99 %.3f  max %.3f\n", percentile(ms, 0.5),
                percentile(ms, 0.99), ms.back());
    return 0;
}
