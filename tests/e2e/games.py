#!/usr/bin/python3
"""Whole games on the real window, one scenario per run:
    games.py SCENARIO EXECUTABLE OUTPUT_FOLDER
Darts are clicked on the board picture, Cricket marks also on the target buttons, the
menus and the new-game dialog with the pointer. What the window shows is checked in
screenshots and in the accessibility tree."""

import os
import sys
import time

from harness import (BLUE, GREEN, Failure, Screen_reader, Session, bed_point, check, near,
                     twips)

# Where the score and name labels of each seat sit (client pixels, a point inside each).
COMPACT_SCORE = {1: (twips(60) + 6, twips(6900) + 8), 2: (twips(1260) + 6, twips(6900) + 8)}
COMPACT_NAME = {1: (twips(60) + 6, twips(120) + 8), 2: (twips(1260) + 6, twips(120) + 8)}
LARGE_SCORE = {1: (twips(60) + 10, twips(2000) + 20), 2: (twips(9700) + 10, twips(2000) + 20)}
LARGE_NAME = {1: (twips(60) + 10, twips(1000) + 20), 2: (twips(9700) + 10, twips(1000) + 20)}
NAME_BOX = {  # left, top, width, height of the name labels
    "compact": {1: (twips(60), twips(120), twips(1035), twips(315)),
                2: (twips(1260), twips(120), twips(1035), twips(315))},
    "large": {1: (twips(60), twips(1000), twips(2235), twips(735)),
              2: (twips(9700), twips(1000), twips(2235), twips(735))},
}
CELL_LEFT = {1: 240, 2: 1500, 3: 9800, 4: 11140}


def miss(s):
    s.dart(0, "miss")


def score(reader, seat, layout):
    table = LARGE_SCORE if layout == "large" else COMPACT_SCORE
    return reader.name_at(*table[seat])


def name_colour(shot, seat, layout):
    """The colour of a name label's text: green for the player to throw, blue for others."""
    box = NAME_BOX[layout][seat]
    greens = shot.count(*box, lambda c: near(c, GREEN))
    blues = shot.count(*box, lambda c: near(c, BLUE))
    if greens > 15 and blues < 5:
        return "green"
    if blues > 15 and greens < 5:
        return "blue"
    raise Failure(f"name of seat {seat} is neither green nor blue ({greens}, {blues})")


def chalk_pixels(shot, row, seat):
    """White chalk pixels in the mark cell of a target row and a seat."""
    left, top = twips(CELL_LEFT[seat]), twips(900 * row - 240)
    return shot.count(left, top, 45, 45, lambda c: min(c) > 180)


def board_rings(shot):
    """The board picture shows its rings: red and green beds in the double and triple
    rings of 20 and 19 (one of each colour in each ring), the red inner bull and the green
    outer bull, and black single beds."""
    def colour(p):
        r, g, b = shot.at(*p)
        if r > 150 and g < 90 and b < 90:
            return "red"
        if g > 100 and r < 90 and b < 120:
            return "green"
        if r < 60 and g < 60 and b < 60:
            return "black"
        if r > 180 and g > 160:
            return "cream"
        return f"{r},{g},{b}"
    seen = {name: colour(bed_point(n, ring)) for name, n, ring in [
        ("D20", 20, "double"), ("T20", 20, "triple"), ("D1", 1, "double"),
        ("T1", 1, "triple"), ("S20", 20, "single"), ("S1", 1, "single"),
        ("inner", 25, "inner_bull"), ("outer", 25, "outer_bull")]}
    check(seen["D20"] == seen["T20"] and seen["D1"] == seen["T1"]
          and {seen["D20"], seen["D1"]} == {"red", "green"},
          f"double and triple rings are not red and green in turn: {seen}")
    check({seen["S20"], seen["S1"]} == {"black", "cream"}, f"single beds: {seen}")
    check(seen["inner"] == "red" and seen["outer"] == "green", f"bull: {seen}")


