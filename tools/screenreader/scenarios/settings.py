# SPDX-License-Identifier: GPL-3.0-or-later
"""The settings window by ear: what it says when it opens, and what the two
sliders say on focus and when moved (their words, not only a notch).

  tools/screenreader/run-orca --out settings.txt tools/screenreader/scenarios/settings.py
"""

from driver import Player

p = Player()
p.wait_for("Spiel starten", timeout=30, since=0)
p.press_until("Tab", "Optionen")
p.settle(quiet=0.3)
p.press("Return")
p.wait_for("Einstellungen", timeout=6)
p.check("settings: what it is about", "Hier stellst du", timeout=8)
p.settle(quiet=0.5)
for slider, words in [("Ein Jahr vergeht in", r"Sekunden"), ("KI - Einstellungen", r"greift")]:
    p.press_until("Tab", slider, tries=12)
    p.check(f"{slider}: its words on focus", words, timeout=4)
    p.settle(quiet=0.3)
    since = p.mark()
    p.press("Right")
    p.check(f"{slider}: its words when moved", words, timeout=5, since=since)
    p.settle(quiet=0.5, timeout=8)
    for u in p.heard(since):
        p.note(f"moved: {u.text}")
p.press("Escape")
p.settle(quiet=1)
missing = p.summary()
print(f"{len(p.checked) - missing} said, {missing} not said")
