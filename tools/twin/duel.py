"""Whole games of the coach against computer_twin, the coach asked through its pipe.

    duel.py KVINT_COACH LEVEL GAMES SEED

The person's side (the left column) plays by kvint-coach's answers, one
`advise` query per decision; the computer's side is computer_twin at LEVEL.
All dice come from one random generator seeded with SEED. Prints
`twin level L games N won W drawn D lost G score P %`, P counting a drawn game
as half a win. An answer that the rules refuse ends the run with exit status 1.
"""

import random
import re
import subprocess
import sys

from computer_twin import Turn, face_of


class RefusedAnswer(Exception):
    pass


class Coach:
    """kvint-coach behind a pipe: one query written, one answer read."""

    def __init__(self, tool):
        self.process = subprocess.Popen(
            [tool], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1
        )

    def advise(self, level, roll, may, comp, dice):
        query = (
            f"advise level {level} mode 0 side left roll {roll}"
            f" left {' '.join(map(str, may))} right {' '.join(map(str, comp))}"
            f" dice {' '.join(map(str, dice))}"
        )
        self.process.stdin.write(query + "\n")
        self.process.stdin.flush()
        answer = self.process.stdout.readline()
        if not answer:
            raise RefusedAnswer(f"no answer to: {query}")
        return query, answer.split()

    def close(self):
        self.process.stdin.close()
        self.process.wait()


def points(k, dice):
    """What category k scores for these dice, or None when it does not take them.

    The dice are sorted, highest first, as the entry does before it looks.
    """
    d = sorted(dice, reverse=True)
    if k <= 6:
        return k * d.count(k)
    if k == 7:
        return sum(d) if d[0] == d[1] == d[2] and d[3] == d[4] == d[5] else None
    if k == 8:
        return sum(d) if d[0] == d[1] and d[2] == d[3] and d[4] == d[5] else None
    if k == 9:
        return 21 if d == [6, 5, 4, 3, 2, 1] else None
    if k == 10:
        return 24 if d.count(6) >= 4 else None
    return sum(d)


def checked(words, roll, may):
    """The answer as ("reroll", positions), ("write", k) or ("pass",); raises when refused."""
    if len(words) < 3 or words[-2] != "win" or not re.fullmatch(r"0\.\d{4}|1\.0000", words[-1]):
        raise RefusedAnswer("no win estimate")
    move, args = words[0], words[1:-2]
    if move == "reroll":
        positions = [int(a) for a in args]
        if roll == 3 or not positions or positions != sorted(set(positions)):
            raise RefusedAnswer("not a re-roll this roll allows")
        if not all(1 <= p <= 6 for p in positions):
            raise RefusedAnswer("no such die")
        return ("reroll", positions)
    if move == "write" and len(args) == 1 and 1 <= int(args[0]) <= 11:
        k = int(args[0])
        if may[k - 1] != 0:
            raise RefusedAnswer("category already written")
        return ("write", k)
    if move == "pass" and not args:
        return ("pass",)
    raise RefusedAnswer("not an answer")


def play_game(coach, level, rng):
    """One game; returns the left total minus the right total."""

    def face():
        while True:
            f = face_of(rng.random())
            if 1 <= f <= 6:
                return f

    may, comp = [0] * 11, [0] * 11
    draws = iter(rng.random, None)
    # The game is judged before every roll of all six dice: at the person's
    # roll and when the computer's turn starts, which sees only the left column.
    while not (all(may) or all(comp)):
        dice = [face() for _ in range(6)]
        roll = 1
        while True:
            query, words = coach.advise(level, roll, may, comp, dice)
            try:
                answer = checked(words, roll, may)
            except (RefusedAnswer, ValueError) as refused:
                raise RefusedAnswer(f"{' '.join(words)} ({refused}) to: {query}") from None
            if answer[0] != "reroll":
                break
            for p in answer[1]:
                dice[p - 1] = face()
            roll += 1
        if answer[0] == "write":
            k = answer[1]
            value = points(k, dice)
            if value is None:
                raise RefusedAnswer(f"write {k} does not fit the dice: {query}")
            # A face that no die shows writes 0: the category stays free.
            may[k - 1] = value
        turn = Turn(level, may, comp, [1] * 6, draws)
        turn.broskom()
        comp = turn.comp
    return sum(may) - sum(comp)


def main():
    tool, level, games, seed = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    rng = random.Random(seed)
    coach = Coach(tool)
    won = drawn = lost = 0
    try:
        for _ in range(games):
            margin = play_game(coach, level, rng)
            won += margin > 0
            drawn += margin == 0
            lost += margin < 0
    except RefusedAnswer as refused:
        print(f"duel-twin: refused answer: {refused}", file=sys.stderr)
        return 1
    finally:
        coach.close()
    score = 100 * (won + drawn / 2) / games
    print(f"twin level {level} games {games} won {won} drawn {drawn} lost {lost} score {score:.1f} %")
    return 0


if __name__ == "__main__":
    sys.exit(main())