def countdown_501(s, out):
    """501, two players, Any In/Out: seat 1 scores 180 twice, busts on 141 with 180, then
    finishes 141 with T20, T19, D12 while seat 2 misses every dart."""
    s.new_game(players=2, names=["ada", "BRAM"], game=3)
    reader = Screen_reader(s)
    check(score(reader, 1, "large") == "501" and score(reader, 2, "large") == "501",
          "both players start from 501")
    check(reader.panel("Player:") == "Ada", "the capitalised name of seat 1 throws first")
    check(not any(n.startswith(("Legs:", "Sets:")) for n in reader.names()),
          "a single game shows no legs or sets")
    shot = s.client_shot()
    board_rings(shot)
    check(name_colour(shot, 1, "large") == "green" and name_colour(shot, 2, "large") == "blue",
          "seat 1's name is green, seat 2's blue")

    def turn(darts):
        for d in darts:
            s.dart(*d) if d else miss(s)

    t20 = (20, "triple")
    turn([t20, t20])
    check(reader.panel("Total Hit:") == "120", "two treble twenties make 120 in the turn")
    check(score(reader, 1, "large") == "501", "the score changes only when the turn ends")
    turn([t20])
    check(score(reader, 1, "large") == "321", "501 - 180 = 321")
    check(reader.panel("Player:") == "Bram", "the throw passes to seat 2")
    turn([None] * 3)
    check(reader.panel("Round:") == "2", "round 2 after both seats threw")
    turn([t20] * 3)
    check(score(reader, 1, "large") == "141", "321 - 180 = 141")
    turn([None] * 3)
    turn([t20] * 3)
    check(score(reader, 1, "large") == "141", "a bust leaves 141")
    check(reader.panel("Player:") == "Bram", "after a bust the throw passes on")
    turn([None] * 3)
    turn([t20, (19, "triple")])
    check(reader.panel("Total Hit:") == "117", "T20 + T19 = 117")
    s.dart(12, "double")
    check(score(reader, 1, "large") == "0", "seat 1 finishes on exactly 0")
    check(score(reader, 2, "large") == "501", "seat 2 never scored")
    check(reader.panel("Round:") == "4", "the winning turn does not count a new round")
    shot = s.client_shot()
    check(name_colour(shot, 1, "large") == "blue" and name_colour(shot, 2, "large") == "blue",
          "after a countdown win no name is green")
    s.screenshot("e2e-501-won")
    turn([t20] * 3)
    check(score(reader, 1, "large") == "0" and reader.panel("Round:") == "4",
          "darts after the win change nothing")


def countdown_301(s, out):
    """301 for one player with Double In/Out: the first single does not count, the
    double brings the player in; a turn leaving 1 busts; the finish is exact."""
    s.new_game(players=1, names=["Cy"], game=2, inout=1)
    reader = Screen_reader(s)
    s.dart(20)
    check(reader.panel("Total Hit:") == "0", "a single does not bring the player in")
    s.dart(20, "double")
    s.dart(20, "triple")
    check(score(reader, 1, "large") == "201", "40 + 60 taken off 301")
    for _ in range(3):
        s.dart(20, "triple")
    check(score(reader, 1, "large") == "21", "201 - 180")
    s.dart(20)
    miss(s)
    miss(s)
    check(score(reader, 1, "large") == "21", "leaving 1 under Double In/Out busts")
    check(reader.panel("Round:") == "4", "one player: every turn is a round")
    s.dart(1)
    s.dart(10, "double")
    miss(s)
    check(score(reader, 1, "large") == "0", "S1 + D10 finishes 21")


DART_VALUES = sorted(
    [(n * m, n, ring) for n in range(1, 21)
     for m, ring in ((1, "single"), (2, "double"), (3, "triple"))]
    + [(25, 25, "outer_bull"), (50, 25, "inner_bull")], reverse=True)


