"""A second, separately written model of the computer's turn.

It plays the computer's chain of checks the way the game does, from the same
random draws, so that its columns, dice and sounds can be set against the
game's through kvint-script, and so that the coach can be made to play against
something that is not the game's own engine.

Indices: `kubik` is a list of six faces (die 1 is kubik[0]); `comp` and `may`
are lists of eleven points (category k is comp[k - 1]); `facesum[f]` for
f = 1..6 is f times the number of dice that showed f when it was last counted.
"""

import struct

SEVEN, EIGHT, STRIT, CARE, KVINT = 7, 8, 9, 10, 11
WOW, YE, THIN = "wow.wav", "ye.wav", "thin.wav"

# Results of a link of the chain: the turn is over, or julik wants a new roll.
OVER, AGAIN = "over", "again"


class OutOfDraws(Exception):
    """The queue of random values ran dry while the computer was still rolling."""


def f32(x):
    """x rounded to the nearest single-precision value."""
    return struct.unpack("f", struct.pack("f", x))[0]


def face_of(r):
    """The die that the random value r gives, or a value outside 1..6 to throw away.

    The game works in single precision: r*10 is rounded once, minus 2 once, and
    the result goes to the nearest integer with ties to even (Python's round).
    """
    return round(f32(f32(f32(r) * 10.0) - 2.0))


