# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the probe (tools/screenreader/probe/) and prints, per way of
announcing and per control, what the screen reader said and how fast.

  cmake --preset dev -DSTRATAGON_TOOLS=ON && cmake --build build --target screenreader_probe
  tools/screenreader/run-orca --rate 0 --program build/tools/screenreader/probe/screenreader_probe \\
      tools/screenreader/probe.py announce controls
  tools/screenreader/run-orca --program build/tools/screenreader/probe/screenreader_probe \\
      tools/screenreader/probe.py overlap

Parts: announce (each way once, the same text twice, the notification
history), overlap (run with --rate above 0: what cuts what short),
controls (the dialog: sliders, combo boxes, table, tree, a focusable label).
"""

import sys

from driver import Player

p = Player()


def report(label, since, quiet=1.2):
    spoken = p.settle(quiet=quiet, since=since)
    if spoken:
        for u in spoken:
            cut = "" if u.end is not None else " (not finished)"
            print(f"{label:<34} +{u.start - since:5.2f} s  {u.text!r}{cut}")
    else:
        print(f"{label:<34} nothing")
    return spoken


def key(label, *keys, quiet=1.2):
    since = p.mark()
    p.press(*keys)
    return report(label, since, quiet)


p.wait_for_window("Probe")
p.wait_for("Karte", timeout=15, since=0)
p.settle(quiet=1.0, since=0)

parts = sys.argv[1:] or ["announce", "controls"]
if "announce" in parts:
    print("== Announcements while the map keeps the focus")
    key("notification shown", "n")
    key("same text twice (1)", "N")
    key("same text twice (2)", "N")
    key("notification frame with a label", "k")
    key("same frame text twice (1)", "K")
    key("same frame text twice (2)", "K")
    key("notification renamed, shown", "m")
    key("tool tip", "t")
    key("QAccessible::Alert event", "a")
    key("label of role AlertMessage shown", "l")
    key("status bar message", "s")
    key("focused widget's description", "d")
    key("same description again", "D")
    key("focused widget's name", "r")
    key("text inserted into a label", "i")
    key("history: last notification", "Insert+ctrl+n")
    key("history: list", "Insert+shift+n")
    key("history: list, 1", "1")
    key("history: list, 4", "4")
    key("history: list, 6", "6")
    key("history: list, Escape", "Escape")
if "overlap" in parts:
    print("== What cuts what short (speech takes time)")
    key("long notification, short 0.3 s later", "w", quiet=2.5)
    key("three notifications at once", "b", quiet=2.5)
    since = p.mark()
    p.press("n")
    p.sleep(0.5)
    p.press("Tab")
    report("notification, then Tab 0.5 s later", since, quiet=2.5)
    p.press("shift+Tab")
    p.settle(quiet=2.0)
if "controls" in parts:
    print("== A dialog and its controls (the focus starts on the first slider)")
    key("dialog opened", "o", quiet=2.0)
    for label, keys in [("Tempo A (plain slider): Right", ["Right"]),
                        ("Tempo B (description)", ["Tab"]), ("  Right", ["Right"]),
                        ("Tempo C (own interface: text live)", ["Tab"]), ("  Right", ["Right"]),
                        ("Tempo D (buddy, name with value)", ["Tab"]), ("  Right", ["Right"]),
                        ("Tempo E (no buddy, name w. value)", ["Tab"]), ("  Right", ["Right"]),
                        ("Tempo F (spin box with suffix)", ["Tab"]), ("  Up", ["Up"]),
                        ("Stärke G (spin box with words)", ["Tab"]), ("  Up", ["Up"]),
                        ("Farben (combo box, buddy)", ["Tab"]), ("  Down", ["Down"]),
                        ("Stärke (buddy, value descr.)", ["Tab"]), ("  Down", ["Down"]),
                        ("Sprache (no buddy, name w. value)", ["Tab"]), ("  Down", ["Down"]),
                        ("Regeln (combo box, no buddy)", ["Tab"]), ("  Down", ["Down"]),
                        ("  popup: alt+Down", ["alt+Down"]), ("  popup: Up", ["Up"]),
                        ("  popup: Return", ["Return"]),
                        ("Schlachten (table)", ["Tab"]), ("  Down", ["Down"]), ("  Down", ["Down"]),
                        ("Generäle (tree)", ["Tab"]), ("  Down", ["Down"]),
                        ("next: focusable label in a group?", ["Tab"]),
                        ("next: focusable label, bare?", ["Tab"]), ("next", ["Tab"])]:
        key(label, *keys)
    key("closed with Escape", "Escape")