def countdown_random(s, out):
    """Random Countdown for two players: both start from the same total from 301 to 900;
    seat 1 throws the highest darts that fit and wins; seat 2 misses."""
    s.new_game(players=2, names=["Dee", "Eli"], game=4, inout=0, bull=1)
    reader = Screen_reader(s)
    start = int(score(reader, 1, "large"))
    check(301 <= start <= 900, f"random start {start} lies in 301..900")
    check(score(reader, 2, "large") == str(start), "both seats start equal")
    left = start
    turns = 0
    while left > 0:
        turns += 1
        check(turns < 12, "the game should be over by now")
        for _ in range(3):
            dart = next((d for d in DART_VALUES if d[0] <= left), None)
            if dart is None:
                miss(s)
            else:
                s.dart(dart[1], dart[2])
                left -= dart[0]
        check(score(reader, 1, "large") == str(left), f"seat 1 has {left} left")
        if left > 0:
            for _ in range(3):
                miss(s)
    check(score(reader, 2, "large") == str(start), "seat 2 never scored")
    check(reader.panel("Player:") == "Dee", "the winner stays the player shown")


def cricket_board(s, out):
    """Cricket on the board picture, two players: seat 1 closes 20..16 with trebles and
    scores an extra mark on 20 while seat 2 has it open, then closes 15 and the bull (an
    inner bull is two marks) to win on the last dart of the third turn."""
    s.new_game(players=2, names=["Fay", "Gus"], game=0, bull=1, board=1)
    reader = Screen_reader(s)
    for n in (20, 19, 18):
        s.dart(n, "triple")
    shot = s.client_shot()
    for row in (1, 2, 3):
        check(chalk_pixels(shot, row, 1) > 40, f"row {row} of seat 1 shows a circled cross")
    check(chalk_pixels(shot, 4, 1) == 0, "row 4 of seat 1 is blank")
    s.dart(19, "triple")
    s.dart(19)
    check(score(reader, 2, "compact") == "0", "19 closed by seat 1 scores nothing")
    s.dart(17)
    shot = s.client_shot()
    check(0 < chalk_pixels(shot, 4, 2) < chalk_pixels(shot, 3, 1),
          "a single mark shows a slash, smaller than a circled cross")
    names = reader.names()
    check("Gus, 17: 1 mark" in names and "Fay, 20: 3 marks" in names
          and "Gus, 19: 4 marks" in names, f"mark cells say their meaning: {names}")
    s.dart(17, "triple")
    s.dart(16, "triple")
    s.dart(20)
    check(score(reader, 1, "compact") == "20", "a fourth mark on 20 scores while Gus has it open")
    for _ in range(3):
        miss(s)
    check(reader.panel("Player:") == "Fay" and reader.panel("Round:") == "3", "Fay's third turn")
    s.dart(15, "triple")
    s.dart(25, "inner_bull")
    check("Fay, Bull: 2 marks" in reader.names(), "an active double bull is two marks")
    s.screenshot("e2e-cricket-board")
    s.dart(25, "outer_bull")
    check("Fay, Bull: 3 marks" in reader.names(), "the bull is closed")
    shot = s.client_shot()
    for row in range(1, 8):
        check(chalk_pixels(shot, row, 1) > 40, f"row {row} of the winner is closed")
    check(name_colour(shot, 1, "compact") == "green" and name_colour(shot, 2, "compact") == "blue",
          "after a Cricket win the winner's name stays green")
    for _ in range(3):
        s.dart(20, "triple")
    check(score(reader, 1, "compact") == "20" and reader.panel("Player:") == "Fay"
          and "Gus, 20: 0 marks" in reader.names(), "darts after the win change nothing")


