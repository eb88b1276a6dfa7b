"""Drives the real Brindlemark window on a private X server.

Each Session starts its own Xvfb (it picks a free display number itself), the openbox
window manager, and the program with a fresh settings folder in which the splash is off
and no sound server can be reached, so the program plays silently (a session with sound
uses the private server of scripts/with-pulse, whose clips take their real time). Clicks go to real
screen positions through xdotool; what the window shows is read back from screenshots
(the pixels a player sees) and from the program's accessibility tree over AT-SPI (the
texts a screen reader hears).
"""

import math
import os
import shutil
import subprocess
import tempfile
import time

# The board picture inside the client area, in pixels (the area is 793 x 508, the board
# 480 x 480 at x 160..640, y 0..480, centre 400, 240).
BOARD_CENTRE = (400, 240)
SECTORS = [20, 1, 18, 4, 13, 6, 10, 15, 2, 17, 3, 19, 7, 16, 8, 11, 14, 9, 12, 5]
# A radius in the middle of each ring.
RING_RADIUS = {"single": 130, "triple": 91, "double": 172, "outer_bull": 21, "inner_bull": 5}
CLIENT_W, CLIENT_H = 793, 508

GREEN = (0, 255, 0)
BLUE = (0, 0, 255)


def twips(n):
    return n // 15


def bed_point(number, ring="single"):
    """Client-area pixel of the middle of a bed: ring single/double/triple of a number,
    or outer_bull / inner_bull (number ignored), or "miss" (outside the double ring)."""
    cx, cy = BOARD_CENTRE
    if ring in ("outer_bull", "inner_bull"):
        return cx, cy - RING_RADIUS[ring]
    if ring == "miss":
        return 170, 10  # a corner of the picture, off the board
    angle = math.radians(18 * SECTORS.index(number))  # clockwise from the top
    r = RING_RADIUS[ring]
    return round(cx + r * math.sin(angle)), round(cy - r * math.cos(angle))


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def run(*args, timeout=20, env=None, check_rc=True):
    try:
        done = subprocess.run(args, capture_output=True, text=True, timeout=timeout, env=env)
    except subprocess.TimeoutExpired:
        raise Failure(f"{' '.join(args)} did not finish in {timeout} s")
    if check_rc and done.returncode != 0:
        raise Failure(f"{' '.join(args)} failed: {done.stderr.strip()}")
    return done.stdout


