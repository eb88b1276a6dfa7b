"""Makes the mutants of a C++ source file from clang's own parse of it.

Each mutant is one small slip a programmer makes: a comparison off by one, a constant one
too big or too small, the wrong connective, a condition that always or never holds, the
branches of a choice swapped, a sign swapped, or a call or an assignment to a member
left out. A mutant is a replacement of one range of the source by a template whose holes
({0}, {1}, ...) are sub-ranges of it, so that mutants nested in each other can all be
compiled into one program (see schema.py).

    python3 scripts/mutation/generate.py build/mutate/compile_commands.json src/game/x.cpp

lists the mutants of a file.
"""

from __future__ import annotations

import dataclasses
import json
import os
import shlex
import sys

import clang.cindex as ci

_LIBCLANG = "/usr/lib/llvm-14/lib/libclang.so.1"
if not ci.Config.loaded:
    ci.Config.set_library_file(_LIBCLANG)

K = ci.CursorKind

# The integer constants of the game besides 0 to 3: the numbers, rings and scores of the
# board, the targets of Cricket and the starting scores.
SCORE_CONSTANTS = {7, 15, 20, 21, 25, 40, 50, 60, 100, 140, 170, 180, 301, 501, 701}

RELATIONAL_NEIGHBOUR = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
LOGICAL_SWAP = {"&&": "||", "||": "&&"}
SIGN_SWAP = {"+": "-", "-": "+", "+=": "-=", "-=": "+="}

ARITHMETIC_TYPES = {
    ci.TypeKind.BOOL, ci.TypeKind.CHAR_U, ci.TypeKind.UCHAR, ci.TypeKind.USHORT,
    ci.TypeKind.UINT, ci.TypeKind.ULONG, ci.TypeKind.ULONGLONG, ci.TypeKind.CHAR_S,
    ci.TypeKind.SCHAR, ci.TypeKind.SHORT, ci.TypeKind.INT, ci.TypeKind.LONG,
    ci.TypeKind.LONGLONG, ci.TypeKind.FLOAT, ci.TypeKind.DOUBLE, ci.TypeKind.LONGDOUBLE,
}

# Calls whose loss no rule can observe: checks of the program's own consistency.
SKIPPED_CALLS = {"assert", "static_assert", "Q_ASSERT", "Q_UNUSED"}


@dataclasses.dataclass
class Mutant:
    file: str          # path as given, relative to the repository
    line: int          # 1-based line of the slipped token
    column: int        # 1-based column of the slipped token
    function: str      # the function it is in ("" at namespace level)
    operator: str      # which operator made it: relational, constant, logical, ...
    change: str        # what the slip is, e.g. "`<` → `<=`"
    start: int         # byte range of the source the mutant replaces
    end: int
    template: str      # the replacement; {n} stands for the text of holes[n]
    holes: list        # byte ranges (start, end) inside [start, end)
    shape: str = "value"   # value: an expression; condition: a bool; statement: a statement
    key: str = ""      # names the mutant by its place and change, stable across edits elsewhere

    def replacement(self, source: bytes) -> bytes:
        """The mutated text of [start, end) when no other mutant is in."""
        return fill(self.template, [source[a:b] for a, b in self.holes])


def fill(template: str, holes: list) -> bytes:
    out = template.encode()
    for n, text in enumerate(holes):
        out = out.replace(b"{%d}" % n, text)
    return out


def compile_arguments(commands_path: str, source: str) -> list:
    """The compiler's arguments for source from compile_commands.json, as clang takes them."""
    with open(commands_path, encoding="utf-8") as f:
        commands = json.load(f)
    # The build may be of another copy of the repository: the file is found by its path
    # inside the repository.
    wanted = os.path.normpath(source)
    for entry in commands:
        path = os.path.normpath(os.path.join(entry["directory"], entry["file"]))
        if path != wanted and not path.endswith("/" + wanted):
            continue
        words = entry.get("arguments") or shlex.split(entry["command"])
        args = []
        skip = False
        for word in words[1:]:
            if skip:
                skip = False
                continue
            if word in ("-o", "-c", "-MF", "-MT", "-MQ"):
                skip = True
                continue
            if word.startswith(("-W", "-f", "-O", "-M")):
                continue
            if os.path.normpath(os.path.join(entry["directory"], word)) == path:
                continue
            if word.startswith("-I") and not os.path.isabs(word[2:]):
                word = "-I" + os.path.join(entry["directory"], word[2:])
            args.append(word)
        return args + ["-xc++", "-Wno-everything"]
    raise SystemExit(f"generate: {source} is not in {commands_path}")