def cricket_buttons(s, out):
    """Random Cricket on the buttons: the target buttons are clicked where they stand on
    the screen; seat 1 closes three targets, passes, seat 2 marks, passes, seat 1 closes
    the rest and wins on the last bull mark."""
    s.new_game(players=2, names=["Hal", "Ivy"], game=1, board=2)
    reader = Screen_reader(s)
    buttons = [n for n in reader.nodes() if n[0] == "push button" and n[6] >= 0]
    captions = [n[1] for n in sorted(buttons, key=lambda n: n[6])]
    check(captions[0].strip() == "next player" and captions[-1] == "Bull" and len(captions) == 8,
          f"next player, six targets and Bull: {captions}")
    targets = [int(c) for c in captions[1:7]]
    check(targets == sorted(set(targets), reverse=True) and all(1 <= t <= 20 for t in targets),
          f"six different targets in descending order: {targets}")

    def press(index, times=1):
        x, y = twips(5670) + 22, twips(900 * index - 240) + 22 if index else twips(50) + 15
        for _ in range(times):
            s.click_client(x, y)
            s.settle()

    for i in (1, 2, 3):
        press(i, 3)
    press(0)
    check(reader.panel("Player:") == "Ivy", "the next-player button passes the turn")
    press(4, 4)
    check(f"Ivy, {targets[3]}: 4 marks" in reader.names(), "four marks in one turn")
    check(score(reader, 2, "compact") == str(targets[3]), "the fourth mark scores: Hal has it open")
    press(0)
    for i in (4, 5, 6):
        press(i, 3)
    press(4)
    check(score(reader, 1, "compact") == "0", "Ivy closed that target: no points")
    press(1)
    check(score(reader, 1, "compact") == str(targets[0]), "Ivy has the first target open")
    s.screenshot("e2e-cricket-buttons")
    press(7, 3)
    shot = s.client_shot()
    check(name_colour(shot, 1, "compact") == "green", "Hal wins and stays green")
    press(7)
    check(f"Hal, Bull: 3 marks" in reader.names(), "no mark after the win")


def cricket_overlapping_input(s, out):
    """Cricket on the buttons with sound, so that every clip takes its time. Input from
    the pointer and from a screen reader that arrives while a clip plays waits for it and
    is then applied in its order; no mark goes to the wrong player."""
    s.new_game(players=2, game=0, board=2)
    reader = Screen_reader(s)
    check(reader.panel("Player:") == "Player 1", "seat 1 throws first")

    def button(index):
        x, y = twips(5670) + 22, twips(900 * index - 240) + 22 if index else twips(50) + 15
        return s.origin[0] + x, s.origin[1] + y

    def quiet():
        time.sleep(3)  # every clip heard out, nothing left waiting
        s.settle()

    def marks(*expected):
        names = reader.names()
        for cell in expected:
            check(cell in names, f"{cell} is not shown: {[n for n in names if 'mark' in n]}")

    # Player 1 clicks 20; while its chalk plays, a screen reader presses "next player"
    # and 19 for player 2.
    s.click_at(*button(1))
    time.sleep(0.05)
    reader.press("next player")
    reader.press("19")
    quiet()
    marks("Player 1, 20: 1 mark", "Player 2, 20: 0 marks", "Player 2, 19: 1 mark",
          "Player 1, 19: 0 marks")
    check(reader.panel("Player:") == "Player 2", "player 2 still throws")
    # Three clicks in quick succession: 19 again, next player, 18 for player 1.
    moves = []
    for index in (2, 0, 3):
        moves += ["mousemove", *map(str, button(index)), "click", "1"]
    s.xdotool(*moves)
    quiet()
    marks("Player 2, 19: 2 marks", "Player 1, 18: 1 mark", "Player 2, 18: 0 marks")
    check(reader.panel("Player:") == "Player 1", "the clicks passed the turn once")
    s.menu(2, 0)  # Score > Undo Hit takes back the latest entry, player 1's 18
    quiet()
    marks("Player 1, 18: 0 marks", "Player 2, 19: 2 marks", "Player 1, 20: 1 mark")


