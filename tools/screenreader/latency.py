#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""How soon the screen reader said the game's news, and how much of it.

  tools/screenreader/latency.py TRANSCRIPT [PROGRAM_LOG] [--from S] [--to S]

The program's log (run-orca keeps it as TRANSCRIPT's name with
.program.log) has a line for each tick that brought news ("tick", or "end"
for the tick that ended the game), with the tick's time in epoch
milliseconds and the items of the news, and one for each announcement
shown. For every tick this finds the first utterance that
says one of its items, or for the end of the game the end's message, and
gives the time from the tick to the start of that utterance (news of one
kind is said together, so an item counts as said when all its words are). Then it counts
the utterances that were news in windows of 15 seconds and gives the
shortest gap between two of them.
"""

import argparse
import re
import statistics
import sys

END = re.compile(r"Du hast gewonnen|Du hast verloren|vollbracht|gescheitert|You have won|You have lost", re.I)


def says(text, item):
    """True when the utterance says the item, alone or with others of its
    kind ("Ägypten greift Botsuana an!" in "Ägypten greift Botsuana und
    Simbabwe an!"): every word of the item is in it."""
    words = set(re.findall(r"\w+", text))
    return all(w in words for w in re.findall(r"\w+", item))


def read_transcript(path):
    zero = None
    said = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if zero is None:
                m = re.search(r"epoch ([0-9.]+)", line)
                if m:
                    zero = float(m.group(1))
                continue
            m = re.match(r'\s*(-?[0-9.]+)\s+"(.*)"(\s+\[cut.*\])?$', line.rstrip("\n"))
            if m:
                said.append((zero + float(m.group(1)), m.group(2)))
    return zero, said


def read_log(path):
    ticks = []
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = re.match(r"stratagon\.announce: (tick|end) (\d+) (\d+) ?(.*)$", line.rstrip("\n"))
            if m:
                # The end's message says it all: the end's own news is not said.
                items = [] if m.group(1) == "end" else [i.strip() for i in m.group(4).split(" | ") if i.strip()]
                ticks.append((int(m.group(2)) / 1000.0, items))
    return ticks


def main(argv):
    parser = argparse.ArgumentParser(description="How soon the screen reader said the game's news.")
    parser.add_argument("transcript")
    parser.add_argument("program_log", nargs="?")
    parser.add_argument("--from", dest="start", type=float, default=-1e9, help="seconds in the transcript")
    parser.add_argument("--to", dest="stop", type=float, default=1e9, help="seconds in the transcript")
    opts = parser.parse_args(argv)
    transcript = opts.transcript
    log = opts.program_log or re.sub(r"\.txt$", "", transcript) + ".program.log"
    zero, said = read_transcript(transcript)
    ticks = read_log(log)
    lo = zero + opts.start
    hi = zero + opts.stop
    ticks = [t for t in ticks if lo <= t[0] <= hi]

    delays, missed, news = [], [], set()
    for when, items in ticks:
        wanted = items or ["<end>"]
        hit = None
        for start, text in said:
            if start < when - 0.05 or start > when + 15:
                continue
            if (items and any(says(text, i) for i in items)) or (not items and END.search(text)):
                hit = (start, text)
                break
        label = " | ".join(wanted)
        if hit:
            delays.append((hit[0] - when, label))
            news.add(hit[0])
        else:
            missed.append(label)
    print(f"ticks with news: {len(ticks)}, said: {len(delays)}, not said within 15 s: {len(missed)}")
    if delays:
        values = sorted(d for d, _ in delays)
        print(f"tick to speech: median {statistics.median(values):.2f} s, "
              f"90 % {values[int(0.9 * (len(values) - 1))]:.2f} s, max {values[-1]:.2f} s; "
              f"within 1 s: {sum(v <= 1.0 for v in values)} of {len(values)}")
        for d, label in delays:
            if d > 1.0:
                print(f"  {d:5.2f} s  {label}")
    for label in missed:
        print(f"  not said: {label}")

    starts = sorted(news)
    if starts:
        first = starts[0]
        windows = {}
        for s in starts:
            windows[int((s - first) // 15)] = windows.get(int((s - first) // 15), 0) + 1
        print(f"news utterances per 15 s: max {max(windows.values())}, "
              f"windows {[windows.get(k, 0) for k in range(max(windows) + 1)]}")
        gaps = [b - a for a, b in zip(starts, starts[1:])]
        if gaps:
            print(f"shortest gap between two news utterances: {min(gaps):.2f} s")


if __name__ == "__main__":
    main(sys.argv[1:])
