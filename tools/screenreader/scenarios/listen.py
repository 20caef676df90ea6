# SPDX-License-Identifier: GPL-3.0-or-later
"""A war listened to: a new game (Zügig, the opponents at STRATAGON_SR_STRENGTH,
"Sehr Leicht" by default, so that the game outlasts the listening), attacks
on every neighbour that can be taken, then the clock at a pace
(STRATAGON_SR_PACE, "4×" by default) for STRATAGON_SR_LISTEN seconds without
a key, so that nothing the player does cuts the news short. latency.py then lays the program's log of
ticks beside the transcript:

  tools/screenreader/run-orca --out listen.txt tools/screenreader/scenarios/listen.py
  tools/screenreader/latency.py listen.txt
"""

import os
import re

from driver import Player, SpeechTimeout

PACE = os.environ.get("STRATAGON_SR_PACE", "4×")
LISTEN = float(os.environ.get("STRATAGON_SR_LISTEN", "60"))
STRENGTH = os.environ.get("STRATAGON_SR_STRENGTH", "Sehr Leicht")

p = Player()
p.wait_for("Spiel starten", timeout=30, since=0)
p.press("Return")
said = p.wait_for("Karte: ", timeout=10).text
p.choose("Regeln", "Zügig", ["Down", "Up"], said)
p.choose("Stärke der Gegner", STRENGTH, ["Up", "Down"], said)
p.press_until("Tab", "Starten")
p.settle(quiet=0.3)
p.press("Return")
p.wait_for("dein Land", timeout=15)
p.press("space")
p.wait_for("pausiert", timeout=3)

# Every neighbour that can be taken, while a general is free.
for _ in range(6):
    try:
        u = p.press_until("F10", r"angreifbar|Kein Land", tries=2, timeout=2.5)
    except SpeechTimeout:
        break
    if not re.search(r"Siegchance", u.text):
        break
    p.press("Return")
    d = p.wait_for(r"Vorgewählt|Kein General", timeout=12)
    if "Kein General" in d.text:
        p.press("Escape")
        break
    p.press("Return")
    try:
        p.wait_for(r"Liste mit", timeout=6)
    except SpeechTimeout:
        pass
    p.settle(quiet=0.3, timeout=3)

p.press_until("plus", re.escape(PACE), tries=3)
p.settle(quiet=0.5, timeout=5)
p.press("space")
p.note(f"listening {LISTEN:.0f} s at {PACE}, no key")
since = p.mark()
p.sleep(LISTEN)
p.note(f"heard {len(p.heard(since))} utterances")
p.press("space")
p.settle(quiet=1, timeout=10)
