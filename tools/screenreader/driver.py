# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays the game by keys and listens to what the screen reader says.

A scenario is a Python file run by tools/screenreader/run-orca:

    from driver import Player
    p = Player()
    p.wait_for(r"Spiel starten")      # what the screen reader said first
    p.press("Return")
    p.wait_for(r"Neues Spiel", timeout=5)

Every key pressed and every note is kept with its time beside what was
spoken, and run-orca writes both into one transcript at the end.
"""

import os
import re
import subprocess
import sys
import time
from dataclasses import dataclass


@dataclass
class Utterance:
    ident: str
    start: float          # seconds since the epoch
    duration: float       # how long saying it takes
    text: str
    end: float | None = None   # None: not finished (cut short, or still speaking)

    def speaking(self, now):
        return self.end is None and now < self.start + self.duration + 0.2

    def __str__(self):
        return self.text


class SpeechTimeout(AssertionError):
    pass


def read_speech(path):
    """The utterances of speak-to-file's file, in the order they began."""
    spoken, by_id = [], {}
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            lines = f.read().split("\n")
    except FileNotFoundError:
        return spoken
    for line in lines:
        fields = line.split("\t")
        if fields[0] == "S" and len(fields) >= 5:
            u = Utterance(fields[2], float(fields[1]), float(fields[3]), "\t".join(fields[4:]))
            spoken.append(u)
            by_id[u.ident] = u
        elif fields[0] == "E" and len(fields) >= 3 and fields[2] in by_id:
            by_id[fields[2]].end = float(fields[1])
    return spoken


