#!/usr/bin/python3
"""The real program killed (SIGKILL) at random moments of a scripted game, many times:
    kill.py EXECUTABLE OUTPUT_FOLDER [KILLS] [SEED]
Each time the program is started again, asked "Continue the unfinished game?" and answered
Yes; what the window then shows must be what it showed before the kill: the same texts in
the accessibility tree (all but the bed under the pointer) and the same pixels of the board
and scoreboard. The first game is a Random Countdown, so the drawn start must come back
too; then a 301 match of two legs to win, killed just after its first leg was won and at
random moments of the second, which must come back at the same leg with the same count.
    kill.py EXECUTABLE OUTPUT_FOLDER more-games [SEED]
plays each game beyond the classic five for a while at random beds and kills it in play."""

import os
import random
import signal
import sys
import time

from harness import CLIENT_W, Failure, Screen_reader, Session, check

SCOREBOARD_H = 480  # the client area above the status bar
RINGS = ["single", "single", "single", "triple", "double", "miss"]


def shown(s):
    """What the window shows: its texts and the pixels of board and scoreboard."""
    s.xdotool("mousemove", "1020", "760")  # the pointer off the window: no hover
    s.settle(0.1)
    reader = Screen_reader(s)
    # The latest message to a screen reader is news of a moment, not part of the screen.
    texts = sorted(n[1] for n in reader.nodes() if n[0] != "notification"
                   and not n[1].startswith("Mouse Over:") and not n[1].startswith("Dartboard"))
    shot = s.client_shot()
    pixels = bytes(b for y in range(0, SCOREBOARD_H, 2) for x in range(0, CLIENT_W, 2)
                   for b in shot.at(x, y))
    return texts, pixels


def restart(s, label):
    """Starts the program again in the same session and answers the question with Yes."""
    s.app = s._spawn([s.exe], label)
    s.window = s.find_window("^Brindlemark 1.4$", timeout=20)  # shown before the question
    box = s.find_window("^Brindlemark$", timeout=20)
    s.key_window(box, "y")
    deadline = time.time() + 10
    while not s.window_gone("^Brindlemark$"):
        check(time.time() < deadline, "the question stayed open")
        time.sleep(0.05)
    s.locate()
    s.settle(0.3)


def kill_and_compare(s, kills, rng):
    before = shown(s)
    time.sleep(rng.uniform(0, 0.3))
    s.app.send_signal(signal.SIGKILL)
    s.app.wait()
    restart(s, f"program-{kills}")
    after = shown(s)
    if before[0] != after[0]:
        lost = sorted(set(before[0]) - set(after[0]))
        new = sorted(set(after[0]) - set(before[0]))
        raise Failure(f"kill {kills}: texts differ, before only {lost}, after only {new}")
    if before[1] != after[1]:
        s.screenshot(f"kill-{kills}-after")
        raise Failure(f"kill {kills}: the scoreboard looks different after the restart")


# The games beyond the classic five, by their place in the new-game dialog, with the
# darts each gets before its kill: too few for anyone to win (Shanghai only scores on the
# round's number, and a random bed rarely makes one).
MORE_GAMES = [(5, 9), (6, 7), (7, 8), (8, 10), (9, 11)]


def more_games(exe, out, rng):
    kills = 0
    with Session(exe, "kill-more-games", out) as s:
        for game, darts in MORE_GAMES:
            s.new_game(players=2, names=["Ann", "Bob"], game=game, confirm=kills > 0)
            for _ in range(darts):
                s.dart(rng.choice(range(1, 21)), rng.choice(RINGS))
            kills += 1
            kill_and_compare(s, kills, rng)
            # The game goes on after it came back.
            s.dart(rng.choice(range(1, 21)), rng.choice(RINGS))
        # Against the computer, killed in the middle of its turn: it goes on throwing.
        s.new_game(players=2, names=["Ann"], game=3, computer={2: 6}, confirm=True)
        for _ in range(3):
            s.dart(20, "triple")
        time.sleep(1.0)  # one of its darts thrown, most likely, and the next to come
        s.app.send_signal(signal.SIGKILL)
        s.app.wait()
        kills += 1
        restart(s, f"program-{kills}")
        reader = Screen_reader(s)
        deadline = time.time() + 8
        while reader.panel("Player:") != "Ann":
            check(time.time() < deadline, "the computer did not go on throwing after the restart")
            time.sleep(0.1)
        check(reader.panel("Round:") == "2", "the computer finished the turn it had begun")
    print(f"kill more-games: passed, {kills} kills")


def main():
    exe, out = sys.argv[1], sys.argv[2]
    if len(sys.argv) > 3 and sys.argv[3] == "more-games":
        seed = int(sys.argv[4]) if len(sys.argv) > 4 else int(time.time())
        print(f"seed {seed}")
        more_games(exe, out, random.Random(seed))
        return
    kills_wanted = int(sys.argv[3]) if len(sys.argv) > 3 else 12
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else int(time.time())
    print(f"seed {seed}")
    rng = random.Random(seed)
    kills = 0
    # Matches of two legs to win in two sets, as saved by an earlier run.
    settings = "[Brindlemark]\nSplashOn=False\nLegsToWin=2\nSetsToWin=2\n"
    with Session(exe, "kill", out, settings=settings) as s:
        # Random Countdown, two players: darts at random beds, a kill after some of them.
        s.new_game(players=2, names=["Ann", "Bob"], game=4)
        # The kills follow darts drawn at random among 36, too few for anyone to win; drawn
        # as a set, so that every run makes all of them (a chance per dart fell short).
        kill_after = set(rng.sample(range(36), min(kills_wanted, 36)))
        darts = 0
        while kills < kills_wanted and darts < 36:
            s.dart(rng.choice(range(1, 21)), rng.choice(RINGS))
            darts += 1
            if darts - 1 in kill_after:
                kills += 1
                kill_and_compare(s, kills, rng)
        check(kills == kills_wanted, f"only {kills} kills in {darts} darts")

        # A match: seat 1 wins the first leg (301 = 180 + T20 T17 D5) while seat 2 misses.
        s.new_game(players=2, names=["Ann", "Bob"], game=2, inout=0, confirm=True)
        for number, ring in [(20, "triple")] * 3 + [(0, "miss")] * 3 + [
                (20, "triple"), (17, "triple"), (5, "double")]:
            s.dart(number, ring)
        names = Screen_reader(s).names()
        check("Legs: 1" in names, f"seat 1 won the first leg: {names}")
        kills += 1
        kill_and_compare(s, kills, rng)
        check("Legs: 1" in Screen_reader(s).names(), "the leg won is still counted")
        # The second leg, seat 2 first: a turn each at random beds, too few to win it.
        kill_after = set(rng.sample(range(6), 3))
        for dart in range(6):
            s.dart(rng.choice(range(1, 21)), rng.choice(RINGS))
            if dart in kill_after:
                kills += 1
                kill_and_compare(s, kills, rng)
    print(f"kill: passed, {kills} kills")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
