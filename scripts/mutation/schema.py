"""Writes all the mutants of a file into one copy of it, each behind a switch.

The copy compiles once; the program then runs as the unchanged source, or with exactly one
mutant in, chosen at run time by the environment:

    BRINDLEMARK_MUTANT=<id>                the mutant that is in (0 or unset: none)
    BRINDLEMARK_MUTANTS_REACHED=<file>     appends the id of every mutant whose code ran

A mutant of a value becomes (switch(id) ? (mutated) : (original)), a forced condition
(switch(id) ? true : static_cast<bool>(original)), a left-out statement
(switch(id) ? void() : void(original)). Mutants inside others are written inside both
branches, so any one of them can be in by itself.
"""

from __future__ import annotations

from generate import fill

SWITCH = "brindlemarkMutant"


def preamble(first_id: int, count: int) -> str:
    return f"""#include <cstdio>
#include <cstdlib>
namespace {{
struct BrindlemarkMutants {{
  int active = 0;
  const char* reachedPath = nullptr;
  bool reached[{max(count, 1)}] = {{}};
  BrindlemarkMutants() {{
    const char* id = std::getenv("BRINDLEMARK_MUTANT");
    active = id != nullptr ? std::atoi(id) : 0;
    reachedPath = std::getenv("BRINDLEMARK_MUTANTS_REACHED");
  }}
  ~BrindlemarkMutants() {{
    if (reachedPath == nullptr) return;
    std::FILE* f = std::fopen(reachedPath, "a");
    if (f == nullptr) return;
    for (int i = 0; i < {count}; ++i)
      if (reached[i]) std::fprintf(f, "%d\\n", {first_id} + i);
    std::fclose(f);
  }}
}};
BrindlemarkMutants& brindlemarkMutants() {{
  static BrindlemarkMutants mutants;
  return mutants;
}}
[[maybe_unused]] bool {SWITCH}(int id) {{
  BrindlemarkMutants& m = brindlemarkMutants();
  if (m.reachedPath != nullptr) m.reached[id - {first_id}] = true;
  return m.active == id;
}}
}}  // namespace
"""


def schematize(source: bytes, mutants: list, first_id: int) -> bytes:
    """The source with every mutant behind its switch; mutants[i] gets id first_id + i.

    A mutant whose range crosses another's (neither holds the other) is left out and
    reported by the caller as not schematized: its id is absent from the text."""
    by_range: dict = {}
    for i, m in enumerate(mutants):
        by_range.setdefault((m.start, m.end), []).append((first_id + i, m))
    ranges = sorted(by_range, key=lambda r: (r[0], -r[1]))

    # Drop ranges that cross an earlier one.
    kept = []
    stack = []
    for r in ranges:
        while stack and stack[-1][1] <= r[0]:
            stack.pop()
        if stack and r[1] > stack[-1][1]:
            continue
        kept.append(r)
        stack.append(r)
    ranges = kept

    def inside(a: int, b: int) -> list:
        """The outermost mutated ranges strictly inside [a, b)."""
        out = []
        limit = a
        for r in ranges:
            if r[0] < limit or r[0] < a or r[1] > b or r == (a, b):
                continue
            out.append(r)
            limit = r[1]
        return out

    cache: dict = {}

    def text(a: int, b: int) -> bytes:
        """[a, b) with the mutated ranges inside it written with their switches."""
        if (a, b) in by_range and (a, b) in set(ranges):
            return wrapped(a, b)
        return plain(a, b)

    def plain(a: int, b: int) -> bytes:
        out = []
        at = a
        for r in inside(a, b):
            out.append(source[at:r[0]])
            out.append(wrapped(*r))
            at = r[1]
        out.append(source[at:b])
        return b"".join(out)

    def wrapped(a: int, b: int) -> bytes:
        if (a, b) in cache:
            return cache[(a, b)]
        result = plain(a, b)
        for mutant_id, m in by_range[(a, b)]:
            switch = f"{SWITCH}({mutant_id})".encode()
            mutated = fill(m.template, [text(h0, h1) for h0, h1 in m.holes])
            if m.shape == "condition":
                result = b"(" + switch + b" ? " + mutated + b" : static_cast<bool>(" + result + b"))"
            elif m.shape == "statement":
                result = b"(" + switch + b" ? void() : void(" + result + b"))"
            else:
                result = b"(" + switch + b" ? (" + mutated + b") : (" + result + b"))"
        cache[(a, b)] = result
        return result

    body = plain(0, len(source))
    return preamble(first_id, len(mutants)).encode() + b"#line 1\n" + body


def ids_on_lines(schematized: bytes, lines: set) -> set:
    """The ids of the switches written on the given lines (as the compiler counts them)."""
    found = set()
    marker = SWITCH.encode() + b"("
    text_lines = schematized.split(b"\n")
    # The compiler counts lines from the #line directive: the first body line is line 1.
    first_body = text_lines.index(b"#line 1") + 1
    for number in lines:
        index = first_body + number - 1
        if not 0 <= index < len(text_lines):
            continue
        line = text_lines[index]
        at = line.find(marker)
        while at >= 0:
            close = line.find(b")", at)
            found.add(int(line[at + len(marker):close]))
            at = line.find(marker, close)
    return found