class Image:
    """A screenshot as RGB pixels (read from ImageMagick's binary PPM)."""

    def __init__(self, data):
        parts = []
        pos = 0
        while len(parts) < 4:
            while data[pos:pos + 1].isspace():
                pos += 1
            if data[pos:pos + 1] == b"#":
                pos = data.index(b"\n", pos)
                continue
            end = pos
            while not data[end:end + 1].isspace():
                end += 1
            parts.append(data[pos:end])
            pos = end
        check(parts[0] == b"P6" and parts[3] == b"255", "screenshot is not an 8-bit PPM")
        self.width, self.height = int(parts[1]), int(parts[2])
        self.pixels = data[pos + 1:]

    def at(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def count(self, left, top, width, height, predicate):
        return sum(1 for y in range(top, top + height) for x in range(left, left + width)
                   if predicate(self.at(x, y)))


class Session:
    def __init__(self, exe, name, outdir, settings="[Brindlemark]\nSplashOn=False\n",
                 accessible=True, sound=False, before_program=None):
        """before_program(session), when given, runs once X and the window manager are up
        and before the program starts (a screen reader that the program is to find)."""
        self.exe = exe
        self.name = name
        self.outdir = outdir
        os.makedirs(outdir, exist_ok=True)
        self.home = tempfile.mkdtemp(prefix=f"brindlemark-{name}-")
        config = os.path.join(self.home, "config")
        os.makedirs(config)
        with open(os.path.join(config, "Vellander Software.conf"), "w") as f:
            f.write(settings)
        runtime = os.path.join(self.home, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.procs = []
        self.display = self._start_x()
        self.env = dict(os.environ, DISPLAY=self.display, HOME=self.home,
                        XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=runtime,
                        XDG_DATA_HOME=os.path.join(self.home, "data"),
                        QT_QPA_PLATFORM="xcb")
        if not sound:  # with sound, the private server that scripts/with-pulse started
            self.env["PULSE_SERVER"] = "unix:/nonexistent/brindlemark-no-sound"
        self.env.pop("WAYLAND_DISPLAY", None)
        if accessible:
            self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            self.env["QT_ACCESSIBILITY"] = "1"
        self._start_wm()
        if accessible:
            self._start_accessibility_bus()
        if before_program:
            before_program(self)
        self.app = self._spawn([exe], "program")
        self.window = self.find_window("^Brindlemark 1.4$")
        self.locate()
        self._wait_drawn()

    # ---- processes -------------------------------------------------------------------
    def _spawn(self, args, label, **kw):
        log = open(os.path.join(self.outdir, f"{self.name}-{label}.log"), "w")
        proc = subprocess.Popen(args, stdout=log, stderr=subprocess.STDOUT,
                                env=kw.pop("env", getattr(self, "env", None)), **kw)
        self.procs.append(proc)
        return proc

    def _start_x(self):
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp", "-noreset"], "xvfb", pass_fds=(write_fd,),
                    env=os.environ.copy())
        os.close(write_fd)
        number = b""
        deadline = time.time() + 15
        while not number.endswith(b"\n") and time.time() < deadline:
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        check(number.strip().isdigit(), "Xvfb did not report a display number")
        return ":" + number.strip().decode()

    def _start_accessibility_bus(self):
        """On a desktop the accessibility bus and its registry run before any program
        starts. A program that starts first may miss the bus coming up and never join the
        tree, so the bus is started here by asking the registry for its desktop."""
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        os.environ["DISPLAY"] = self.display
        Atspi.get_desktop(0).get_child_count()

    def _start_wm(self):
        self._spawn(["openbox", "--sm-disable"], "openbox")
        deadline = time.time() + 15
        while time.time() < deadline:
            out = run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK", env=self.env,
                      check_rc=False)
            if "window id" in out:
                return
            time.sleep(0.1)
        raise Failure("openbox did not start")

    def close(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        shutil.rmtree(self.home, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if exc[0] is not None:
            try:
                self.screenshot(f"{self.name}-failure")
            except Exception:  # the screen may be gone with the failure
                pass
        self.close()

    # ---- windows ---------------------------------------------------------------------
    def xdotool(self, *args, timeout=20):
        return run("xdotool", *args, env=self.env, timeout=timeout)

    def find_window(self, title, timeout=15):
        deadline = time.time() + timeout
        while time.time() < deadline:
            out = run("xdotool", "search", "--onlyvisible", "--name", title, env=self.env,
                      check_rc=False).split()
            if out:
                return out[-1]
            check(self.app.poll() is None, "the program ended while starting")
            time.sleep(0.1)
        raise Failure(f"no window named {title}")

    def window_gone(self, title):
        out = run("xdotool", "search", "--onlyvisible", "--name", title, env=self.env,
                  check_rc=False)
        return not out.split()

    def stable_geometry(self, window, timeout=5):
        """The geometry once the window has stopped moving (dialogs centre themselves
        when they become active)."""
        last = None
        deadline = time.time() + timeout
        while time.time() < deadline:
            now = self.geometry(window)
            if now == last:
                return now
            last = now
            time.sleep(0.15)
        return last

    def geometry(self, window):
        """Absolute left, top, width and height of a window's own area (no frame)."""
        info = run("xwininfo", "-id", window, env=self.env)
        values = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def locate(self):
        """The main window's client area lies below the menu bar, whose height varies."""
        left, top, width, height = self.geometry(self.window)
        check(width == CLIENT_W, f"main window is {width} wide, not {CLIENT_W}")
        self.menu_height = height - CLIENT_H
        check(self.menu_height > 10, f"no room for the menu bar ({height} high)")
        self.win_origin = (left, top)
        self.origin = (left, top + self.menu_height)

    def _wait_drawn(self, timeout=15):
        """A window is mapped before it has painted: wait for the red inner bull."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            r, g, b = self.client_shot().at(*bed_point(25, "inner_bull"))
            if r > 150 and g < 90 and b < 90:
                return
            time.sleep(0.1)
        raise Failure("the board picture was not drawn")

    def click_at(self, x, y, button=1):
        # No --sync: it waits for a pointer motion, which never comes when the pointer is
        # already there (two darts in the same bed).
        self.xdotool("mousemove", str(x), str(y), "click", str(button))

    def click_client(self, x, y):
        self.click_at(self.origin[0] + x, self.origin[1] + y)

    def dart(self, number, ring="single"):
        self.click_client(*bed_point(number, ring))
        self.settle()

    def settle(self, pause=0.05):
        """Waits until the program has handled what was sent (an X round trip after it)."""
        time.sleep(pause)
        run("xwininfo", "-id", self.window, env=self.env)

    def key(self, *keys):
        self.xdotool("key", "--window", self.window, *keys)
        self.settle()

    # ---- the keyboard, as a player presses it ------------------------------------------
    def keys(self, *keys, pause=0.1):
        """Real key events (XTEST) to whatever window has the keyboard focus, as keysyms:
        "t", "2", "Return", "KP_Multiply", "Tab", "Down"."""
        self.xdotool("key", "--delay", "30", *keys)
        self.settle(pause)

    def chord(self, modifier, key, pause=0.3):
        """A modifier held down while one key is pressed (alt and f for Alt+F), with time
        between the steps, as a person presses it."""
        self.xdotool("keydown", modifier)
        time.sleep(0.1)
        self.xdotool("key", key)
        time.sleep(0.1)
        self.xdotool("keyup", modifier)
        self.settle(pause)

    def typed_dart(self, code):
        """A dart typed by its code on the main keys, then Enter."""
        names = {"*": "asterisk", "/": "slash"}
        self.keys(*[names.get(c, c) for c in code], "Return")

    def focused_title(self):
        return run("xdotool", "getwindowfocus", "getwindowname", env=self.env,
                   check_rc=False).strip()

    def wait_focus(self, title, timeout=5):
        """Waits until the window of that title has the keyboard focus."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.focused_title() == title.strip():
                return
            time.sleep(0.05)
        raise Failure(f"the keys go to {self.focused_title()!r}, not to {title!r}")

    # ---- menus -----------------------------------------------------------------------
    def menu(self, title_index, item_index):
        """Clicks a menu of the menu bar by its place (0 = File) and then one of its items
        (0 = first). Titles and items are found on the screen: the title where the menu bar
        shows text, the item in the popup that opens under it."""
        # The program may still be starting (opening its game journal) and not yet have
        # painted its menu bar.
        deadline = time.time() + 5
        titles = self._menu_titles(self.grab_window())
        while len(titles) <= title_index and time.time() < deadline:
            time.sleep(0.1)
            titles = self._menu_titles(self.grab_window())
        check(len(titles) > title_index, f"menu bar shows {len(titles)} titles")
        x0, x1 = titles[title_index]
        self.click_at(self.win_origin[0] + (x0 + x1) // 2,
                      self.win_origin[1] + self.menu_height // 2)
        popup = self._wait_popup()
        left, top, width, height = self.geometry(popup)
        rows = self._menu_rows(popup, width, height)
        check(len(rows) > item_index, f"menu shows {len(rows)} items")
        y0, y1 = rows[item_index]
        self.click_at(left + width // 2, top + (y0 + y1) // 2)
        self.settle(0.2)

    def _menu_titles(self, shot):
        """Horizontal runs of text pixels in the menu bar, merged across small gaps."""
        bg = shot.at(shot.width - 2, 2)
        cols = [x for x in range(shot.width)
                if any(_far(shot.at(x, y), bg, 120) for y in range(2, self.menu_height - 2))]
        return _runs(cols, gap=8)

    def _wait_popup(self):
        deadline = time.time() + 5
        while time.time() < deadline:
            for wid in run("xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid),
                           env=self.env, check_rc=False).split():
                if wid == self.window:
                    continue
                _, _, w, h = self.geometry(wid)
                if 20 < w < 400 and 20 < h < 400:
                    return wid
            time.sleep(0.05)
        raise Failure("no menu opened")

    def _menu_rows(self, popup, width, height):
        shot = Image(run_bytes(["import", "-window", popup, "-depth", "8", "ppm:-"], self.env))
        bg = shot.at(2, shot.height // 2)
        rows = [y for y in range(height)
                if sum(1 for x in range(4, width - 4) if _far(shot.at(x, y), bg, 120)) > 1]
        # Separators are one or two pixel lines; items are taller runs of text.
        return [r for r in _runs(rows, gap=5) if r[1] - r[0] >= 4]

    # ---- dialogs ---------------------------------------------------------------------
    def new_game(self, players=2, names=None, game=0, inout=None, bull=None, board=None,
                 confirm=False, computer=None):
        """File > New Game, then the choices in the dialog by clicking its options;
        computer maps seats the computer takes to its level there."""
        self.menu(0, 0)
        if confirm:
            box = self.find_window("^Start New Game$")
            self.key_window(box, "y")
        dialog = self.find_window("^Choose Your Game...$")
        left, top, _, _ = self.stable_geometry(dialog)

        def option(frame, at):
            fx, fy = frame
            x, y, _, h = at
            self.click_at(left + twips(fx + x) + 7, top + twips(fy + y) + max(h, 195) // 30)

        seat_top = [300, 660, 1020, 1380]
        option((60, 120), (240, seat_top[players - 1], 495, 255))
        for seat, name in enumerate(names or [], start=1):
            fx, fy = 60, 120
            self.click_at(left + twips(fx + 780) + 20, top + twips(fy + seat_top[seat - 1]) + 9)
            self.xdotool("key", "ctrl+a")
            self.xdotool("type", "--delay", "5", name)
        # The classic five in "Game Type", the others in the column of "More Games".
        if game < 5:
            option((60, 2040), (180, 300 + 360 * game, 1000, 255))
        else:
            option((5100, 120), (180, 300 + 360 * (game - 5), 1000, 255))
        if inout is not None:
            option((2460, 1320), (480, 300 + 360 * inout, 1500, 255))
        if bull is not None:
            option((2460, 2880), ((180, 1260)[bull - 1], 360, 900, 255))
        if board is not None:
            option((2460, 120), (240, (300, 660)[board - 1], 1900, 195))
        for seat, level in (computer or {}).items():
            row = 540 + 420 * (seat - 2)
            option((5100, 2400), (180, row, 1155, 315))
            # The level box: its text chosen whole and typed over.
            self.click_at(left + twips(5100 + 1380) + 12, top + twips(2400 + row) + 10)
            self.xdotool("key", "ctrl+a")
            self.xdotool("type", "--delay", "5", str(level))
        self.click_at(left + twips(2520 + 2415 // 2), top + twips(3840 + 375 // 2))
        deadline = time.time() + 5
        while not self.window_gone("^Choose Your Game...$"):
            check(time.time() < deadline, "the new-game dialog stayed open")
            time.sleep(0.05)
        self.settle(0.2)

    def key_window(self, window, *keys):
        self.xdotool("key", "--window", window, *keys)
        self.settle(0.2)

    # ---- what is on the screen -------------------------------------------------------
    def grab_window(self):
        return Image(run_bytes(["import", "-window", self.window, "-depth", "8", "ppm:-"], self.env))

    def client_shot(self):
        """The client area as a player sees it."""
        shot = self.grab_window()
        check(shot.height == self.menu_height + CLIENT_H, "screenshot has the wrong size")
        return _Offset(shot, 0, self.menu_height)

    def screenshot(self, label, path=None):
        path = path or os.path.join(self.outdir, f"{label}.png")
        run("import", "-window", self.window, path, env=self.env)
        return path


class _Offset:
    """A screenshot seen from the client area's top-left corner."""

    def __init__(self, image, dx, dy):
        self.image, self.dx, self.dy = image, dx, dy

    def at(self, x, y):
        return self.image.at(x + self.dx, y + self.dy)

    def count(self, left, top, width, height, predicate):
        return self.image.count(left + self.dx, top + self.dy, width, height, predicate)


def run_bytes(args, env):
    done = subprocess.run(args, capture_output=True, timeout=20, env=env)
    if done.returncode != 0:
        raise Failure(f"{args[0]} failed: {done.stderr.decode().strip()}")
    return done.stdout


def _far(a, b, limit):
    return sum(abs(p - q) for p, q in zip(a, b)) > limit


def _runs(values, gap):
    runs = []
    for v in values:
        if runs and v - runs[-1][1] <= gap:
            runs[-1][1] = v
        else:
            runs.append([v, v])
    return [tuple(r) for r in runs]


def near(colour, target, tolerance=60):
    return sum(abs(p - q) for p, q in zip(colour, target)) <= tolerance


class Screen_reader:
    """The program's accessibility tree over AT-SPI, as a screen reader sees it."""

    def __init__(self, session, timeout=60):
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        self.Atspi = Atspi
        self.session = session
        os.environ["DISPLAY"] = session.display
        deadline = time.time() + timeout
        self.app = None
        while self.app is None and time.time() < deadline:
            desktop = Atspi.get_desktop(0)
            for i in range(desktop.get_child_count()):
                app = desktop.get_child_at_index(i)
                if app is not None and app.get_process_id() == session.app.pid:
                    self.app = app
            if self.app is None:
                time.sleep(0.2)
        check(self.app is not None, "the program is not in the accessibility tree")

    def nodes(self):
        """Every showing object: (role name, name, description, checked, x, y, w, h),
        positions relative to the client area."""
        Atspi = self.Atspi
        found = []
        ox, oy = self.session.origin

        def walk(node, depth):
            if node is None or depth > 12:
                return
            node.clear_cache()
            states = node.get_state_set()
            if not states.contains(Atspi.StateType.SHOWING):
                return
            box = node.get_extents(Atspi.CoordType.SCREEN)
            found.append((node.get_role_name(), node.get_name() or "",
                          node.get_description() or "",
                          states.contains(Atspi.StateType.CHECKED),
                          states.contains(Atspi.StateType.ENABLED),
                          box.x - ox, box.y - oy, box.width, box.height))
            for i in range(node.get_child_count()):
                walk(node.get_child_at_index(i), depth + 1)

        self.app.clear_cache()
        for i in range(self.app.get_child_count()):
            walk(self.app.get_child_at_index(i), 0)
        return found

    def names(self):
        return [n[1] for n in self.nodes()]

    def press(self, caption):
        """A screen reader's press on the showing button of that caption (blanks around it
        do not count): the button's first action, as Orca or a voice-control program does."""
        Atspi = self.Atspi

        def find(node, depth):
            if node is None or depth > 12:
                return None
            if not node.get_state_set().contains(Atspi.StateType.SHOWING):
                return None
            if node.get_role_name() == "push button" and (node.get_name() or "").strip() == caption:
                return node
            for i in range(node.get_child_count()):
                found = find(node.get_child_at_index(i), depth + 1)
                if found is not None:
                    return found
            return None

        self.app.clear_cache()
        button = find(self.app, 0)
        check(button is not None, f"no button {caption!r}")
        check(button.get_action_iface().do_action(0), f"the button {caption!r} refused the press")

    def name_at(self, x, y, role="label"):
        """The name of the smallest object of a role whose box holds a client point."""
        hits = [n for n in self.nodes() if n[0] == role and n[5] <= x < n[5] + n[7]
                and n[6] <= y < n[6] + n[8]]
        check(hits, f"no {role} at {x}, {y}")
        return min(hits, key=lambda n: n[7] * n[8])[1]

    def panel(self, caption):
        """The text of the status panel after a caption, e.g. panel("Round:")."""
        for name in self.names():
            if name.startswith(caption + " "):
                return name[len(caption) + 1:]
        raise Failure(f"no status panel {caption!r} in {self.names()}")