def match_301(s, out):
    """A 301 match of two legs to win (the preference saved before): seat 1 wins the first
    leg, the second starts by itself with seat 2 throwing first, and seat 1's second leg
    wins the match; darts after that do nothing."""
    s.new_game(players=2, names=["Ann", "Bob"], game=2, inout=0)
    reader = Screen_reader(s)

    def ann_leg(bob_first):
        if bob_first:
            for _ in range(3):
                miss(s)
        for _ in range(3):
            s.dart(20, "triple")
        check(score(reader, 1, "large") == "121", "301 - 180 = 121")
        for _ in range(3):
            miss(s)
        s.dart(20, "triple")
        s.dart(17, "triple")
        s.dart(5, "double")

    check(reader.names().count("Legs: 0") == 2, "both seats show no legs won yet")
    ann_leg(bob_first=False)
    names = reader.names()
    check(names.count("Legs: 1") == 1 and names.count("Legs: 0") == 1,
          f"seat 1 has won a leg: {sorted(n for n in names if n.startswith('Legs'))}")
    check(score(reader, 1, "large") == "301" and score(reader, 2, "large") == "301",
          "the next leg starts from 301")
    check(reader.panel("Player:") == "Bob", "seat 2 throws first in the second leg")
    check(reader.panel("Round:") == "1", "the second leg starts in round 1")
    check(not any("wins the match" in n for n in names), "one leg does not win the match")
    s.screenshot("e2e-match-second-leg")
    ann_leg(bob_first=True)
    check("Ann wins the match 2-0" in reader.names(), "the match is won 2-0")
    s.screenshot("e2e-match-won")
    total = reader.panel("Total Hit:")
    s.dart(20, "triple")
    check(score(reader, 1, "large") == "0" and score(reader, 2, "large") == "301"
          and reader.panel("Total Hit:") == total, "darts after the match change nothing")


def more_games(s, out):
    """The five games beyond the classic ones, each played to its end by clicks on the board:
    701 alone, Cut-Throat Cricket giving points away, Around the Clock to the bull, a
    Shanghai in the first round and Count-Up alone for eight rounds."""
    reader = Screen_reader(s)
    t20 = (20, "triple")

    s.new_game(players=1, names=["Ann"], game=5)
    check(score(reader, 1, "large") == "701", "701 starts from 701")
    for _ in range(9):
        s.dart(*t20)
    check(score(reader, 1, "large") == "161", "701 - 3 x 180")
    for dart in (t20, (17, "triple"), (25, "inner_bull")):
        s.dart(*dart)
    check(score(reader, 1, "large") == "0", "T20 T17 and the bull finish 161")

    s.new_game(players=2, names=["Ann", "Bob"], game=6, bull=1, board=1)
    for dart in (t20, (20, "single"), (19, "triple")):
        s.dart(*dart)
    check(score(reader, 1, "compact") == "0" and score(reader, 2, "compact") == "20",
          "Ann's fourth mark on 20 scores for Bob, who has it open")
    for _ in range(3):
        miss(s)
    for dart in ((18, "triple"), (17, "triple"), (16, "triple")):
        s.dart(*dart)
    for _ in range(3):
        miss(s)
    s.dart(15, "triple")
    s.dart(25, "inner_bull")
    s.dart(25, "outer_bull")
    shot = s.client_shot()
    check(name_colour(shot, 1, "compact") == "green" and name_colour(shot, 2, "compact") == "blue",
          "Ann closed everything with the lower score and won")
    s.dart(*t20)
    check(score(reader, 2, "compact") == "20", "darts after the win change nothing")

    s.new_game(players=1, names=["Cy"], game=7)
    check(score(reader, 1, "large") == "1", "Around the Clock begins at the 1")
    for n in (1, 4, 7, 10, 13, 16):
        s.dart(n, "triple")
    check(score(reader, 1, "large") == "19", "six trebles move on eighteen numbers")
    s.dart(19, "triple")
    check(score(reader, 1, "large") == "Bull", "past the 20 the bull is next")
    s.dart(25, "outer_bull")
    check(reader.panel("Round:") == "3", "the bull won in the third round")
    s.dart(1)
    check(score(reader, 1, "large") == "Bull", "darts after the win change nothing")

    s.new_game(players=2, names=["Di", "Ed"], game=8)
    s.dart(1)
    s.dart(1, "double")
    check(reader.panel("Total Hit:") == "3", "a single and a double 1 make 3")
    s.dart(1, "triple")
    check(score(reader, 1, "large") == "6", "the Shanghai's points count")
    s.screenshot("e2e-shanghai-won")
    s.dart(1)
    check(reader.panel("Player:") == "Di" and score(reader, 2, "large") == "0",
          "a Shanghai wins at once")

    s.new_game(players=1, names=["Flo"], game=9)
    for _ in range(8 * 3):
        s.dart(*t20)
    check(score(reader, 1, "large") == "1440", "eight rounds of three treble twenties")
    s.dart(*t20)
    check(score(reader, 1, "large") == "1440" and reader.panel("Round:") == "8",
          "the game ended after the eighth round")