class Player:
    """A player who hears only the screen reader and answers by keys."""

    def __init__(self):
        self.run = os.environ["STRATAGON_SR_RUN"]
        self.pid = int(os.environ["STRATAGON_SR_PID"])
        self.speech_file = os.path.join(self.run, "speech.raw")
        self.events_file = os.path.join(self.run, "events.tsv")
        self._since = time.time()
        self.checked = []

    # What was said -----------------------------------------------------
    def spoken(self):
        return read_speech(self.speech_file)

    def mark(self):
        """A point in time; heard(mark) and wait_for(since=mark) look after it."""
        return time.time()

    def heard(self, since=None):
        since = self._since if since is None else since
        return [u for u in self.spoken() if u.start >= since]

    def wait_for(self, pattern, timeout=10.0, since=None):
        """The first utterance after `since` (default: the last key pressed)
        that matches the regular expression; fails after `timeout` seconds
        and names what was said instead."""
        since = self._since if since is None else since
        regex = re.compile(pattern, re.IGNORECASE)
        deadline = time.time() + timeout
        while True:
            for u in self.heard(since):
                if regex.search(u.text):
                    return u
            if time.time() > deadline:
                said = " | ".join(u.text for u in self.heard(since)) or "nothing"
                self.note(f"waited {timeout:g} s in vain for /{pattern}/")
                raise SpeechTimeout(f"not spoken within {timeout:g} s: /{pattern}/; said: {said}")
            if not self.running():
                raise SpeechTimeout(f"the program ended while waiting for /{pattern}/")
            time.sleep(0.05)

    def check(self, label, pattern, timeout=3.0, since=None):
        """Like wait_for, but only records whether it was said: a line in
        the transcript and in summary(), for what the game should say but
        need not yet."""
        try:
            u = self.wait_for(pattern, timeout, since)
            self.checked.append((label, True, u.text))
        except SpeechTimeout:
            self.checked.append((label, False, ""))
        found = self.checked[-1][1]
        self.note(f"{'said' if found else 'NOT SAID'}: {label}")
        return found

    def summary(self):
        """Prints every check, said or not; returns how many were not."""
        for label, found, text in self.checked:
            print(f"{'said    ' if found else 'NOT SAID'}  {label}" + (f"  ({text})" if found else ""))
        return sum(1 for _, found, _ in self.checked if not found)

    def press_until(self, key, pattern, tries=10, timeout=2.0):
        """Presses `key` until the screen reader says something matching
        `pattern`; returns that utterance."""
        regex = re.compile(pattern, re.IGNORECASE)
        for _ in range(tries):
            self.press(key)
            deadline = time.time() + timeout
            # What the key made the screen reader say, once it has begun.
            while time.time() < deadline and not self.heard():
                time.sleep(0.05)
            for u in self.settle(quiet=0.4, timeout=max(0.0, deadline - time.time())):
                if regex.search(u.text):
                    return u
        raise SpeechTimeout(f"/{pattern}/ not said after {tries} times {key}")

    def choose(self, label, value, keys, said=""):
        """Sets the combo box `label` to `value` unless `said` (what the
        window said when it opened) already has it: Tab to the box, its list
        opened, which is said entry by entry, `keys` until `value` is said,
        then Return on the entry."""
        if re.search(f"{label}: {value}", said):
            return
        self.press_until("Tab", label)
        self.press("alt+Down")
        self.wait_for("Liste", timeout=3)
        for key in keys:
            for _ in range(5):
                self.press(key)
                try:
                    self.wait_for(value, timeout=1.5)
                    self.press("Return")
                    self.settle(quiet=0.3)
                    return
                except SpeechTimeout:
                    pass
        raise SpeechTimeout(f"{label} never said {value}")

    def settle(self, quiet=1.0, timeout=15.0, since=None):
        """Waits until nothing new has been said for `quiet` seconds and
        returns what was said after `since` (default: the last key)."""
        since = self._since if since is None else since
        deadline = time.time() + timeout
        while time.time() < deadline:
            spoken = self.spoken()
            now = time.time()
            # An utterance is over when it ended, when the next began (it
            # was cut short), or, cut short by a mere stop, when it would
            # have ended.
            if spoken and spoken[-1].speaking(now):
                last = now
            else:
                last = max([since] + [u.end or u.start for u in spoken])
            if now - last >= quiet:
                break
            time.sleep(0.05)
        return self.heard(since)

    # What the player does -----------------------------------------------
    def press(self, *keys, pause=0.0):
        """Presses each key (xdotool names: Return, Escape, space, Right,
        ctrl+s, F6 ...) in the program's focused window."""
        self._focus_program()
        for key in keys:
            self._since = time.time()
            self._event("key", key)
            subprocess.run(["xdotool", "key", "--clearmodifiers", key], check=True)
            if pause:
                time.sleep(pause)

    def type(self, text):
        self._focus_program()
        self._since = time.time()
        self._event("type", text)
        subprocess.run(["xdotool", "type", "--delay", "60", "--", text], check=True)

    def sleep(self, seconds):
        time.sleep(seconds)

    def note(self, text):
        """A line of the scenario's own in the transcript."""
        self._event("note", text)

    # The program --------------------------------------------------------
    def running(self):
        try:
            os.kill(self.pid, 0)
        except ProcessLookupError:
            return False
        # A finished child not yet collected is a zombie.
        try:
            with open(f"/proc/{self.pid}/stat") as f:
                return f.read().split(") ")[-1][:1] != "Z"
        except FileNotFoundError:
            return False

    def windows(self):
        """The program's visible windows: (id, title), newest last."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)],
                             capture_output=True, text=True).stdout.split()
        result = []
        for wid in out:
            name = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True,
                                  text=True).stdout.strip()
            result.append((wid, name))
        return result

    def wait_for_window(self, pattern, timeout=10.0):
        regex = re.compile(pattern)
        deadline = time.time() + timeout
        while time.time() < deadline:
            for wid, name in self.windows():
                if regex.search(name):
                    return wid
            time.sleep(0.1)
        raise AssertionError(f"no window /{pattern}/ within {timeout:g} s; windows: {self.windows()}")

    def _focus_program(self):
        focus = subprocess.run(["xdotool", "getwindowfocus", "getwindowpid"], capture_output=True,
                               text=True).stdout.strip()
        if focus == str(self.pid):
            return
        windows = self.windows()
        if not windows:
            raise AssertionError("the program has no window to press keys in")
        subprocess.run(["xdotool", "windowactivate", "--sync", windows[-1][0]], check=False)

    def _event(self, kind, text):
        with open(self.events_file, "a", encoding="utf-8") as f:
            f.write(f"{time.time():.6f}\t{kind}\t{text}\n")


def merge(run, out):
    """Writes keys, notes and speech of a run, in time order, to `out`."""
    events = []
    try:
        with open(os.path.join(run, "events.tsv"), encoding="utf-8") as f:
            for line in f:
                when, kind, text = line.rstrip("\n").split("\t", 2)
                events.append((float(when), kind, text))
    except FileNotFoundError:
        pass
    spoken = read_speech(os.path.join(run, "speech.raw"))
    zero = next((when for when, kind, _ in events if kind == "start"), None)
    if zero is None:
        zero = spoken[0].start if spoken else time.time()
    rows = [(when, 0, kind, text) for when, kind, text in events]
    for i, u in enumerate(spoken):
        if u.end is not None:
            state = ""
        elif i + 1 < len(spoken) and spoken[i + 1].start < u.start + u.duration:
            state = f"  [cut after {spoken[i + 1].start - u.start:.2f} s]"
        else:
            state = "  [cut]"
        rows.append((u.start, 1, "say", f'"{u.text}"{state}'))
    rows.sort(key=lambda r: (r[0], r[1]))
    marks = {"key": "> key ", "type": "> type ", "note": "# ", "start": "~ started ", "say": ""}
    with open(out, "w", encoding="utf-8") as f:
        f.write(f"# What the screen reader said; times in seconds from the program's start "
                f"({time.strftime('%Y-%m-%d %H:%M:%S', time.localtime(zero))}, epoch {zero:.3f}).\n")
        f.write("# > keys pressed, # scenario notes, \"...\" speech.\n")
        for when, _, kind, text in rows:
            f.write(f"{when - zero:9.3f}  {marks.get(kind, kind + ' ')}{text}\n")


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--merge":
        merge(sys.argv[2], sys.argv[3])
    else:
        sys.exit("usage: driver.py --merge RUN_FOLDER OUT_FILE")
