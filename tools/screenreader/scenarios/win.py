# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole game won by ear: Afrika, "Zügig", "Sehr Leicht", one opponent.

The player knows only what the screen reader said. He sets up the game from
what the new game's window says it is, then plays in rounds: the game
paused, F6 tells him the situation and his free generals, F10 walks him to
the country with his best chance and he attacks it while he can spare a
general (two stay home) and the chance is at least 50 %; then the clock runs
a while (longer when nothing was worth an attack) and he listens to the
news. He decides on an utterance once it has been said to its end. Before
the first round he fills his roster (F2, "Neuer Unteroffizier"): new
generals train from the start. It ends when he hears
that he has won, or lost, or after STRATAGON_SR_MINUTES.

  tools/screenreader/run-orca --out win-transcript.txt tools/screenreader/scenarios/win.py
"""

import os
import re
import sys
import time

from driver import Player, SpeechTimeout

MINUTES = float(os.environ.get("STRATAGON_SR_MINUTES", "20"))
RUN_SECONDS = float(os.environ.get("STRATAGON_SR_RUN_SECONDS", "1.5"))
# New generals train from the start: a roster of ten, like the soak's player.
RECRUITS = int(os.environ.get("STRATAGON_SR_RECRUITS", "7"))
LEAST_CHANCE = int(os.environ.get("STRATAGON_SR_CHANCE", "50"))  # per cent: below, he waits and trains
KEPT_HOME = 2  # free generals he never sends out: the best of them defends
END = r"Du hast gewonnen|Du hast verloren|Es ist vollbracht|kläglich gescheitert"
WON = r"Du hast gewonnen|Es ist vollbracht"

p = Player()
begin = time.time()
p.wait_for("Spiel starten", timeout=30, since=0)

p.note("the menu: a new game")
p.press("Return")
said = p.wait_for("Karte: ", timeout=10).text
p.note(f"the new game said: {said}")
if "Afrika" not in said:
    sys.exit("the new game is not on Afrika")


def heard_out(u):
    """Waits until `u` has been said to its end (or cut): the player decides
    on what he heard, not on what was about to be said."""
    p.settle(quiet=0.1, timeout=15, since=u.start - 0.001)


p.choose("Regeln", "Zügig", ["Down", "Up"], said)
p.choose("Stärke der Gegner", "Sehr Leicht", ["Up"], said)
if "Aktive Gegner: 1." not in said:
    sys.exit("not one opponent")
p.press_until("Tab", "Starten")
p.settle(quiet=0.3)
p.press("Return")
p.wait_for("dein Land", timeout=15)
started = time.time()

p.press("space")
p.wait_for("pausiert|angehalten", timeout=3)

# More generals: the roster's window, its button, the proposed name taken.
if RECRUITS:
    p.press("F2")
    p.wait_for("Generalliste", timeout=5)
    p.settle(quiet=0.3)
    recruited = 0
    try:
        p.press_until("Tab", "Neuer Unteroffizier", tries=8)
        for _ in range(RECRUITS):
            p.press("Return")
            u = p.wait_for(r"Namen des Unteroffiziers|mehr Generäle", timeout=5)
            p.settle(quiet=0.3)
            p.press("Return")
            if "mehr" in u.text:
                break
            recruited += 1
            p.wait_for(r"Neuer Unteroffizier", timeout=5)
            p.settle(quiet=0.3)
    except SpeechTimeout:
        p.note("the roster did not say what was expected")
    p.note(f"recruited {recruited}")
    p.press("Escape")
    p.wait_for("Stratagon|Landkarte", timeout=5)
    p.settle(quiet=0.3)

over = None
rounds = attacks = 0
while time.time() - begin < MINUTES * 60 and not over:
    rounds += 1
    # How many generals are free: he keeps KEPT_HOME of them at home.
    free = 0
    p.press("F6")
    try:
        s = p.wait_for(r"Deine Länder", timeout=4)
        heard_out(s)
        p.note(f"situation: {s.text}")
        m = re.search(r"Freie Generäle: (\d+)", s.text)
        free = int(m.group(1)) if m else 0
    except SpeechTimeout:
        pass
    launched = 0
    # Attack while a general can be spared and the best chance is worth it.
    while free - launched > KEPT_HOME and launched < 8:
        # F10 once more when nothing was said: the focus may have been on its
        # way back to the map.
        u = None
        for _ in range(2):
            p.press("F10")
            try:
                u = p.wait_for(r"angreifbar|Kein Land|" + END, timeout=2.5)
                break
            except SpeechTimeout:
                pass
        if u is None:
            break
        heard_out(u)
        if re.search(END, u.text):
            over = u.text
            break
        m = re.search(r"Siegchance (\d+)", u.text)
        if not m or int(m.group(1)) < LEAST_CHANCE:
            break
        p.press("Return")
        try:
            d = p.wait_for(r"Vorgewählt|Kein General", timeout=12)
            heard_out(d)
        except SpeechTimeout:
            p.press("Escape")
            break
        if "Kein General" in d.text:
            p.press("Escape")
            break
        p.press("Return")
        attacks += 1
        launched += 1
        try:
            # The map has the keys again once it is said.
            p.wait_for(r"Liste mit|" + END, timeout=6)
            p.settle(quiet=0.2, timeout=1.5)
        except SpeechTimeout:
            pass
    if over:
        break
    # Let the war run and listen; longer while nothing is worth an attack.
    p.press("space")
    since = p.mark()
    p.sleep(RUN_SECONDS if launched else 3 * RUN_SECONDS)
    for u in p.heard(since):
        if re.search(END, u.text):
            over = u.text
    if over:
        break
    # An attack on him may have paused the game already ("Spiel angehalten").
    stops = [u for u in p.heard(since) if re.search(r"angehalten|pausiert|läuft", u.text)]
    if not stops or "läuft" in stops[-1].text:
        p.press("space")
        try:
            p.wait_for(r"pausiert|angehalten|" + END, timeout=3)
        except SpeechTimeout:
            pass
    for u in p.heard(since):
        if re.search(END, u.text):
            over = u.text

p.settle(quiet=2, timeout=20)
minutes = (time.time() - started) / 60
p.note(f"rounds {rounds}, attacks {attacks}, {minutes:.1f} minutes from the first key of the game")
p.note(f"the end heard: {over}" if over else "no end heard")
for u in p.heard(started)[-12:]:
    p.note(f"last heard: {u.text}")
# The summary says "Schlachten gewonnen / verloren" either way.
if not over or not re.search(WON, over):
    sys.exit("not won")