def against_computer(s, out):
    """501 against the computer at level 10: it throws its three darts by itself, each
    marked on the board where it landed; a click during its turn enters nothing; Ann, who
    throws first, finishes in nine darts before it can."""
    s.new_game(players=2, names=["Ann"], game=3, computer={2: 10})
    reader = Screen_reader(s)
    names = reader.names()
    check("Computer (level 10)" in names, f"the computer's seat is named for it: {names}")
    t20 = (20, "triple")

    def computer_turn():
        """Waits until the computer has thrown its turn and Ann is to throw again."""
        deadline = time.time() + 8
        while reader.panel("Player:") != "Ann":
            check(time.time() < deadline, "the computer did not finish its turn")
            time.sleep(0.1)

    for _ in range(3):
        s.dart(*t20)
    check(score(reader, 1, "large") == "321", "Ann's 180")
    check(reader.panel("Player:") == "Computer (level 10)", "the computer is to throw")
    s.dart(*t20)  # refused: it is the computer's turn
    computer_turn()
    check(score(reader, 1, "large") == "321", "Ann's click in the computer's turn entered nothing")
    computer_score = int(score(reader, 2, "large"))
    check(computer_score < 501, f"the computer scored: {computer_score}")
    shot = s.client_shot()
    yellow = shot.count(twips(2400), 0, twips(7200), twips(7200),
                        lambda c: c[0] > 200 and c[1] > 180 and c[2] < 80)
    check(yellow > 20, f"the computer's darts are marked on the board ({yellow} pixels)")
    s.screenshot("e2e-computer-turn")
    check(reader.panel("Round:") == "2", "the computer threw exactly three darts")
    for _ in range(3):
        s.dart(*t20)
    computer_turn()
    for dart in (t20, (19, "triple"), (12, "double")):
        s.dart(*dart)
    check(score(reader, 1, "large") == "0", "Ann finished 141")
    time.sleep(1.5)
    check(reader.panel("Round:") == "3", "the game is over: the computer throws no more")


def starts(s, out):
    """The program starts to an empty scoreboard with the board drawn and the status bar
    read out with its captions."""
    board_rings(s.client_shot())
    reader = Screen_reader(s)
    names = reader.names()
    for caption in ("Player:", "Mouse Over:", "Total Hit:", "Round:", "Darts Remaining:"):
        check(caption in names, f"status caption {caption} is in {names}")
    check("Dartboard" in names, "the board picture has a name")


SCENARIOS = {
    "starts": starts,
    "501": countdown_501,
    "301": countdown_301,
    "random-countdown": countdown_random,
    "cricket-board": cricket_board,
    "cricket-buttons": cricket_buttons,
    "cricket-overlapping-input": cricket_overlapping_input,
    "match-301": match_301,
    "more-games": more_games,
    "computer": against_computer,
}
# Preferences saved before a scenario's run.
SETTINGS = {"match-301": "[Brindlemark]\nSplashOn=False\nLegsToWin=2\n"}
WITH_SOUND = {"cricket-overlapping-input"}


def main():
    name, exe, out = sys.argv[1], sys.argv[2], sys.argv[3]
    settings = SETTINGS.get(name, "[Brindlemark]\nSplashOn=False\n")
    with Session(exe, name, out, settings=settings, sound=name in WITH_SOUND) as s:
        SCENARIOS[name](s, out)
        check(s.app.poll() is None, "the program is still running")
    print(f"{name}: passed")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
