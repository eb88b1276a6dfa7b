#!/usr/bin/python3
"""Games played from the keyboard on the real window, one scenario per run:
    keyboard.py SCENARIO EXECUTABLE OUTPUT_FOLDER
Keys are real X key events (XTEST) to the window that has the focus.
  keyboard       a whole 301 game without the mouse: the menu by its access keys, the
                 new-game dialog with Tab, arrows and typing, every dart typed
  screen-reader  Debian's own Orca runs on the private session bus with no speech
                 synthesiser; a 301 turn, a bust and a win, and what Orca would have said,
                 read from the "SPEECH OUTPUT" lines of its debug file
A scenario that needs a program that is not installed says so and ends with status 77,
which CTest reports as skipped; it never passes without having run."""

import os
import re
import shutil
import sys
import time

from harness import Failure, Screen_reader, Session, check

ORCA_SETTINGS = """import orca.settings
orca.settings.speechServerFactory = None
orca.settings.speechFactoryModules = []
"""
SKIPPED = 77


def score(reader, seat):
    """A countdown score, read from the label that shows it."""
    x = 10 if seat == 1 else 9700 // 15 + 10
    return reader.name_at(x, 2000 // 15 + 20)


class Orca:
    """Orca started before the program, as on a desktop where it runs at log-in."""

    def __init__(self, session):
        self.session = session
        prefs = os.path.join(session.home, "orca")
        os.makedirs(prefs)
        with open(os.path.join(prefs, "orca-customizations.py"), "w") as f:
            f.write(ORCA_SETTINGS)
        self.debug = os.path.join(session.outdir, f"{session.name}-orca-debug.out")
        if os.path.exists(self.debug):
            os.remove(self.debug)
        self.proc = session._spawn(["orca", "--replace", f"--debug-file={self.debug}",
                                    "-u", prefs], "orca")
        self.wait_for(lambda lines: "Screen reader on." in lines, "Orca to start", 30,
                      everything=True)

    def lines(self, everything=False):
        """What Orca would have said, in order: the notifications only, or everything."""
        try:
            with open(self.debug, encoding="utf-8", errors="replace") as f:
                said = re.findall(r"SPEECH OUTPUT: '(.*)' ?\{'established", f.read())
        except FileNotFoundError:
            return []
        if everything:
            return said
        return [s[len("notification "):] for s in said if s.startswith("notification ")]

    def wait_for(self, done, what, timeout=10, everything=False):
        """Orca writes its debug file in blocks: a key it echoes (Shift, which the program
        ignores) makes it write out what it holds."""
        deadline = time.time() + timeout
        nudged = time.time() + 1.5
        while time.time() < deadline:
            check(self.proc.poll() is None, "Orca ended")
            if done(self.lines(everything)):
                return
            if time.time() > nudged:
                self.session.xdotool("key", "shift")
                nudged = time.time() + 1.5
            time.sleep(0.1)
        raise Failure(f"waited {timeout} s for {what}; Orca said {self.lines(everything)[-8:]}")

    def stop(self):
        """Orca ends as it does at log-out, writing out the rest of its debug file."""
        self.proc.terminate()
        self.proc.wait(timeout=10)


def screen_reader(exe, out):
    if not shutil.which("orca"):
        print("SKIPPED: orca is not installed (Debian package orca)")
        return SKIPPED
    orca = {}
    # The program finds the screen reader by itself: no accessibility switch is forced on.
    with Session(exe, "screen-reader", out, accessible=False,
                 before_program=lambda s: orca.setdefault("orca", Orca(s))) as s:
        orca = orca["orca"]
        # The default names: under a screen reader keys take a detour through it, and
        # names typed between clicks would arrive after the next click.
        s.new_game(players=2, game=2, inout=0)
        s.wait_focus("Brindlemark 1.4")
        reader = Screen_reader(s)
        heard = []

        def expect(*said):
            heard.extend(said)
            orca.wait_for(lambda lines: len(lines) >= len(heard), f"Orca to say {said[-1]!r}")
            check(orca.lines() == heard, f"Orca said {orca.lines()}, not {heard}")

        def misses():
            for code in ("m", "0"):
                s.typed_dart(code)
                expect("Miss, 301 left.")
            s.typed_dart("MISS")
            expect("Miss, 301 left. 0 scored. Player 1 to throw.")

        s.typed_dart("t20")
        expect("Triple 20, 241 left.")
        # Orca's desktop layout keeps the number pad's "*" and "/" for itself (its mouse
        # buttons): a player with Orca types them on the main keys, or "T" and "D".
        s.typed_dart("*19")
        expect("Triple 19, 184 left.")
        s.typed_dart("T18")
        expect("Triple 18, 130 left. 171 scored. Player 2 to throw.")
        check(score(reader, 1) == "130", "typed darts score as clicks do")
        misses()
        s.typed_dart("T21")
        expect("T21 is no bed.")
        check(reader.panel("Total Hit:") == "0", "a code that is no bed enters nothing")
        for left in (70, 10):
            s.typed_dart("T20")
            expect(f"Triple 20, {left} left.")
        s.typed_dart("T20")
        expect("Triple 20. Bust. Player 2 to throw.")
        check(score(reader, 1) == "130", "a bust leaves the score as it was")
        misses()
        s.typed_dart("T20")
        s.typed_dart("T20")
        s.typed_dart("D5")
        expect("Triple 20, 70 left.", "Triple 20, 10 left.", "Double 5. Player 1 wins.")
        check(score(reader, 1) == "0", "seat 1 finished on 0")
        s.wait_focus("Brindlemark 1.4")
        check(s.app.poll() is None, "the program is still running")
        orca.stop()
        check(orca.lines() == heard, f"Orca said {orca.lines()}, not {heard}")
        with open(orca.debug, encoding="utf-8", errors="replace") as f:
            moved = [line for line in f if "locusOfFocus" in line and "notification" in line]
        check(not moved, f"a message moved Orca's focus: {moved[:2]}")
        print("Orca said:\n  " + "\n  ".join(heard))
    return 0


SCENARIOS = {"screen-reader": screen_reader}


def main():
    name, exe, out = sys.argv[1], sys.argv[2], sys.argv[3]
    status = SCENARIOS[name](exe, out)
    if status == 0:
        print(f"{name}: passed")
    return status


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
