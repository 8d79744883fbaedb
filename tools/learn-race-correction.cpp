// Learns the correction of the coach's race model against "Профи"
// (coach/race_correction.h) from the coach's own duels: the plain coach
// plays kGames games, every position in which its turn has ended is kept
// with the game's result (won 1, drawn 1/2, lost 0), and a logistic curve
// over the position's features is fitted to them by Newton's method, kept
// near the plain curve by a small penalty. Deterministic: fixed seeds.
//
// "Мастер" and "Новичок" keep the plain curve: against "Новичок" a curve
// fitted the same way moved duels of 10,000 games by less than their noise
// (82.8 and 83.0 % on two seeds, against 82.9 and 82.8 % plain). To make it
// again:
//
//     cmake --build build-rel --target learn-race-correction
//     build-rel/learn-race-correction > coach/race_correction.inc
//
// (about a minute in a Release build).
#include "coach/duel.h"
#include "coach/race.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using namespace kvint;
using namespace kvint::coach;

constexpr int kGames = 20'000;
constexpr std::uint64_t kSeed = 12;
// The penalty on the distance from the plain curve, per weight.
constexpr double kPenalty = 1.0;
constexpr int kMostSteps = 30;

constexpr std::size_t kFeatures = RaceCorrection::kFeatures;

struct Sample {
    RaceCorrection::Features f;
    double result;
};

// The tables the coach builds, built again here to read the race model.
struct Model {
    DiceSpace space;
    PointsTable points{space};
    SoloTable solo{space, points};
    ComputerModel computer;
    Endgame endgame{space, points};
    RaceCorrection plain;
    Race race{solo, computer, endgame, plain};
};

// One game's positions once the person's turn has ended: the person's
// column as the next turn shows it, the computer's as it was in the turn.
void keep(const Model& m, u8 level, const std::vector<Position>& seen, double result,
          std::vector<Sample>& out) {
    for (std::size_t i = 0; i + 1 < seen.size(); ++i) {
        if (seen[i + 1].roll != 1) {
            continue;
        }
        const Race::Sides s{seen[i + 1].left, seen[i].right, true, true, level};
        if (!Race::modelled(s)) {
            continue;
        }
        out.push_back(
            {RaceCorrection::features(level, s.mine, s.theirs, m.race.modelChance(s)), result});
    }
}

std::vector<Sample> samples(const Model& m, u8 level) {
    const Coach coach{RaceCorrection{}};
    std::vector<Sample> out;
    for (int g = 0; g < kGames; ++g) {
        std::vector<Position> seen;
        const Player player = [&](const Position& p) {
            seen.push_back(p);
            return coach.advise(p).decision;
        };
        const DuelResult r =
            duel(player, level, 1, kSeed * 100'000 + static_cast<std::uint64_t>(g));
        keep(m, level, seen, r.won != 0 ? 1.0 : r.drawn != 0 ? 0.5 : 0.0, out);
    }
    return out;
}

using Vector = std::vector<double>;

double prior(std::size_t j) {
    return j == 1 ? 1.0 : 0.0; // the plain curve: weight 1 on the logit
}

double predicted(const Vector& w, const Sample& s) {
    double z = 0.0;
    for (std::size_t j = 0; j < kFeatures; ++j) {
        z += w[j] * s.f[j];
    }
    return 1.0 / (1.0 + std::exp(-z));
}

// The penalised log-likelihood.
double objective(const std::vector<Sample>& data, const Vector& w) {
    double sum = 0.0;
    for (const Sample& s : data) {
        const double p = std::clamp(predicted(w, s), 1e-12, 1.0 - 1e-12);
        sum += s.result * std::log(p) + (1.0 - s.result) * std::log(1.0 - p);
    }
    for (std::size_t j = 1; j < kFeatures; ++j) {
        sum -= 0.5 * kPenalty * (w[j] - prior(j)) * (w[j] - prior(j));
    }
    return sum;
}

// Solves a * x = b by elimination with partial pivoting; a is square.
Vector solve(Vector a, Vector b) {
    const std::size_t n = b.size();
    for (std::size_t c = 0; c < n; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < n; ++r) {
            if (std::fabs(a[r * n + c]) > std::fabs(a[pivot * n + c])) {
                pivot = r;
            }
        }
        for (std::size_t k = 0; k < n; ++k) {
            std::swap(a[c * n + k], a[pivot * n + k]);
        }
        std::swap(b[c], b[pivot]);
        for (std::size_t r = 0; r < n; ++r) {
            if (r == c) {
                continue;
            }
            const double f = a[r * n + c] / a[c * n + c];
            for (std::size_t k = 0; k < n; ++k) {
                a[r * n + k] -= f * a[c * n + k];
            }
            b[r] -= f * b[c];
        }
    }
    Vector x(n);
    for (std::size_t j = 0; j < n; ++j) {
        x[j] = b[j] / a[j * n + j];
    }
    return x;
}

