#!/usr/bin/env python3
"""Expected figures for item_statistics_test.cpp, computed apart from the
program, the way Moodle's quiz statistics report computes them (two passes
over the attempts, sample variances, k-statistics). Standard library only.

Beyond Moodle: the standard error of a facility and of the test's mean (the
sample sd over sqrt(n)), and the students whose percentage lies within one
standard error of measurement of where a mark starts (25, 37.5, 62.5 and
87.5 % on the default scale).

Each case is a key (one letter per bank question) and one string per
student's first finished attempt: the letter chosen, '-' for unanswered, '.'
for a question the run did not draw. Run it and copy its lines into the test.
"""
import math

CASES = {
    "six students": ("ABCA", ["ABCA", "ABCB", "ABDA", "BBCC", "A-DB", "CBDD"]),
    "equal totals": ("AAAA", ["AAAB", "AABA", "ABAA", "AAAB"]),
    "drawn from a pool": ("AAAAA", ["AAB..", "A.AB.", ".AAA.", "B..AA", "..BAA", "AB..A", ".BBB.",
                                    "A.A.B"]),
    "ten questions": ("AAAAAAAAAA", ["AAAAAAAAAA", "AAAAAAAAAB", "AAAAAAABBB", "AAAAABBBBB",
                                     "AAAABBBBBB", "AAABBBBBBB", "ABABABABAB", "BBBBBBBBBB",
                                     "AAAAAAAABB", "AAAAAABBBA"]),
}
BOUNDARIES = (25, 37.5, 62.5, 87.5)


def sample_variance(xs):
    m = sum(xs) / len(xs)
    return sum((x - m) ** 2 for x in xs) / (len(xs) - 1)


def covariance(xs, ys):
    mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
    return sum((x - mx) * (y - my) for x, y in zip(xs, ys)) / (len(xs) - 1)


def correlation(xs, ys):
    if len(xs) < 2:
        return None
    vx, vy = sample_variance(xs), sample_variance(ys)
    if vx * vy == 0:
        return None
    return 100 * covariance(xs, ys) / math.sqrt(vx * vy)


def fmt(x):
    return "-" if x is None else f"{x:.2f}"


def item(key, attempts, q):
    had = [a for a in attempts if a[q] != "."]
    marks = [1 if a[q] == key[q] else 0 for a in had]
    totals = [sum(1 for i, c in enumerate(a) if c == key[i]) for a in had]
    others = [t - m for t, m in zip(totals, marks)]
    s = len(had)
    facility = 100 * sum(marks) / s
    sd = 100 * math.sqrt(sample_variance(marks)) if s > 1 else None
    di = correlation(marks, others)
    covmax = covariance(sorted(marks), sorted(others)) if s > 1 else 0
    de = 100 * covariance(marks, others) / covmax if covmax else None
    options = {}
    for letter in sorted(set(key[q]) | {a[q] for a in had if a[q] not in "-."}):
        chose = [1 if a[q] == letter else 0 for a in had]
        options[letter] = (100 * sum(chose) / s, correlation(chose, others))
    se = sd / math.sqrt(s) if sd is not None else None
    return s, facility, sd, di, de, options, se


def test(key, attempts):
    totals = sorted(sum(1 for i, c in enumerate(a) if c == key[i]) for a in attempts)
    asked = [[c for c in a if c != "."] for a in attempts]
    keys = [[k for k, c in zip(key, a) if c != "."] for a in attempts]
    p = max(len(a) for a in asked)
    s = len(totals)
    mean = sum(totals) / s
    median = (totals[(s - 1) // 2] + totals[s // 2]) / 2
    power = lambda n: sum((t - mean) ** n for t in totals)
    sd = math.sqrt(power(2) / (s - 1))
    m2, m3, m4 = power(2) / s, power(3) / s, power(4) / s
    k2 = s * m2 / (s - 1)
    k3 = s * s * m3 / ((s - 1) * (s - 2))
    skew = kurt = cic = er = se = None
    if k2 != 0:
        skew = k3 / k2 ** 1.5
        k4 = s * s * ((s + 1) * m4 - 3 * (s - 1) * m2 * m2) / ((s - 1) * (s - 2) * (s - 3))
        kurt = k4 / (k2 * k2)
        # Per position (the k-th question a run asked), as Moodle's slots.
        variance = sum(sample_variance([1 if a[k] == ks[k] else 0 for a, ks in zip(asked, keys)])
                       for k in range(p))
        cic = 100 * p / (p - 1) * (1 - variance / k2)
        er = 100 * math.sqrt(1 - cic / 100)
        se = er * sd / 100
    pct = lambda x: None if x is None else 100 * x / p
    return s, pct(mean), pct(median), pct(sd), skew, kurt, cic, er, pct(se), pct(sd / math.sqrt(s))


def near_boundaries(key, attempts, sem):
    """Per student (in the case's order) whether the percentage is near a boundary."""
    near = []
    for a in attempts:
        asked = [c for c in a if c != "."]
        percent = 100 * sum(1 for i, c in enumerate(a) if c == key[i]) / len(asked)
        near.append(sem is not None and any(abs(percent - b) <= sem for b in BOUNDARIES))
    return near


for name, (key, attempts) in CASES.items():
    print(f"== {name}")
    figures = test(key, attempts)
    print("test:", " ".join(fmt(x) for x in figures[1:]), f"(students {len(attempts)})")
    print("near a boundary:", "".join("1" if n else "0" for n in near_boundaries(key, attempts, figures[8])))
    for q in range(len(key)):
        s, facility, sd, di, de, options, se = item(key, attempts, q)
        print(f"q{q + 1}: students {s} facility {fmt(facility)} ± {fmt(se)} sd {fmt(sd)} di {fmt(di)} de {fmt(de)}")
        for letter, (share, r) in options.items():
            print(f"    {letter}{'*' if letter == key[q] else ''} share {fmt(share)} r {fmt(r)}")
