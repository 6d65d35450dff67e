#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Feeds qorza-play many scripts and sorts the endings.

Three kinds of script, in turn: random bytes, the example scripts of
tests/scripts/ mutated, and scripts built from the command language. A run
is clean when it ends with status 0, or with status 2 and an error line that
names its script line. Anything else is a finding: status 1 (a logic fault),
a sanitizer report (status 3 in the sanitizer build), any other status, or a
run that outlives the time limit. Findings are written to --keep.

  scripts/fuzz-play.py --play build-asan/bin/qorza-play --count 100000

A sanitizer process per script is slow; --write DIR only writes the scripts,
for the fuzz target of tools/fuzz/ to run in one process, which checks the
same endings:

  scripts/fuzz-play.py --write build-fuzz/scripts --count 100000
  build-fuzz/qorza-play-fuzz -runs=0 -timeout=10 build-fuzz/scripts
"""

import argparse
import concurrent.futures
import os
import pathlib
import random
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
RANKS = ["A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"]
SUITS = ["S", "D", "H", "C"]
# Each setting with the values a game usually holds in it.
SETTINGS = {
    "DeckSize": (44, 52), "HandSize": (4, 6), "SkillLevel": (1, 3), "DelayMs": (0, 300),
    "TurnInHand": (0, 5), "DealtCount": (4, 44), "CardImgNext1": (1, 11),
    "CardImgNext2": (1, 11), "QorzaImgNext1": (1, 6), "QorzaImgNext2": (1, 6),
    "RoundCount1": (0, 30), "RoundCount2": (0, 30), "ScoreTable1": (-5, 120),
    "ScoreTable2": (-5, 120), "SoundOn": (0, 1),
}
TEXTS = [
    "TXT_CARD1", "TXT_CARD2", "TXT_POINT1", "TXT_POINT2", "txt_qorza1", "txt_qorza2",
    "TXT_NAME", "PlayerName1", "PlayerName2", "target",
]
EDGE_NUMBERS = [
    "0", "1", "2", "-1", "3", "4", "5", "6", "7", "10", "11", "12", "44", "52", "101",
    "2147483647", "-2147483648", "2147483648", "9223372036854775807",
    "18446744073709551615", "999999999", "1000000000", "1000000001", "1e300",
    "12.5", "1" + "0" * 400, "0." + "0" * 400 + "1", "-0", "+5", "", "abc",
]
ERROR_LINE = re.compile(rb"^qorza-play: line \d+: ")


# Grammar scripts go wild (edge numbers, doubled cards) on one value in this
# many; the rest keep the script running deep into play.
WILD = 25


def card(rng):
    return rng.choice(RANKS) + rng.choice(SUITS) if rng.random() > 0.1 else "-"


def cards(rng, most):
    count = rng.randint(0, most)
    if rng.randrange(WILD) == 0:
        return " ".join(card(rng) for _ in range(count))
    deck = [r + s for r in RANKS for s in SUITS]
    return " ".join(c if rng.random() > 0.1 else "-" for c in rng.sample(deck, count))


def number(rng, lo=-3, hi=60):
    return rng.choice(EDGE_NUMBERS) if rng.randrange(WILD) == 0 else str(rng.randint(lo, hi))


def text_value(rng):
    pick = rng.random()
    if pick < 0.4:
        return number(rng, 0, 60)
    if pick < 0.6:
        return bytes(rng.randrange(256) for _ in range(rng.randint(0, 12))).decode("latin-1")
    return rng.choice(["", " 12.5", "12,5", "7abc", "سلمى", "\t3", "-0.5", "1.2.3"])


def grammar_line(rng):
    kind = rng.randrange(16)
    if kind == 0:
        return "options %s %s %s%s" % (rng.choice(["52", "44"]), rng.choice(["6", "4"]),
                                       number(rng, 1, 3),
                                       rng.choice(["", " Sami", " " + text_value(rng)]))
    if kind == 1:
        return "seed " + number(rng, 0, 1000)
    if kind == 2:
        return "deck " + cards(rng, 12).replace(" - ", " ")
    if kind in (3, 4):
        return "deal"
    if kind == 5:
        return "new"
    if kind == 6:
        return "table " + cards(rng, 10)
    if kind == 7:
        return "hand1 " + cards(rng, 6)
    if kind == 8:
        return "hand2 " + cards(rng, 6)
    if kind == 9:
        name = rng.choice(sorted(SETTINGS))
        return "set %s %s" % (name, number(rng, *SETTINGS[name]))
    if kind == 10:
        return "set %s %s" % (rng.choice(TEXTS), text_value(rng))
    if kind in (11, 12):
        return "click " + number(rng, 1, 6)
    if kind == 13:
        return "key %s%s" % (number(rng, 45, 105), rng.choice(["", "", " 0", " 1"]))
    if kind == 14:
        return rng.choice(["p1 " + number(rng, 1, 6), "p2", "results", "undo"])
    return "dump"


def grammar_script(rng):
    lines = []
    if rng.random() < 0.8:
        lines += ["options %s 2" % rng.choice(["52 6", "52 4", "44 4"]), "seed %d" % rng.randrange(1000),
                  "deal"]
    lines += [grammar_line(rng) for _ in range(rng.randint(1, 60))]
    return ("\n".join(lines) + "\n").encode("utf-8", "surrogateescape")


def random_bytes(rng):
    alphabet = b"0123456789 -\n\t#.ASDHCJQKabcdeklnoprst" + bytes(range(256))
    return bytes(rng.choice(alphabet) for _ in range(rng.randint(0, 400)))


def mutated(rng, examples):
    lines = rng.choice(examples).splitlines()
    for _ in range(rng.randint(1, 8)):
        pick = rng.randrange(6)
        at = rng.randrange(len(lines) + 1)
        if pick == 0 and lines:
            del lines[min(at, len(lines) - 1)]
        elif pick == 1:
            lines.insert(at, grammar_line(rng).encode("utf-8", "surrogateescape"))
        elif pick == 2 and lines:
            lines.insert(at, rng.choice(lines))
        elif pick == 3 and lines:
            words = lines[min(at, len(lines) - 1)].split(b" ")
            words[rng.randrange(len(words))] = number(rng).encode()
            lines[min(at, len(lines) - 1)] = b" ".join(words)
        elif pick == 4 and lines:
            line = bytearray(lines[min(at, len(lines) - 1)])
            if line:
                line[rng.randrange(len(line))] = rng.randrange(256)
            lines[min(at, len(lines) - 1)] = bytes(line)
        else:
            rng.shuffle(lines)
    return b"\n".join(lines) + b"\n"


def script_for(index, seed, examples):
    rng = random.Random(seed * 1_000_003 + index)
    kind = index % 3
    if kind == 0:
        return "bytes", random_bytes(rng)
    if kind == 1:
        return "mutated", mutated(rng, examples)
    return "grammar", grammar_script(rng)


def verdict(status, err):
    if status == 0:
        return "clean 0"
    if status == 2 and ERROR_LINE.match(err):
        return "clean 2"
    if status == 1:
        return "logic fault"
    if status == 3 or b"runtime error" in err or b"Sanitizer" in err:
        return "sanitizer"
    if status == 2:
        return "status 2 without its line"
    return "status %d" % status


def run_one(play, script, timeout):
    try:
        done = subprocess.run([play], input=script, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return "hang", b""
    return verdict(done.returncode, done.stderr), done.stderr


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--play", help="the qorza-play to run")
    parser.add_argument("--write", help="only write the scripts to this folder")
    parser.add_argument("--count", type=int, default=1000)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 1)
    parser.add_argument("--timeout", type=float, default=10.0, help="seconds per script")
    parser.add_argument("--keep", default="fuzz-findings", help="folder for findings")
    args = parser.parse_args()

    examples = [p.read_bytes() for p in sorted((ROOT / "tests" / "scripts").glob("*.play"))]
    if args.write:
        folder = pathlib.Path(args.write)
        folder.mkdir(parents=True, exist_ok=True)
        for i in range(args.count):
            kind, script = script_for(i, args.seed, examples)
            (folder / ("%06d-%s.play" % (i, kind))).write_bytes(script)
        print("wrote %d scripts to %s" % (args.count, folder))
        return 0
    if not args.play:
        parser.error("--play or --write is needed")
    counts = {}
    findings = 0
    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        def job(i):
            kind, script = script_for(i, args.seed, examples)
            return i, kind, script, run_one(args.play, script, args.timeout)

        for i, kind, script, (result, err) in pool.map(job, range(args.count)):
            counts[(kind, result)] = counts.get((kind, result), 0) + 1
            if not result.startswith("clean"):
                findings += 1
                keep = pathlib.Path(args.keep)
                keep.mkdir(parents=True, exist_ok=True)
                (keep / ("%06d.play" % i)).write_bytes(script)
                (keep / ("%06d.err" % i)).write_bytes(err)
    for (kind, result), n in sorted(counts.items()):
        print("%-8s %-28s %d" % (kind, result, n))
    print("scripts %d, findings %d" % (args.count, findings))
    return 1 if findings else 0


if __name__ == "__main__":
    sys.exit(main())
