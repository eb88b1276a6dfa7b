"""The mutation check: is every small slip in the rules caught by a test?

Makes the mutants of the rules' sources (generate.py), compiles them all at once into a
copy of the repository (schema.py), finds which tests run each mutant's code, and then
runs each mutant by itself against those tests. A mutant whose tests all pass survived:
either a rule is not tested, or the mutant changes nothing a player could see, and then it
is listed, with the reason, in scripts/mutation/equivalent. The hand-written mutants of
scripts/mutants that the generator does not make are run too, each built by itself.

    scripts/mutate                      every file
    scripts/mutate FILES='src/game/checkout.cpp src/input/board.cpp'
    scripts/mutate --survivors          only the mutants that survived the last run
    scripts/mutate --list               count the mutants, run nothing

The source is never changed: mutants go into copies under build/mutate.
"""

from __future__ import annotations

import argparse
import concurrent.futures
import dataclasses
import glob
import json
import os
import re
import resource
import shlex
import shutil
import signal
import subprocess
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import generate  # noqa: E402
import schema  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(HERE))
WORK = os.path.join(ROOT, "build", "mutate")

# What is mutated: the rules, the input, and the figures the journal works out. The
# computer's calibration (computercalibration.cpp) is the instrument that measures its
# levels for the bench and one test, not a rule any game follows: it is left out.
SCOPE = ["src/game/*.cpp", "src/input/*.cpp", "src/journal/statistics.cpp",
         "src/journal/heatmap.cpp", "src/journal/historyfigures.cpp",
         "src/journal/playerhistory.cpp", "src/journal/figurestore.cpp", "src/journal/bed.cpp"]
LEFT_OUT = {"src/game/computercalibration.cpp"}
# The GoogleTest programs that test them.
TEST_DIRS = ["tests/game", "tests/input", "tests/journal"]
EQUIVALENT = os.path.join(HERE, "equivalent")
HANDWRITTEN = os.path.join(ROOT, "scripts", "mutants")
MEMORY_LIMIT = 4 << 30  # a mutant that loops while it allocates must not take the machine


# ------------------------------------------------------------------------- the copies

def source_files() -> list:
    out = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                         check=True, capture_output=True).stdout
    return [p for p in out.decode().split("\0") if p and not p.startswith("build/")]


def refresh_copy(tree: str):
    """Makes tree a copy of the working tree; files already equal keep their time stamps,
    so that the build in it rebuilds only what changed."""
    for rel in source_files():
        src = os.path.join(ROOT, rel)
        if not os.path.isfile(src):
            continue
        with open(src, "rb") as f:
            content = f.read()
        if rel == "CMakeLists.txt":
            # A mutant may well draw a warning; it is judged by the tests, not the compiler.
            content = content.replace(b" -Werror", b"")
        write_if_changed(os.path.join(tree, rel), content)


def write_if_changed(path: str, content: bytes):
    try:
        with open(path, "rb") as f:
            if f.read() == content:
                return
    except FileNotFoundError:
        os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content)


def configure(tree: str, build: str):
    if os.path.exists(os.path.join(build, "build.ninja")):
        return
    run_logged(["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=",
                "-DCMAKE_CXX_FLAGS=-O2", "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"],
               os.path.join(WORK, "configure.txt"))


def build_tests(build: str, dirs: list, log: str) -> bool:
    return run_logged(["cmake", "--build", build, "-j", str(os.cpu_count() or 2), "--target"]
                      + [d + "/all" for d in dirs], log, check=False) == 0


def run_logged(command: list, log: str, check: bool = True) -> int:
    with open(log, "w") as f:
        status = subprocess.run(command, stdout=f, stderr=subprocess.STDOUT).returncode
    if check and status != 0:
        raise SystemExit(f"mutate: {' '.join(command[:3])} failed; see {log}")
    return status


# ------------------------------------------------------------------------- the lists