// Newton's step: the gradient and the Hessian of the objective at w.
Vector newtonStep(const std::vector<Sample>& data, const Vector& w) {
    Vector gradient(kFeatures, 0.0);
    Vector hessian(kFeatures * kFeatures, 0.0);
    for (const Sample& s : data) {
        const double p = predicted(w, s);
        for (std::size_t j = 0; j < kFeatures; ++j) {
            gradient[j] += (s.result - p) * s.f[j];
            for (std::size_t k = 0; k < kFeatures; ++k) {
                hessian[j * kFeatures + k] += p * (1.0 - p) * s.f[j] * s.f[k];
            }
        }
    }
    for (std::size_t j = 1; j < kFeatures; ++j) {
        gradient[j] -= kPenalty * (w[j] - prior(j));
        hessian[j * kFeatures + j] += kPenalty;
    }
    return solve(hessian, gradient);
}

// Newton's method, each step halved until the objective rises.
Vector fit(const std::vector<Sample>& data) {
    Vector w(kFeatures);
    for (std::size_t j = 0; j < kFeatures; ++j) {
        w[j] = prior(j);
    }
    double now = objective(data, w);
    for (int step = 0; step < kMostSteps; ++step) {
        const Vector d = newtonStep(data, w);
        bool rose = false;
        for (double scale = 1.0; scale > 1e-6 && !rose; scale /= 2.0) {
            Vector next = w;
            for (std::size_t j = 0; j < kFeatures; ++j) {
                next[j] += scale * d[j];
            }
            const double value = objective(data, next);
            if (value > now) {
                rose = value - now > 1e-9 * static_cast<double>(data.size());
                w = next;
                now = value;
                break;
            }
        }
        if (!rose) {
            break;
        }
    }
    return w;
}

void printWeights(const RaceCorrection::Weights& w) {
    std::printf("    {{");
    for (std::size_t j = 0; j < kFeatures; ++j) {
        std::printf("%s%.5fF", j == 0 ? "" : ", ", static_cast<double>(w[j]));
    }
    std::printf("}},\n");
}

RaceCorrection::Weights learnt(const Model& model, u8 level) {
    const std::vector<Sample> data = samples(model, level);
    const Vector w = fit(data);
    std::fprintf(stderr, "level %d: %zu positions from %d games\n", level, data.size(), kGames);
    RaceCorrection::Weights out{};
    for (std::size_t j = 0; j < kFeatures; ++j) {
        out[j] = static_cast<float>(w[j]);
    }
    return out;
}

} // namespace

int main() {
    const Model model;
    std::printf("// Made by tools/learn-race-correction.cpp; do not edit.\n");
    std::printf("// By strength: \"Мастер\", \"Новичок\", \"Профи\".\n");
    std::printf("// clang-format off\n");
    std::printf("constexpr RaceCorrection::ByLevel kLearnt = {{\n");
    printWeights(RaceCorrection::plain());
    printWeights(RaceCorrection::plain());
    printWeights(learnt(model, strength::pro));
    std::printf("}};\n// clang-format on\n");
    return 0;
}
