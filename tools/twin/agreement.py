"""Plays random computer turns through kvint-script and through computer_twin,
and counts the turns in which the two disagree.

    agreement.py KVINT_SCRIPT SCENARIOS [SEED]

Each scenario sets a strength, both columns and the dice, queues random values,
calls one procedure of the computer's chain (most often the whole turn,
`broskom`) and dumps the state. The computer's column, its dice, the faces on
view and the sounds must come out the same from both. Prints
`agreement: N scenarios, M differ` and the first differences; exits 1 when any
scenario differs.
"""

import random
import subprocess
import sys

from computer_twin import OutOfDraws, Turn

LINKS = [
    "broskom1", "julik", "proverkastrit", "proverka", "proverka2_3", "PROVERKA3_2",
    "proverkacare", "proverka5", "proverka4", "proverka3", "proverka2", "proverka1",
    "proverka21", "proverka31", "proverka654",
]
DRAWS = 300


def exact(r):
    """r (a multiple of 2**-24) as the decimal digits the script reads back exactly."""
    text = f"{r:.24f}".rstrip("0")
    return text + "0" if text.endswith(".") else text


def random_value(rng, weights, throw_away):
    """A random value that gives a face picked by weights, or one that is thrown away."""
    if rng.random() < 0.03:
        # Values whose r*10-2 lands on or next to a half: the rounding decides.
        return rng.randrange(5, 18) / 20
    if rng.random() < throw_away:
        low, high = rng.choice(((0, int(0.25 * 2**24)), (int(0.85 * 2**24) + 1, 2**24)))
    else:
        face = rng.choices(range(1, 7), weights)[0]
        low, high = int((face + 1.5) / 10 * 2**24) + 1, int((face + 2.5) / 10 * 2**24)
    return rng.randrange(low, high) / 2**24


def random_weights(rng):
    """How the faces of one scenario lean: evenly, to the high faces, or to one or two faces."""
    kind = rng.randrange(5)
    weights = [1] * 6
    if kind == 1:
        weights = [1, 1, 1, 3, 4, 5]
    elif kind == 4:
        weights = [1, 1, 1, 8, 8, 8]
    elif kind >= 2:
        for face in rng.sample(range(6), kind - 1):
            weights[face] = rng.choice((4, 8, 16))
    return weights


def random_dice(rng, weights):
    """Dice to start a check on: as the faces lean, mostly high faces, or near two triples."""
    kind = rng.randrange(3)
    if kind == 0:
        return rng.choices(range(1, 7), weights, k=6)
    if kind == 1:
        return [rng.choice((4, 5, 6)) if rng.random() < 0.85 else rng.randint(1, 3) for _ in range(6)]
    a, b = rng.sample(range(1, 7), 2)
    dice = [a] * 3 + [b] * 3
    for _ in range(rng.randrange(3)):
        dice[rng.randrange(6)] = rng.randint(1, 6)
    rng.shuffle(dice)
    return dice


def random_column(rng, full):
    """Eleven points, some categories free; none free with the chance full."""
    free = 0.0 if rng.random() < full else rng.choice((0.1, 0.3, 0.5, 0.8, 1.0))
    return [0 if rng.random() < free else rng.randint(1, 36) for _ in range(11)]


def scenario(rng):
    weights = random_weights(rng)
    throw_away = rng.choice((0.0, 0.1, 0.3))
    return {
        "level": rng.randrange(3),
        "may": random_column(rng, 0.03),
        "comp": random_column(rng, 0.1),
        "kubik": random_dice(rng, weights),
        "draws": [random_value(rng, weights, throw_away) for _ in range(DRAWS)],
        "link": "broskom" if rng.random() < 0.3 else rng.choice(LINKS),
    }


def script_of(s):
    lines = [
        f"set level {s['level']}",
        "set mayscore " + " ".join(map(str, s["may"])),
        "set compscore " + " ".join(map(str, s["comp"])),
        "set kubik " + " ".join(map(str, s["kubik"])),
    ]
    for i in range(0, len(s["draws"]), 50):
        lines.append("random " + " ".join(exact(r) for r in s["draws"][i : i + 50]))
    lines += [f"call {s['link']}", "dump"]
    return "\n".join(lines) + "\n"


def outcome_of_game(tool, s):
    run = subprocess.run([tool], input=script_of(s), capture_output=True, text=True)
    out = {"sounds": [], "out_of_draws": run.returncode == 3}
    if run.returncode not in (0, 3):
        raise RuntimeError(f"kvint-script exited {run.returncode}: {run.stderr}")
    texts = {}
    for line in run.stdout.splitlines():
        field = line.split("\t")
        if field[0] == "sound":
            out["sounds"].append((field[1], int(field[2])))
        elif field[0] == "state" and field[1] in ("kubik", "compscore"):
            out[field[1]] = [int(v) for v in field[2].split()]
        elif field[0] == "control" and field[1] in [f"Text{i}" for i in range(1, 7)]:
            texts[field[1]] = field[3]
    if not out["out_of_draws"]:
        out["shown"] = [texts[f"Text{i}"] for i in range(1, 7)]
    return out


def outcome_of_twin(s):
    turn = Turn(s["level"], s["may"], s["comp"], s["kubik"], s["draws"])
    out = {"out_of_draws": False}
    try:
        turn.call(s["link"])
    except OutOfDraws:
        out["out_of_draws"] = True
    out["sounds"] = turn.sounds
    if not out["out_of_draws"]:
        out["kubik"] = turn.kubik
        out["compscore"] = turn.comp
        # The dice boxes keep their empty start text until the turn shows dice.
        out["shown"] = [str(d) for d in turn.shown] if turn.shown else [""] * 6
    return out


def main():
    tool, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    differ = 0
    for n in range(count):
        s = scenario(rng)
        game, twin = outcome_of_game(tool, s), outcome_of_twin(s)
        if game == twin:
            continue
        differ += 1
        if differ <= 5:
            print(f"scenario {n}: {script_of(s)[:300]}...", file=sys.stderr)
            for key in game:
                if game.get(key) != twin.get(key):
                    print(f"  {key}: game {game.get(key)} twin {twin.get(key)}", file=sys.stderr)
    print(f"agreement: {count} scenarios, {differ} differ")
    return 1 if differ else 0


if __name__ == "__main__":
    sys.exit(main())