class Turn:
    """One computer turn: the state it reads and writes, and the chain of checks."""

    def __init__(self, level, may, comp, kubik, draws):
        self.level = level
        self.may = list(may)
        self.comp = list(comp)
        self.kubik = list(kubik)
        self.draws = iter(draws)
        self.facesum = [0] * 7
        self.sounds = []  # (file, wait flag), in the order played
        self.shown = None  # the faces the dice boxes show, once the turn has shown them

    # --- shared steps -------------------------------------------------------

    def draw(self):
        while True:
            try:
                face = face_of(next(self.draws))
            except StopIteration:
                raise OutOfDraws() from None
            if 1 <= face <= 6:
                return face

    def reroll(self, i):
        self.kubik[i] = self.draw()

    def free(self, k):
        return self.comp[k - 1] == 0

    def any_free(self, *cats):
        return any(self.free(k) for k in cats)

    def total(self):
        return sum(self.kubik)

    def count(self, *faces):
        """Clears the named counters and counts those faces in one pass."""
        for f in faces:
            self.facesum[f] = 0
        for d in self.kubik:
            if d in faces:
                self.facesum[d] += d

    def keep_reroll_twice(self, keep):
        for i in range(6):
            if self.kubik[i] not in keep:
                self.reroll(i)
                if self.kubik[i] not in keep:
                    self.reroll(i)

    def reroll_unless(self, keep):
        """One pass: every die for which keep(face) is false is thrown again."""
        for i in range(6):
            if not keep(self.kubik[i]):
                self.reroll(i)

    def show(self):
        self.shown = list(self.kubik)

    def entry(self, k, v, sound):
        self.comp[k - 1] = v
        self.sounds.append((sound, 0))
        self.show()
        return OVER

    def gives_up(self):
        """The novice stops at these points, with a sigh and nothing written."""
        if self.level != 1:
            return False
        self.sounds.append((THIN, 0))
        return True

    # --- the turn -----------------------------------------------------------

    def broskom(self):
        self.sounds.append(("dice05.wav", 2))
        return self.run(self.broskom1)

    def run(self, link):
        """Runs the chain from link; a new roll from julik starts it again from the roll."""
        while link() == AGAIN:
            link = self.broskom1
        return OVER

    def broskom1(self):
        if all(self.may):
            left, right = sum(self.may), sum(self.comp)
            self.sounds.append(("ooh.wav" if left < right else "end.wav", 0))
            return OVER
        for i in range(6):
            self.reroll(i)
        self.kubik.sort(reverse=True)
        k = self.kubik
        if k[0] == k[1] == k[2] and k[3] == k[4] == k[5] and self.free(SEVEN):
            if self.total() >= 27:
                return self.entry(SEVEN, self.total(), WOW)
        if k[0] == k[1] and k[2] == k[3] and k[4] == k[5] and self.free(EIGHT):
            if self.total() >= 26:
                return self.entry(EIGHT, self.total(), WOW)
        if all(k[i] > k[i + 1] for i in range(5)) and self.free(STRIT):
            return self.entry(STRIT, 21, WOW)
        return self.proverkastrit()

    def julik(self):
        a, b, c, d = (self.may[k - 1] != 0 for k in (SEVEN, EIGHT, STRIT, CARE))
        wants = (a and b) or (c and d and (a or b))
        # With nothing left to write a new roll could never end the turn.
        return AGAIN if wants and 0 in self.comp else OVER

    def proverkastrit(self):
        if not self.free(STRIT):
            return self.proverka()
        for _ in range(2):
            self.kubik.sort()
            k = self.kubik
            same = [i for i in range(5) if k[i] == k[i + 1]]
            if len(same) == 1:
                self.reroll(same[0])
            self.kubik.sort()
            if all(self.kubik[i] < self.kubik[i + 1] for i in range(5)):
                return self.entry(STRIT, 21, WOW)
        return self.proverka()

    def proverka(self):
        fs = self.facesum
        self.count(6, 5, 4, 3)
        # Each block is chosen by the counts above; it recounts only its own face.
        if fs[6] >= 24 and self.any_free(6, SEVEN, EIGHT, CARE, KVINT):
            for _ in range(2):
                self.reroll_unless(lambda d: d == 6)
            self.count(6)
            if fs[6] == 36 and self.free(SEVEN):
                return self.entry(SEVEN, 36, WOW)
            if fs[6] == 36 and self.free(EIGHT):
                return self.entry(EIGHT, 36, WOW)
            if self.free(6) and fs[6] >= 30:
                return self.entry(6, fs[6], YE)
            if self.free(CARE) and fs[6] >= 24:
                return self.entry(CARE, 24, WOW)
            if self.free(6) and fs[6] == 24:
                return self.entry(6, 24, YE)
            if fs[6] >= 30 and self.free(KVINT):
                return self.entry(KVINT, self.total(), WOW)
        if fs[5] >= 20 and self.any_free(5, SEVEN, EIGHT, KVINT):
            self.keep_reroll_twice({5})
            self.count(5)
            if fs[5] == 30 and self.free(SEVEN):
                return self.entry(SEVEN, 30, WOW)
            if fs[5] == 30 and self.free(EIGHT):
                return self.entry(EIGHT, 30, WOW)
            if self.free(5) and fs[5] >= 20:
                return self.entry(5, fs[5], YE)
            if self.free(KVINT) and fs[5] >= 25 and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
        for face, need in ((4, 4), (3, 4)):
            if fs[face] >= 3 * face and self.free(face):
                self.keep_reroll_twice({face})
                self.count(face)
                if fs[face] >= need * face:
                    return self.entry(face, fs[face], YE)
        return self.proverka2_3()

    def proverka2_3(self):
        fs = self.facesum
        self.count(6, 5, 4)
        if not (
            self.free(SEVEN)
            and ((fs[5] >= 10 and fs[6] >= 6) or (fs[5] >= 5 and fs[6] >= 12))
        ):
            return self.proverka2_3_fours()
        # Triples of fives and sixes.
        self.reroll_unless(lambda d: d >= 5)
        self.count(6, 5)
        if (fs[5], fs[6]) in ((15, 12), (10, 18)):
            self.reroll_unless(lambda d: d >= 5)
            self.count(6, 5)
            result = self.twin_fives_sixes()
            if result:
                return result
            if self.gives_up():
                return OVER
        # Sixes with one five.
        if fs[5] == 5 and fs[6] >= 18 and self.any_free(CARE, 6, KVINT):
            self.reroll_unless(lambda d: d == 6)
            self.count(6)
            if self.free(CARE) and fs[6] >= 24:
                return self.entry(CARE, 24, WOW)
            if self.free(6) and fs[6] >= 24:
                return self.entry(6, fs[6], YE)
            if self.free(KVINT) and fs[6] >= 24 and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
            if self.gives_up():
                return OVER
        # Fives with one six; whether it runs or not, the novice stops after it.
        if fs[6] == 6 and fs[5] >= 15 and self.free(5):
            self.reroll_unless(lambda d: d == 5)
            self.count(6, 5)
            if self.free(SEVEN) and fs[5] == 15 and fs[6] == 18:
                return self.entry(SEVEN, 33, WOW)
            if self.free(EIGHT) and fs[5] == 20 and fs[6] == 12:
                return self.entry(EIGHT, 32, WOW)
            if self.free(SEVEN) and fs[5] == 30:
                return self.entry(SEVEN, 30, WOW)
            if self.free(5) and fs[5] >= 20:
                return self.entry(5, fs[5], YE)
            if self.free(KVINT) and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
        if self.gives_up():
            return OVER
        return self.proverka2_3_fours()

    def twin_fives_sixes(self):
        """The rules after the second throw at 5, 5, 5, 6, 6, 6; None when none fits."""
        fs = self.facesum
        if fs[5] == 15 and fs[6] == 18:
            return self.entry(SEVEN, 33, WOW)
        if self.free(EIGHT) and (fs[5], fs[6]) in ((20, 12), (10, 24)):
            return self.entry(EIGHT, fs[5] + fs[6], WOW)
        if self.free(6) and fs[6] >= 24:
            return self.entry(6, fs[6], YE)
        if self.free(CARE) and fs[6] >= 24:
            return self.entry(CARE, 24, WOW)
        if self.free(5) and fs[5] >= 20:
            return self.entry(5, fs[5], YE)
        if self.free(KVINT) and self.total() >= 29:
            return self.entry(KVINT, self.total(), WOW)
        return None

    def proverka2_3_fours(self):
        """The second half of proverka2_3: fours with sixes, then fours alone."""
        fs = self.facesum
        # facesum(4) is still the first count; facesum(6) the latest.
        if not (
            self.free(SEVEN) and ((fs[4] >= 8 and fs[6] >= 6) or (fs[4] >= 4 and fs[6] >= 12))
        ):
            return self.proverka3_2()
        self.reroll_unless(lambda d: d == 6 or d == 4)
        self.count(6, 4)
        if self.free(SEVEN) and (fs[4], fs[6]) in ((12, 12), (8, 18)):
            self.reroll_unless(lambda d: d == 6 or d == 4)
            self.count(6, 4)
            if fs[4] == 12 and fs[6] == 18 and self.free(SEVEN):
                return self.entry(SEVEN, 30, WOW)
            if self.free(EIGHT) and fs[4] == 8 and fs[6] == 24:
                return self.entry(EIGHT, 32, WOW)
            if self.free(EIGHT) and fs[4] == 16 and fs[6] == 12:
                return self.entry(EIGHT, 28, WOW)
            if self.free(6) and fs[6] >= 24:
                return self.entry(6, fs[6], YE)
            if self.free(CARE) and fs[6] >= 24:
                return self.entry(CARE, 24, WOW)
            if self.free(4) and fs[4] >= 16:
                return self.entry(4, fs[4], YE)
            if self.gives_up():
                return OVER
        # Sixes with one four.
        if fs[4] == 4 and fs[6] >= 12 and self.any_free(KVINT, CARE, 6):
            self.reroll_unless(lambda d: d == 6)
            self.count(6)
            if fs[6] == 36 and self.free(SEVEN):
                return self.entry(SEVEN, 36, WOW)
            if fs[6] == 36 and self.free(EIGHT):
                return self.entry(EIGHT, 36, WOW)
            if self.free(6) and fs[6] >= 24:
                return self.entry(6, fs[6], YE)
            if self.free(CARE) and fs[6] >= 24:
                return self.entry(CARE, 24, WOW)
            if self.free(KVINT) and fs[6] >= 12 and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
            if self.gives_up():
                return OVER
        # Fours.
        self.count(4)
        if self.free(4) and fs[4] >= 8:
            self.reroll_unless(lambda d: d == 4)
            self.count(4)
            if self.free(4) and fs[4] >= 16:
                return self.entry(4, fs[4], YE)
        if self.gives_up():
            return OVER
        return self.proverka3_2()

    def proverka3_2(self):
        fs = self.facesum
        self.count(6, 5, 4)
        if not (self.free(EIGHT) and 4 <= fs[4] <= 8 and 5 <= fs[5] <= 10 and 6 <= fs[6] <= 12):
            return self.proverkacare()
        # Pairs of fours, fives and sixes.
        self.reroll_unless(lambda d: d >= 4)
        self.count(6, 5, 4)
        if fs[5] > 4 and fs[6] > 5 and fs[4] > 3:
            self.reroll_unless(lambda d: d >= 4)
            self.count(6, 5, 4)
            if (fs[4], fs[5], fs[6]) == (8, 10, 12) and self.free(EIGHT):
                return self.entry(EIGHT, 30, WOW)
            if self.free(KVINT) and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
            if self.gives_up():
                return OVER
        if (fs[5], fs[6]) in ((10, 18), (15, 12)) and self.any_free(SEVEN, EIGHT):
            # Fives and sixes.
            self.reroll_unless(lambda d: d >= 5)
            self.count(5, 6)
            if fs[6] == 18 and fs[5] == 15 and self.free(SEVEN):
                return self.entry(SEVEN, 33, WOW)
            if self.free(EIGHT) and fs[5] == 10 and fs[6] == 24:
                # This entry alone cheers twice: once after the first die is shown.
                self.comp[EIGHT - 1] = 34
                self.sounds += [(WOW, 0), (YE, 0)]
                self.show()
                return OVER
            if self.free(EIGHT) and fs[6] == 12 and fs[5] == 20:
                return self.entry(EIGHT, 32, WOW)
        elif (fs[4], fs[6]) in ((8, 18), (12, 12)) and self.any_free(SEVEN, EIGHT):
            # Fours and sixes.
            self.reroll_unless(lambda d: d == 6 or d == 4)
            self.count(6, 4)
            if fs[6] == 18 and fs[4] == 12 and self.free(SEVEN):
                return self.entry(SEVEN, 30, WOW)
            if self.free(KVINT) and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
            if self.free(CARE) and fs[6] >= 24:
                return self.entry(CARE, 24, WOW)
            if self.free(6) and fs[6] >= 24:
                return self.entry(6, fs[6], YE)
            if self.free(4) and fs[4] >= 16:
                return self.entry(4, fs[4], YE)
        if self.gives_up():
            return OVER
        return self.proverkacare()

    def proverkacare(self):
        fs = self.facesum
        self.count(6)
        if fs[6] == 36 and self.free(SEVEN):
            return self.entry(SEVEN, 36, WOW)
        if fs[6] == 36 and self.free(EIGHT):
            return self.entry(EIGHT, 36, WOW)
        if fs[6] >= 12 and self.any_free(6, CARE):
            self.keep_reroll_twice({6})
            self.count(6)
            if fs[6] >= 24 and self.free(6):
                return self.entry(6, fs[6], YE)
            if fs[6] >= 24 and self.free(CARE):
                return self.entry(CARE, 24, WOW)
            if self.free(KVINT) and self.total() >= 29:
                return self.entry(KVINT, self.total(), WOW)
            if self.gives_up():
                return OVER
        return self.proverka5()

    def proverka5(self):
        fs = self.facesum
        self.count(5)
        if fs[5] >= 10 and self.any_free(5, SEVEN, EIGHT):
            self.keep_reroll_twice({5})
        self.count(5)
        if fs[5] == 30 and self.free(SEVEN):
            return self.entry(SEVEN, 30, WOW)
        if fs[5] == 30 and self.free(EIGHT):
            return self.entry(EIGHT, 30, WOW)
        if fs[5] >= 20 and self.free(5):
            return self.entry(5, fs[5], YE)
        return self.face_checks(0)

    # proverka4, proverka3, proverka2, proverka1, proverka21: the face, the
    # dice of it that make the check keep them, and the dice that it writes.
    FACE_CHECKS = ((4, 2, 4), (3, 2, 3), (2, 2, 2), (1, 1, 1), (2, 1, 3))

    def face_checks(self, first):
        """The face checks from FACE_CHECKS[first] on, then proverka31."""
        fs = self.facesum
        for face, keep, write in self.FACE_CHECKS[first:]:
            self.count(face)
            if self.free(face) and fs[face] >= keep * face:
                self.keep_reroll_twice({face})
            self.count(face)
            if self.free(face) and fs[face] >= write * face:
                return self.entry(face, fs[face], YE)
        return self.proverka31()

    def proverka31(self):
        fs = self.facesum
        self.count(3, 6)
        if fs[6] and fs[3] and self.free(SEVEN):
            self.keep_reroll_twice({3, 6})
            self.count(6, 3)
            if fs[3] == 9 and fs[6] == 18 and self.free(SEVEN):
                return self.entry(SEVEN, 27, WOW)
            if fs[6] >= 24 and self.free(CARE):
                return self.entry(CARE, 24, WOW)
            if fs[3] >= 9 and self.free(3):
                return self.entry(3, fs[3], YE)
        if self.free(3) and fs[3] >= 3:
            self.keep_reroll_twice({3})
            self.count(3)
            if self.free(3) and fs[3] >= 9:
                return self.entry(3, fs[3], YE)
        return self.proverka654()

    def proverka654(self):
        fs = self.facesum
        self.count(6, 5, 4)
        if fs[5] and fs[6]:
            self.keep_reroll_twice({5, 6})
            # Fours are not counted again: facesum(4) stays 0 even if one was thrown.
            self.count(6, 5)
            fs[4] = 0
            result = self.pair_of_faces(5, 6)
            if result:
                return result
        if fs[4] and fs[6]:
            self.keep_reroll_twice({4, 6})
            self.count(6, 4)
            result = self.pair_of_faces(4, 6)
            if result:
                return result
        if fs[5] and fs[4]:
            self.keep_reroll_twice({4, 5})
            self.count(5, 4)
            result = self.pair_of_faces(4, 5)
            if result:
                return result
        for face in (6, 5):
            if fs[face]:
                self.keep_reroll_twice({face})
                self.count(face)
                result = self.one_face(face)
                if result:
                    return result
        if fs[4] and self.free(4):
            self.keep_reroll_twice({4})
            self.count(4)
            if fs[4] >= 16 and self.free(4):
                return self.entry(4, fs[4], YE)
        # "kvint" takes whatever is left, once every other category is written,
        # but never over a "kvint" already written.
        if all(self.comp[:10]) and self.free(KVINT):
            return self.entry(KVINT, self.total(), YE)
        self.show()
        if self.level == 2:
            return self.julik()
        self.sounds.append((THIN, 0))
        return OVER

    def pair_of_faces(self, low, high):
        """The tests of proverka654 after keeping two faces low < high."""
        fs = self.facesum
        a, b = fs[low], fs[high]
        if a == 3 * low and b == 3 * high and self.free(SEVEN):
            return self.entry(SEVEN, a + b, WOW)
        if self.free(EIGHT) and (a, b) in ((2 * low, 4 * high), (4 * low, 2 * high)):
            return self.entry(EIGHT, a + b, WOW)
        if high == 6:
            if b >= 24 and self.free(CARE):
                return self.entry(CARE, 24, WOW)
            if b >= 24 and self.free(6):
                return self.entry(6, b, YE)
        else:
            if b >= 4 * high and self.free(high):
                return self.entry(high, b, YE)
        if a >= 4 * low and self.free(low):
            return self.entry(low, a, YE)
        return None

    def one_face(self, face):
        """The tests of proverka654 after keeping only sixes or only fives."""
        fs = self.facesum
        if fs[face] == 6 * face and self.free(SEVEN):
            return self.entry(SEVEN, 6 * face, WOW)
        if fs[face] == 6 * face and self.free(EIGHT):
            return self.entry(EIGHT, 6 * face, WOW)
        if face == 6 and fs[6] >= 24 and self.free(CARE):
            return self.entry(CARE, 24, WOW)
        if fs[face] >= 4 * face and self.free(face):
            return self.entry(face, fs[face], YE)
        return None

    def call(self, name):
        """Plays the turn from the named procedure, as `call NAME` does in kvint-script."""
        links = {
            "broskom1": self.broskom1,
            "julik": self.julik,
            "proverkastrit": self.proverkastrit,
            "proverka": self.proverka,
            "proverka2_3": self.proverka2_3,
            "PROVERKA3_2": self.proverka3_2,
            "proverkacare": self.proverkacare,
            "proverka5": self.proverka5,
            "proverka31": self.proverka31,
            "proverka654": self.proverka654,
        }
        for i, check in enumerate(("proverka4", "proverka3", "proverka2", "proverka1", "proverka21")):
            links[check] = lambda first=i: self.face_checks(first)
        if name == "broskom":
            return self.broskom()
        return self.run(links[name])
