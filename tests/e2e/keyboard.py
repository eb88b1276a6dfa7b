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
        # Each dart is heard before the next is typed: the announcement is one object whose
        # name Orca fetches after the event, so darts typed faster than that are heard with
        # the words of a later one.
        for code, said in (("T20", "Triple 20, 70 left."), ("T20", "Triple 20, 10 left."),
                           ("D5", "Double 5. Player 1 wins.")):
            s.typed_dart(code)
            expect(said)
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


def open_by_keys(s, menu_key, item_key, title):
    """A menu item by its access keys (Alt and the menu's, then the item's); the window it
    opens has the keys."""
    s.chord("alt", menu_key)
    s.keys(item_key)
    s.find_window(f"^{re.escape(title)}$")
    s.wait_focus(title)


def close_by_keys(s, title, *keys):
    s.keys(*keys)
    deadline = time.time() + 5
    while not s.window_gone(f"^{re.escape(title)}$"):
        check(time.time() < deadline, f"{title!r} stayed open")
        time.sleep(0.05)
    s.wait_focus("Brindlemark 1.4")


def keyboard(exe, out):
    with Session(exe, "keyboard", out) as s:
        reader = Screen_reader(s)
        s.wait_focus("Brindlemark 1.4")
        open_by_keys(s, "f", "n", "Choose Your Game...")
        # From the chosen number of players (2) the Tab key goes down the name boxes,
        # each typed over, then to the game type, where the arrows choose 301.
        s.keys("Tab", "a", "n", "n", "Tab", "B", "O", "B", "Tab", "Down", "Down")
        close_by_keys(s, "Choose Your Game...", "Return")
        check(score(reader, 1) == "301" and score(reader, 2) == "301", "a 301 game")
        check(reader.panel("Player:") == "Ann", "the typed names, capitalised")

        s.typed_dart("T20")
        s.keys("KP_Multiply", "KP_1", "KP_9", "KP_Enter")  # the number pad's triple
        s.typed_dart("t18")
        check(score(reader, 1) == "130", "301 - 171 = 130")
        check(reader.panel("Player:") == "Bob", "the third dart ends the turn")
        s.keys("d", "1", "6")
        check("Typed dart: D16" in reader.names(), "the code shows while it is typed")
        s.keys("BackSpace")
        check("Typed dart: D1" in reader.names(), "Backspace takes back a character")
        s.keys("Escape")
        s.keys("Return")
        check(not any(n.startswith("Typed dart") for n in reader.names())
              and reader.panel("Total Hit:") == "0", "Escape clears; Enter alone does nothing")
        s.typed_dart("x99")
        check("Typed dart: X99 is no bed" in reader.names(), "a code that is no bed says so")
        s.typed_dart("m")
        s.typed_dart("0")
        s.keys("KP_Divide", "KP_2", "KP_0", "KP_Enter")  # the number pad's double
        check(score(reader, 2) == "261", "Bob's double 20")
        for code in ("T20", "T20", "D5"):
            s.typed_dart(code)
        check(score(reader, 1) == "0", "Ann wins on 0")

        open_by_keys(s, "f", "h", "                Cricket High Scores")
        close_by_keys(s, "                Cricket High Scores", "Return")
        # Alt+F, N, Enter: the next game with the options and names of the last.
        open_by_keys(s, "f", "n", "Choose Your Game...")
        close_by_keys(s, "Choose Your Game...", "Return")
        check(score(reader, 1) == "301" and reader.panel("Player:") == "Ann",
              "a new 301 game for Ann and Bob")
        s.typed_dart("T20")
        check(reader.panel("Total Hit:") == "60", "the keys are the main window's again")
        s.chord("alt", "f")
        s.keys("n")
        s.find_window("^Start New Game$")
        close_by_keys(s, "Start New Game", "Escape")
        check(reader.panel("Total Hit:") == "60", "No keeps the game in progress")
        s.typed_dart("T20")
        check(reader.panel("Total Hit:") == "120", "and the keys are back on it")
        check(s.app.poll() is None, "the program is still running")
    return 0


SCENARIOS = {"keyboard": keyboard, "screen-reader": screen_reader}


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