class _Walker:
    def __init__(self, path: str, source: bytes):
        self.path = path
        self.source = source
        self.mutants: list[Mutant] = []
        self.realpath = os.path.realpath(path)
        lines = source.split(b"\n")
        self.line_starts = [0]
        for line in lines:
            self.line_starts.append(self.line_starts[-1] + len(line) + 1)

    # -- places

    def mine(self, cursor) -> bool:
        f = cursor.location.file
        return f is not None and os.path.realpath(f.name) == self.realpath

    def line_text(self, offset: int) -> str:
        line = self.line_of(offset)
        return self.source[self.line_starts[line - 1]:self.line_starts[line] - 1].decode().strip()

    def line_of(self, offset: int) -> int:
        lo, hi = 0, len(self.line_starts) - 1
        while lo < hi:
            mid = (lo + hi + 1) // 2
            if self.line_starts[mid] <= offset:
                lo = mid
            else:
                hi = mid - 1
        return lo + 1

    @staticmethod
    def span(cursor):
        return cursor.extent.start.offset, cursor.extent.end.offset

    def add(self, at: int, function: str, operator: str, change: str, start: int, end: int,
            template: str, holes: list, shape: str = "value"):
        line = self.line_of(at)
        column = at - self.line_starts[line - 1] + 1
        text = self.line_text(at)
        # The key names the mutant by what it changes, in which function, on which line of
        # text; the column inside the line tells two slips of one line apart.
        indent = len(self.source[self.line_starts[line - 1]:at]) - len(
            self.source[self.line_starts[line - 1]:at].lstrip())
        key = f"{self.path} | {function} | {text} | {change} @{column - 1 - indent}"
        self.mutants.append(Mutant(self.path, line, column, function, operator, change,
                                   start, end, template, holes, shape, key))

    # -- the walk

    def walk(self, cursor, function: str = ""):
        for child in cursor.get_children():
            if not self.mine(child):
                continue
            name = function
            if child.kind in (K.FUNCTION_DECL, K.CXX_METHOD, K.CONSTRUCTOR, K.DESTRUCTOR,
                              K.FUNCTION_TEMPLATE, K.CONVERSION_FUNCTION):
                parent = child.semantic_parent
                qualifier = parent.spelling + "::" if parent is not None and parent.kind in (
                    K.CLASS_DECL, K.STRUCT_DECL, K.CLASS_TEMPLATE) else ""
                name = qualifier + child.spelling
            if child.kind in (K.STATIC_ASSERT,):
                continue
            if child.kind == K.CALL_EXPR and child.spelling in SKIPPED_CALLS:
                continue
            if self.in_assert(child):
                continue
            self.visit(child, name)
            self.walk(child, name)

    def in_assert(self, cursor) -> bool:
        start, _ = self.span(cursor)
        return "assert(" in self.line_text(start)

    def visit(self, cursor, function: str):
        kind = cursor.kind
        if kind == K.BINARY_OPERATOR or kind == K.COMPOUND_ASSIGNMENT_OPERATOR:
            self.binary(cursor, function)
        elif kind == K.INTEGER_LITERAL:
            self.literal(cursor, function)
        elif kind == K.CONDITIONAL_OPERATOR:
            self.conditional(cursor, function)
        elif kind in (K.IF_STMT, K.WHILE_STMT, K.DO_STMT, K.FOR_STMT):
            close = self.statement_condition(cursor, function)
            # A body that is one statement without braces.
            for body in cursor.get_children():
                if body.kind != K.COMPOUND_STMT and (
                        kind == K.DO_STMT or (close is not None and body.extent.start.offset > close)):
                    self.deletion(body, function)
                if kind == K.DO_STMT:
                    break
        if kind in (K.COMPOUND_STMT, K.CASE_STMT, K.DEFAULT_STMT):
            children = list(cursor.get_children())
            if kind != K.COMPOUND_STMT:
                children = children[-1:]
            for statement in children:
                self.deletion(statement, function)

    def binary(self, cursor, function: str):
        children = list(cursor.get_children())
        if len(children) != 2:
            return
        left, right = children
        op = None
        for token in cursor.get_tokens():
            if token.extent.start.offset >= left.extent.end.offset:
                op = token
                break
        if op is None or op.extent.end.offset > right.extent.start.offset:
            return
        spelling = op.spelling
        holes = [self.span(left), self.span(right)]
        start, end = self.span(cursor)
        at = op.extent.start.offset
        if spelling in RELATIONAL_NEIGHBOUR:
            other = RELATIONAL_NEIGHBOUR[spelling]
            self.add(at, function, "relational", f"`{spelling}` → `{other}`", start, end,
                     "{0} " + other + " {1}", holes)
        elif spelling in LOGICAL_SWAP:
            other = LOGICAL_SWAP[spelling]
            self.add(at, function, "logical", f"`{spelling}` → `{other}`", start, end,
                     "{0} " + other + " {1}", holes)
        elif spelling in SIGN_SWAP:
            if cursor.type.get_canonical().kind not in ARITHMETIC_TYPES:
                return
            other = SIGN_SWAP[spelling]
            self.add(at, function, "sign", f"`{spelling}` → `{other}`", start, end,
                     "{0} " + other + " {1}", holes)

    def literal(self, cursor, function: str):
        tokens = list(cursor.get_tokens())
        if len(tokens) != 1:
            return
        text = tokens[0].spelling
        digits = text.rstrip("uUlL")
        suffix = text[len(digits):]
        if not digits.isdigit() or (len(digits) > 1 and digits.startswith("0")):
            return
        value = int(digits)
        if value > 3 and value not in SCORE_CONSTANTS:
            return
        start, end = self.span(cursor)
        for other in (value + 1, value - 1):
            if other < 0 and suffix:
                continue
            replacement = f"{other}{suffix}" if other >= 0 else f"({other})"
            self.add(start, function, "constant", f"`{text}` → `{other}{suffix}`", start, end,
                     replacement, [])

    def conditional(self, cursor, function: str):
        children = list(cursor.get_children())
        if len(children) != 3:
            return
        condition, yes, no = children
        start, end = self.span(cursor)
        holes = [self.span(condition), self.span(yes), self.span(no)]
        self.add(self.question_mark(cursor, condition), function, "choice",
                 "`?:` branches swapped", start, end, "{0} ? {2} : {1}", holes)
        self.forced(condition, function)

    def question_mark(self, cursor, condition) -> int:
        for token in cursor.get_tokens():
            if token.extent.start.offset >= condition.extent.end.offset and token.spelling == "?":
                return token.extent.start.offset
        return condition.extent.start.offset

    def forced(self, condition, function: str):
        if condition.kind.is_declaration() or condition.kind == K.DECL_STMT:
            return
        start, end = self.span(condition)
        if start >= end:
            return
        for value in ("true", "false"):
            self.add(start, function, "condition", f"condition → {value}", start, end, value, [],
                     "condition")

    def statement_condition(self, cursor, function: str):
        tokens = list(cursor.get_tokens())
        if cursor.kind == K.IF_STMT and len(tokens) > 1 and tokens[1].spelling == "constexpr":
            return
        # The condition is what stands between the parentheses after the keyword, after the
        # last ';' of a for statement or an if with an initialiser.
        if cursor.kind == K.DO_STMT:
            keyword = max((i for i, t in enumerate(tokens) if t.spelling == "while"), default=None)
        else:
            keyword = 0
        if keyword is None or keyword + 1 >= len(tokens) or tokens[keyword + 1].spelling != "(":
            return None
        depth = 0
        semicolons = []
        close = None
        for i in range(keyword + 1, len(tokens)):
            s = tokens[i].spelling
            if s in "([{":
                depth += 1
            elif s in ")]}":
                depth -= 1
                if depth == 0:
                    close = i
                    break
            elif s == ";" and depth == 1:
                semicolons.append(i)
        if close is None:
            return None
        close_offset = tokens[close].extent.start.offset
        if cursor.kind == K.FOR_STMT:
            if len(semicolons) != 2:
                return close_offset  # no condition
            first, last = semicolons[0] + 1, semicolons[1] - 1
        else:
            first = (semicolons[-1] if semicolons else keyword + 1) + 1
            last = close - 1
        if first > last:
            return close_offset
        start = tokens[first].extent.start.offset
        end = tokens[last].extent.end.offset
        # The condition may be wrapped (an implicit conversion, say): the outermost
        # expression of exactly its extent.
        for node in cursor.walk_preorder():
            if node is not cursor and self.span(node) == (start, end):
                self.forced(node, function)
                break
        return close_offset

    def deletion(self, statement, function: str):
        if not self.mine(statement):
            return
        node = statement
        while node.kind == K.UNEXPOSED_EXPR and len(list(node.get_children())) == 1:
            node = next(node.get_children())
        deletable = False
        if node.kind == K.CALL_EXPR:
            deletable = node.spelling not in SKIPPED_CALLS and bool(node.spelling)
        elif node.kind in (K.BINARY_OPERATOR, K.COMPOUND_ASSIGNMENT_OPERATOR):
            tokens = list(node.get_tokens())
            children = list(node.get_children())
            if len(children) == 2:
                ops = [t.spelling for t in tokens
                       if t.extent.start.offset >= children[0].extent.end.offset][:1]
                deletable = bool(ops) and ops[0] in ("=", "+=", "-=", "*=", "|=", "&=") and \
                    self.is_member(children[0])
        elif node.kind == K.UNARY_OPERATOR:
            tokens = [t.spelling for t in node.get_tokens()]
            children = list(node.get_children())
            deletable = bool(children) and ("++" in tokens or "--" in tokens) and \
                self.is_member(children[0])
        if not deletable:
            return
        start, end = self.span(statement)
        self.add(start, function, "deletion", "statement deleted", start, end, "", [],
                 "statement")

    @staticmethod
    def is_member(cursor) -> bool:
        node = cursor
        while node.kind == K.UNEXPOSED_EXPR and len(list(node.get_children())) == 1:
            node = next(node.get_children())
        if node.kind == K.MEMBER_REF_EXPR:
            return True
        if node.kind == K.ARRAY_SUBSCRIPT_EXPR or node.kind == K.CALL_EXPR:
            # state.marks[n] = ..., or a member's element through operator[]
            return any(t.spelling in (".", "->") for t in node.get_tokens()) or any(
                c.kind == K.MEMBER_REF_EXPR for c in node.walk_preorder())
        return False


def mutants_of(commands_path: str, path: str) -> list:
    """Every mutant of the file at path (relative to the current folder)."""
    with open(path, "rb") as f:
        source = f.read()
    index = ci.Index.create()
    unit = index.parse(path, args=compile_arguments(commands_path, path))
    errors = [d for d in unit.diagnostics if d.severity >= ci.Diagnostic.Error]
    if errors:
        raise SystemExit(f"generate: clang cannot read {path}: {errors[0]}")
    walker = _Walker(path, source)
    walker.walk(unit.cursor)
    seen = set()
    unique = []
    for m in walker.mutants:
        if m.key in seen:
            continue  # the same slip found twice (a condition both of an if and a choice)
        seen.add(m.key)
        unique.append(m)
    unique.sort(key=lambda m: (m.start, -m.end, m.key))
    return unique


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    for path in argv[2:]:
        for m in mutants_of(argv[1], path):
            print(f"{m.file}:{m.line}:{m.column}: {m.operator}: {m.change}  [{m.function}]")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