@dataclasses.dataclass
class Equivalent:
    file: str
    function: str
    line: str
    changes: list
    reason: str
    used: int = 0
    sanitizer: bool = False  # not equivalent: killed only by the tests of the sanitizer build

    def matches(self, m) -> bool:
        # A change may name its column: "`0` → `1` at 43".
        return ((self.file == "*" or m.file == self.file)
                and (not self.function or m.function == self.function)
                and (not self.line or self.on_line(m))
                and (m.change in self.changes or f"{m.change} at {m.column}" in self.changes))


    def on_line(self, m) -> bool:
        """The line's text holds self.line; "text #N": the N-th such line of the file."""
        text, _, nth = self.line.rpartition(" #")
        if not nth.isdigit():
            return self.line in line_text(m)
        with open(os.path.join(ROOT, m.file), encoding="utf-8") as f:
            numbers = [i for i, line in enumerate(f, 1) if text in line]
        return len(numbers) >= int(nth) and numbers[int(nth) - 1] == m.line


def read_equivalents() -> list:
    """Reads scripts/mutation/equivalent: blocks of
        @ <file, or * for any> [<function>]
        | <text of the line, or a part of it>      (optional)
        ~ <change, as the report prints it>        (one or more)
        = <why no player could tell>
    or, for a slip the plain build cannot show but the sanitizer build's tests catch,
        ! <which test of the sanitizer build reports it, and why>"""
    out = []
    if not os.path.exists(EQUIVALENT):
        return out
    with open(EQUIVALENT, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            tag, _, rest = line.partition(" ")
            if tag == "@":
                file, _, function = rest.partition(" ")
                out.append(Equivalent(file, function.strip(), "", [], ""))
            elif tag == "|" and out:
                out[-1].line = rest.strip()
            elif tag == "~" and out:
                out[-1].changes.append(rest.strip())
            elif tag in ("=", "!") and out:
                out[-1].reason = (out[-1].reason + " " + rest.strip()).strip()
                out[-1].sanitizer = out[-1].sanitizer or tag == "!"
            else:
                raise SystemExit(f"mutate: {EQUIVALENT}:{number}: cannot read: {line}")
    for e in out:
        if not e.changes or not e.reason:
            raise SystemExit(f"mutate: the equivalent entry for {e.file} {e.line} needs a ~ and a =")
    return out


@dataclasses.dataclass
class Handwritten:
    file: str
    what: str
    anchor: str = ""
    old: str = ""
    new: str = ""
    reason: str = ""


def read_handwritten():
    """The hand-written mutants (see the head of scripts/mutants) and which test folders
    cover each source folder."""
    mutants, dirs = [], {}
    with open(HANDWRITTEN, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            if line.startswith("tests "):
                folder, _, tests = line[6:].partition(": ")
                dirs[folder] = tests.split()
            elif line.startswith("@ "):
                file, _, what = line[2:].partition(" ")
                mutants.append(Handwritten(file, what.strip()))
            elif line.startswith("~ "):
                mutants[-1].anchor = line[2:]
            elif line.startswith("- "):
                mutants[-1].old = line[2:]
            elif line.startswith("+ "):
                mutants[-1].new = line[2:]
            elif line.startswith("= "):
                mutants[-1].reason = line[2:]
            else:
                raise SystemExit(f"mutate: {HANDWRITTEN}: cannot read: {line}")
    return mutants, dirs


def apply_handwritten(h: Handwritten, content: str) -> str:
    """The file with the slip in; the text must occur once (in the anchored function)."""
    head, region, tail = "", content, ""
    if h.anchor:
        if content.count(h.anchor) != 1:
            raise ValueError(f"the anchor of '{h.what}' is not unique in {h.file}")
        head, _, region = content.partition(h.anchor)
        head += h.anchor
        body_end = region.find("\n}")
        region, tail = (region, "") if body_end < 0 else (region[:body_end], region[body_end:])
    key = ("\n" + h.old) if h.old.startswith(" ") else h.old
    probe = ("\n" + region) if h.old.startswith(" ") else region
    if probe.count(key) != 1:
        raise ValueError(f"its text occurs {probe.count(key)} times in {h.file}")
    before, _, after = probe.partition(key)
    replaced = before + (("\n" + h.new) if h.old.startswith(" ") else h.new) + after
    if h.old.startswith(" "):
        replaced = replaced[1:]
    return head + replaced + tail


# ------------------------------------------------------------------------- running tests

_children: set = set()
_children_lock = threading.Lock()


def limit_memory():
    os.setsid()
    resource.setrlimit(resource.RLIMIT_AS, (MEMORY_LIMIT, MEMORY_LIMIT))


def run_test(program: str, tests: list, env: dict, timeout: float):
    """Runs a GoogleTest program on the given tests; returns (passed, first failure)."""
    command = [program, "--gtest_fail_fast", "--gtest_brief=1"]
    if tests:
        command.append("--gtest_filter=" + ":".join(tests))
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               env={**os.environ, **env}, preexec_fn=limit_memory)
    with _children_lock:
        _children.add(process)
    try:
        output, _ = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.communicate()
        return False, f"{os.path.basename(program)} (timed out)"
    finally:
        with _children_lock:
            _children.discard(process)
    if process.returncode == 0:
        return True, ""
    found = re.search(rb"^\[  FAILED  \] ([^ ,\n]+)", output, re.M)
    if found:
        return False, found.group(1).decode()
    return False, f"{os.path.basename(program)} (exit {process.returncode})"


def stop_children(*_):
    with _children_lock:
        for process in list(_children):
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
    print("\nmutate: interrupted; the source was never changed (mutants go into copies)",
          file=sys.stderr)
    os._exit(130)


def test_programs(build: str, dirs: list) -> list:
    out = []
    for d in dirs:
        for path in sorted(glob.glob(os.path.join(build, d, "*"))):
            if os.path.isfile(path) and os.access(path, os.X_OK):
                with open(path, "rb") as f:
                    if b"gtest_fail_fast" in f.read():
                        out.append(path)
    return out


def list_tests(program: str) -> list:
    out = subprocess.run([program, "--gtest_list_tests"], check=True, capture_output=True,
                         text=True).stdout
    tests, suite = [], ""
    for line in out.splitlines():
        if not line.startswith(" "):
            suite = line.split()[0]
        else:
            tests.append(suite + line.split()[0])
    return tests


def record_reach(programs: list, jobs: int) -> dict:
    """Runs every test of the unchanged build alone; gives, per mutant id, the tests that
    run its code as (program, test, seconds)."""
    reach_dir = os.path.join(WORK, "reach")
    shutil.rmtree(reach_dir, ignore_errors=True)
    os.makedirs(reach_dir)
    work = [(p, t) for p in programs for t in list_tests(p)]

    def one(item):
        n, (program, test) = item
        path = os.path.join(reach_dir, f"{n}.txt")
        started = time.monotonic()
        passed, failure = run_test(program, [test], {"BRINDLEMARK_MUTANTS_REACHED": path,
                                                     "BRINDLEMARK_MUTANT": "0"}, 600)
        if not passed:
            raise SystemExit(f"mutate: {failure} fails on the unchanged source")
        seconds = time.monotonic() - started
        ids = set()
        if os.path.exists(path):
            with open(path) as f:
                ids = {int(x) for x in f.read().split()}
        return program, test, seconds, ids

    reach: dict = {}
    with concurrent.futures.ThreadPoolExecutor(jobs) as pool:
        for program, test, seconds, ids in pool.map(one, enumerate(work)):
            for i in ids:
                reach.setdefault(i, []).append((program, test, seconds))
    return reach


QUICK = 0.15  # seconds: tests quicker than this run together, the others one by one


def run_mutant(mutant_id: int, tests: list):
    """Runs the tests that reach a mutant, the quick ones of each program together first,
    then the slow ones by themselves, quickest first: most mutants are killed by a quick
    test, and the slow ones are then never run. Gives (outcome, detail)."""
    quick: dict = {}
    slow = []
    for program, test, seconds in tests:
        if seconds < QUICK:
            quick.setdefault(program, []).append((test, seconds))
        else:
            slow.append((seconds, program, test))
    stages = [(sum(s for _, s in quick[p]), p, [t for t, _ in quick[p]]) for p in quick]
    stages.sort()
    stages += [(seconds, program, [test]) for seconds, program, test in sorted(slow)]
    env = {"BRINDLEMARK_MUTANT": str(mutant_id)}
    for budget, program, names in stages:
        passed, failure = run_test(program, names, env, budget * 5 + 5)
        if not passed:
            return "killed", failure
    return "survived", ""


# ------------------------------------------------------------------------- the run

def line_text(m) -> str:
    with open(os.path.join(ROOT, m.file), "rb") as f:
        lines = f.read().split(b"\n")
    return lines[m.line - 1].decode().strip()


def compiles(command: dict, path: str) -> tuple:
    """Compiles a file alone as the build would (syntax only); (ok, error lines)."""
    words = command.get("arguments") or shlex.split(command["command"])
    cleaned, skip = [], False
    for word in words:
        if skip:
            skip = False
            continue
        if word in ("-o", "-MF", "-MT", "-MQ"):
            skip = True
            continue
        if word in ("-MD", "-MMD", "-c"):
            continue
        cleaned.append(word)
    result = subprocess.run(cleaned + ["-fsyntax-only"], cwd=command["directory"],
                            capture_output=True, text=True)
    lines = set()
    name = re.escape(os.path.basename(path))
    for found in re.finditer(rf"{name}:(\d+):\d+: (?:error|note)", result.stderr):
        lines.add(int(found.group(1)))
    return result.returncode == 0, lines, result.stderr


def main() -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--survivors", action="store_true")
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("files", nargs="*")
    args = parser.parse_args()
    signal.signal(signal.SIGINT, stop_children)
    signal.signal(signal.SIGTERM, stop_children)
    signal.signal(signal.SIGHUP, stop_children)
    started = time.monotonic()
    os.makedirs(WORK, exist_ok=True)

    files = args.files or (os.environ.get("FILES", "").split())
    in_scope = sorted({p for pattern in SCOPE for p in glob.glob(pattern, root_dir=ROOT)}
                      - LEFT_OUT)
    if files:
        for f in files:
            if f not in in_scope:
                raise SystemExit(f"mutate: {f} is not one of the files mutated: {' '.join(in_scope)}")
    else:
        files = in_scope

    tree = os.path.join(WORK, "tree")
    build = os.path.join(WORK, "build")
    print(f"mutate: copying the sources to {tree}", flush=True)
    refresh_copy(tree)
    configure(tree, build)
    with open(os.path.join(build, "compile_commands.json")) as f:
        commands = {os.path.relpath(os.path.normpath(os.path.join(e["directory"], e["file"])),
                                    tree): e for e in json.load(f)}

    # The mutants, numbered from 1 across every file.
    mutants = []
    for f in files:
        mutants.extend(generate.mutants_of(os.path.join(build, "compile_commands.json"),
                                           os.path.join(tree, f)))
    for m in mutants:
        m.file = os.path.relpath(m.file, tree)
        m.key = m.key.replace(os.path.join(tree, ""), "", 1)
    equivalents = read_equivalents()
    handwritten, folder_tests = read_handwritten()
    previous = {}
    results_path = os.path.join(WORK, "results.json")
    if os.path.exists(results_path):
        with open(results_path) as f:
            previous = json.load(f)

    per_file = {f: [m for m in mutants if m.file == f] for f in files}
    print(f"mutate: {len(mutants)} mutants in {len(files)} files", flush=True)
    if args.list:
        for f in files:
            counts = {}
            for m in per_file[f]:
                counts[m.operator] = counts.get(m.operator, 0) + 1
            print(f"  {f:36} {len(per_file[f]):4}  " +
                  " ".join(f"{k} {v}" for k, v in sorted(counts.items())))
        return 0

    # Every file with all its mutants behind switches; a mutant that stops its file from
    # compiling is taken out of the schema and built alone.
    ids = {}
    alone = []
    next_id = 1
    for f in files:
        path = os.path.join(tree, f)
        with open(os.path.join(ROOT, f), "rb") as src:
            source = src.read()
        chosen = list(per_file[f])
        for attempt in range(12):
            first = next_id
            text = schema.schematize(source, chosen, first)
            with open(path, "wb") as out:
                out.write(text)
            ok, lines, errors = compiles(commands[f], path)
            if ok:
                break
            bad = schema.ids_on_lines(text, lines)
            if not bad:
                # No switch on the lines the compiler named: take the nearest before them.
                written = schema.ids_on_lines(text, set(range(1, max(lines, default=1) + 1)))
                bad = {max(written)} if written else set()
            if not bad or attempt == 11:
                alone.extend(chosen)
                chosen = []
                with open(path, "wb") as out:
                    out.write(source)
                break
            alone.extend(chosen[i - first] for i in sorted(bad))
            chosen = [m for i, m in enumerate(chosen) if first + i not in bad]
        present = schema.schematize(source, chosen, next_id)
        for i, m in enumerate(chosen):
            if f"{schema.SWITCH}({next_id + i})".encode() in present:
                ids[next_id + i] = m
            else:
                alone.append(m)
        next_id += len(chosen)

    # The switch of each mutant, for a closer look at one: BRINDLEMARK_MUTANT=<id> <test>.
    with open(os.path.join(WORK, "switches.txt"), "w") as out:
        for i, m in sorted(ids.items()):
            out.write(f"{i} {m.file}:{m.line}:{m.column} {m.change} | {line_text(m)}\n")

    if args.survivors:
        keep = {k for k, v in previous.items() if v["outcome"] not in ("killed", "no build")}
        ids = {i: m for i, m in ids.items() if m.key in keep}
        alone = [m for m in alone if m.key in keep]

    print(f"mutate: building {len(ids)} mutants in one program ({len(alone)} built alone)",
          flush=True)
    if not build_tests(build, TEST_DIRS, os.path.join(WORK, "build.txt")):
        raise SystemExit(f"mutate: the mutants do not build together; see {WORK}/build.txt")
    programs = test_programs(build, TEST_DIRS)
    print("mutate: finding which tests run each mutant's code", flush=True)
    reach = record_reach(programs, args.jobs)

    def judge(item):
        mutant_id, m = item
        tests = reach.get(mutant_id)
        if not tests:
            return m, "survived", "no test runs this code"
        return (m, *run_mutant(mutant_id, tests))

    done = 0
    outcomes = []
    total = len(ids) + len(alone)
    # Each outcome as it comes, for a look at the survivors while the run goes on.
    progress = open(os.path.join(WORK, "progress.txt"), "w", buffering=1)
    with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        for m, outcome, detail in pool.map(judge, sorted(ids.items())):
            outcomes.append((m, outcome, detail))
            progress.write(f"{outcome:9} {m.file}:{m.line}:{m.column} {m.change} | {line_text(m)}"
                           f" | {detail}\n")
            done += 1
            if done % 100 == 0:
                print(f"mutate: {done}/{total} mutants run, "
                      f"{time.monotonic() - started:.0f} s", flush=True)

    # The mutants built alone, and the hand-written ones the generator does not make.
    solo_tree = os.path.join(WORK, "solo-tree")
    solo_build = os.path.join(WORK, "solo-build")
    handwritten_runs = []
    generated_texts = {}
    for m in mutants:
        with open(os.path.join(ROOT, m.file), "rb") as f:
            source = f.read()
        generated_texts.setdefault(m.file, set()).add(
            source[:m.start] + m.replacement(source) + source[m.end:])
    made = 0
    for h in handwritten:
        with open(os.path.join(ROOT, h.file), encoding="utf-8") as f:
            try:
                slipped = apply_handwritten(h, f.read()).encode()
            except ValueError as stale:
                print(f"mutate: the hand-written mutant '{h.what}' no longer fits: {stale}")
                continue
        if slipped in generated_texts.get(h.file, set()):
            made += 1
            continue
        if args.survivors and previous.get("hand: " + h.what, {}).get("outcome") == "killed":
            continue
        if files != in_scope and h.file not in files:
            continue
        handwritten_runs.append((h, slipped))
    if alone or handwritten_runs:
        refresh_copy(solo_tree)
        configure(solo_tree, solo_build)
        dirs_needed = sorted({d for h, _ in handwritten_runs
                              for d in folder_tests.get(os.path.dirname(h.file), TEST_DIRS)}
                             | set(TEST_DIRS))
        if not build_tests(solo_build, dirs_needed, os.path.join(WORK, "solo-build.txt")):
            raise SystemExit("mutate: the unchanged copy does not build")
        for m in alone:
            with open(os.path.join(ROOT, m.file), "rb") as f:
                source = f.read()
            slipped = source[:m.start] + m.replacement(source) + source[m.end:]
            outcome, detail = run_alone(solo_tree, solo_build, m.file, source, slipped, TEST_DIRS)
            outcomes.append((m, outcome, detail))
        for h, slipped in handwritten_runs:
            with open(os.path.join(ROOT, h.file), "rb") as f:
                source = f.read()
            dirs = folder_tests.get(os.path.dirname(h.file), TEST_DIRS)
            outcome, detail = run_alone(solo_tree, solo_build, h.file, source, slipped, dirs)
            if h.reason:
                outcome = "equivalent" if outcome == "survived" else outcome + " (listed as equivalent)"
                detail = detail or h.reason
            outcomes.append((h, outcome, detail))

    return report(outcomes, equivalents, files, previous, results_path, made,
                  time.monotonic() - started, args.survivors)


def run_alone(tree, build, rel, source, slipped, dirs):
    path = os.path.join(tree, rel)
    try:
        with open(path, "wb") as f:
            f.write(slipped)
        if not build_tests(build, dirs, os.path.join(WORK, "solo-mutant.txt")):
            return "no build", ""
        for program in test_programs(build, dirs):
            passed, failure = run_test(program, [], {}, 120)
            if not passed:
                return "killed", failure
        return "survived", ""
    finally:
        with open(path, "wb") as f:
            f.write(source)


def report(outcomes, equivalents, files, previous, results_path, made, seconds, partial):
    rows = []
    for item, outcome, detail in outcomes:
        if isinstance(item, Handwritten):
            rows.append(dict(file=item.file, key="hand: " + item.what, outcome=outcome,
                             detail=detail, place=item.file, change=item.what, text=""))
            continue
        m = item
        listed = next((e for e in equivalents if e.matches(m)), None)
        if listed is not None:
            listed.used += 1
            if outcome == "survived" and listed.sanitizer:
                outcome, detail = "killed", "in the sanitizer build: " + listed.reason
            elif outcome == "survived":
                outcome, detail = "equivalent", listed.reason
            elif outcome == "killed":
                outcome = "killed (listed as equivalent)"
        rows.append(dict(file=m.file, key=m.key, outcome=outcome, detail=detail,
                         place=f"{m.file}:{m.line}:{m.column}", change=m.change,
                         text=line_text(m), function=m.function))

    results = dict(previous) if partial else {}
    for r in rows:
        results[r["key"]] = {"outcome": r["outcome"], "place": r["place"]}
    with open(results_path, "w") as f:
        json.dump(results, f, indent=1)

    print()
    print(f"{'file':38} {'mutants':>7} {'killed':>7} {'survived':>8} {'equiv.':>6} "
          f"{'no build':>8} {'score':>6}")
    totals = [0, 0, 0, 0, 0]
    for f in sorted({r["file"] for r in rows}):
        mine = [r for r in rows if r["file"] == f]
        counts = [len(mine),
                  sum(r["outcome"] == "killed" for r in mine),
                  sum(r["outcome"] not in ("killed", "equivalent", "no build") for r in mine),
                  sum(r["outcome"] == "equivalent" for r in mine),
                  sum(r["outcome"] == "no build" for r in mine)]
        totals = [a + b for a, b in zip(totals, counts)]
        judged = counts[1] + counts[2]
        score = f"{100 * counts[1] / judged:.1f}%" if judged else "-"
        print(f"{f:38} {counts[0]:7} {counts[1]:7} {counts[2]:8} {counts[3]:6} {counts[4]:8} {score:>6}")
    judged = totals[1] + totals[2]
    score = f"{100 * totals[1] / judged:.1f}%" if judged else "-"
    print(f"{'all':38} {totals[0]:7} {totals[1]:7} {totals[2]:8} {totals[3]:6} {totals[4]:8} {score:>6}")
    print("(score: killed out of the mutants that build and are not listed as equivalent)")
    if made:
        print(f"mutate: {made} hand-written mutants are made by the generator too and ran once")

    bad = [r for r in rows if r["outcome"] not in ("killed", "equivalent", "no build")]
    if bad:
        print(f"\nmutate: {len(bad)} mutants survived or were killed though listed as equivalent:")
        for r in bad:
            print(f"  {r['place']:34} {r['change']:26} {r['outcome']:9} {r['text'][:70]}")
            if r["detail"]:
                print(f"  {'':34} {r['detail']}")
    if not partial:
        stale = [e for e in equivalents if e.used == 0 and e.file in files]
        for e in stale:
            print(f"mutate: the equivalent entry for {e.file} '{e.line}' {e.changes} matches no mutant")
    print(f"\nmutate: {len(rows)} mutants in {seconds:.0f} s")
    return 0 if not bad else 1


if __name__ == "__main__":
    sys.exit(main())
