# SPDX-License-Identifier: GPL-3.0-or-later
"""An opening played by ear: menu, new game, an attack on a neighbour, a
pause, the menu, a save, and the end of the program.

Each step waits for what the screen reader says before the next key (the
player decides only from speech); what a blind player needs but the game
does not say yet is checked, not required, and listed at the end.

  tools/screenreader/run-orca tools/screenreader/scenarios/opening.py
"""

import os
import sys

from driver import Player, SpeechTimeout

p = Player()
p.wait_for("Spiel starten", timeout=30, since=0)

p.note("the menu: start a game")
p.press("Return")
p.wait_for("Neues Spiel")
p.check("new game: the map", "Afrika|Europa|Welt|Karte ?:")
p.check("new game: the player's side", "Deine Seite|Südafrika|Ägypten")
p.check("new game: the opponents", "Gegner")
p.wait_for("Starten")
p.settle(quiet=0.3)

p.note("start")
p.press("Return")
p.wait_for("dein Land", timeout=10)
p.check("the game's start said (clock runs)", "Spiel läuft|läuft", timeout=4)

p.note("look for a neighbour that can be attacked")
found = None
for key in ["Right", "Down", "Left", "Up", "Right", "Down", "Left", "Up"]:
    try:
        found = p.press_until(key, "angreifbar", tries=1)
        break
    except SpeechTimeout:
        pass
if not found:
    sys.exit("no country said to be attackable")
target = [u.text for u in p.heard() if u.start <= found.start][-2:]
p.note(f"neighbour: {' '.join(target)}")

p.note("the deployment window")
since = p.mark()  # its title and description are one utterance
p.press("Return")
p.wait_for("General für den Kampf einsetzen")
p.check("deployment: the target country", target[0].rstrip(".") if len(target) > 1 else "Lesotho", since=since)
p.check("deployment: the defender", "verteidigt|Verteidiger|neutral", since=since)
p.check("deployment: the preselected general and his chance", "Siegchance|Chance|%", since=since)

p.note("attack")
p.press("Return")
p.wait_for("umkämpft|Stratagon", timeout=5)
p.check("attack: the battle opened", "Angriff auf|Schlacht|Kampf .*begonnen|greifst", timeout=3, since=since)
p.note("listen while the battle runs")
since = p.mark()
p.sleep(8)
p.check("a battle won or lost", "gewonnen|verloren|erobert|eingenommen", timeout=0.1, since=since)
for u in p.heard(since):
    p.note(f"heard while waiting: {u.text}")

p.note("pause")
p.press("space")
p.check("pause said", "pausiert|Pause", timeout=2)

p.note("the menu")
p.press("Escape")
p.wait_for("Optionsmenü")
p.settle(quiet=0.3)
p.press_until("Tab", "Spiel speichern")
p.settle(quiet=0.3)
p.press("Return")
p.wait_for("Spiel speichern Dialog|Namen")
p.settle(quiet=0.8)
p.type("Blindtest")
p.settle(quiet=0.8)
p.press("Return")
p.wait_for("Optionsmenü|Spiel speichern Druckknopf")
# Said once the menu's focus has been said: a player waits for it.
p.check("save confirmed", "Gespeichert|gespeichert", timeout=10)
# Not for the player, for the reader: did the save happen, said or not?
saves = os.path.join(p.run, "game", "saves")
p.note(f"saves on disk: {sorted(os.listdir(saves)) if os.path.isdir(saves) else 'none'}")

p.note("leave")
p.press_until("shift+Tab", "Beenden")
p.settle(quiet=0.3)
p.press("Return")
p.settle(quiet=1.5)
for _ in range(3):
    if not p.running():
        break
    # A question before the end: answer it from what was said.
    spoken = " ".join(u.text for u in p.heard())
    p.note(f"still running after: {spoken}")
    p.press("Return")
    p.settle(quiet=1.5)
p.note("the program ended" if not p.running() else "the program is still running")

missing = p.summary()
print(f"{len(p.checked) - missing} said, {missing} not said")
