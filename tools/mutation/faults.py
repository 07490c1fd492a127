"""The faults: small changes to the program's C++ that a test should notice, made from libclang's
tokens of each file. Pure: a file's text in, its faults out, each with an id that stays the same as
long as its line's text, the line's place among lines of the same text, and the change do.

A fault is a comparison, arithmetic or logical operator swapped, a truth value, seat or option
button turned into the other, a number made one larger, a `!` dropped, a call or an assignment
statement dropped, or a condition returned negated; never inside a comment, a string, a #-line or
a static_assert, which no test can see.
"""
import functools
import hashlib
import re
from pathlib import Path

LIBCLANG = "/usr/lib/llvm-14/lib/libclang.so.1"
FOLDERS = {"core": "core", "form": "form", "qt": "ui/qt", "win32": "ui/win32", "web": "ui/web"}


@functools.cache
def clang_index():
    """libclang, loaded on first use rather than on import."""
    import clang.cindex
    clang.cindex.Config.set_library_file(LIBCLANG)
    return clang.cindex.Index.create()


SWAPS = {"<": ["<=", ">="], "<=": ["<", ">"], ">": [">=", "<="], ">=": [">", "<"], "==": ["!="],
         "!=": ["=="], "&&": ["||"], "||": ["&&"], "+": ["-"], "-": ["+"], "*": ["/"], "/": ["*"],
         "%": ["/"], "+=": ["-="], "-=": ["+="], "*=": ["/="], "/=": ["*="]}
# The other truth value, the other seat, and 親 `g` for 子 `h` on the form.
WORDS = dict(true="false", false="true", Dealer="NonDealer", NonDealer="Dealer", g="h", h="g")
STRING = re.compile(r"(u8|u|U|L)?R?[\"']")
BODY_HEAD = re.compile(r"(\)|\]|\bconst|\bmutable|\bnoexcept|->\s*[\w:<>]+|\belse|\bdo|\btry)$")
CONTROL_HEAD = re.compile(r"(else\s+)?(if|for|while|switch|catch)\b|(else|do|try)$")
BOOL_HEAD = re.compile(r"(^|\s)bool\s+[\w:~]+\s*\(|->\s*bool$")
CALL = re.compile(r"[A-Za-z_][\w.:>\[\]-]*(?:<[^;]*>)?\s*\(")
ASSIGNMENT = re.compile(r"\*?(?:\+\+|--)?[A-Za-z_][\w.:>\[\]-]*\s*(?:[-+*/%|&^]|<<|>>)?=(?!=)")
STEP = re.compile(r"(?:\+\+|--)[A-Za-z_][\w.>-]*|[A-Za-z_][\w.>-]*(?:\+\+|--)")


def code_tokens(relative, data):
    """(spelling, start, end, between blanks) of each token of code, and the code alone."""
    unit = clang_index().parse(relative, ["-x", "c++", "-std=c++20"], [(relative, data.decode())])
    lines = data.split(b"\n")
    code = bytearray(re.sub(rb"[^\n]", b" ", data))
    kept, directive_end, last_line, parens = [], 0, 0, None
    for token in unit.get_tokens(extent=unit.get_extent(relative, (0, len(data)))):
        text, start, end = token.spelling, token.extent.start.offset, token.extent.end.offset
        line = token.location.line
        if text == "#" and line != last_line:  # a directive, and the lines it joins
            directive_end = line
            while lines[directive_end - 1].endswith(b"\\"):
                directive_end += 1
        last_line = line
        if token.kind.name == "COMMENT" or line <= directive_end:
            continue
        if text == "static_assert" or parens is not None:  # a changed check tests no test
            parens = (parens or 0) + (text == "(") - (text == ")")
            parens = None if parens == 0 and text == ")" else parens
            continue
        string = token.kind.name == "LITERAL" and STRING.match(text)
        for k in [*range(start, start + len(string[0])), end - 1] if string else range(start, end):
            code[k] = data[k]
        # A binary operator stands between blanks (clang-format): no template bracket, no pointer.
        blanks = data[start - 1:start].isspace() and data[end:end + 1].isspace()
        kept += [] if string else [(text, start, end, blanks)]
    return kept, bytes(code)


def token_mutants(tokens, data):
    for i, (text, start, end, binary) in enumerate(tokens):
        if text in SWAPS and binary:
            yield from ((start, end, swap, f"{text} -> {swap}") for swap in SWAPS[text])
        elif text in WORDS:
            yield start, end, WORDS[text], f"{text} -> {WORDS[text]}"
        elif text.isdigit():
            yield start, end, str(int(text) + 1), f"{text} -> {int(text) + 1}"
        elif text == "!" and tokens[i - 1][0] != "operator":
            yield start, end, "", "drop !"


def statement_mutants(tokens, code, data):
    """A dropped call or assignment statement, a negated return of a condition."""
    spelling, close, stack, heads, first = [t[0] for t in tokens], {}, [], {}, 0
    for i, text in enumerate(spelling):
        if text in ("(", "[", "{"):
            stack.append(i)
        elif text in (")", "]", "}") and stack:
            close[stack.pop()] = i
        if text == "{":  # what stands before a brace since the last ; { or }
            heads[i] = " ".join(code[tokens[min(first, i)][1]:tokens[i][1]].decode().split())
        first = i + 1 if text in (";", "{", "}") else first

    def returns_bool(at):
        for brace in sorted((b for b in heads if b < at and close.get(b, 0) > at), reverse=True):
            if BODY_HEAD.search(heads[brace]) and not CONTROL_HEAD.match(heads[brace]):
                return bool(BOOL_HEAD.search(heads[brace]))
        return False

    def one_statement(i, end):
        while i < end:  # labels and the heads of control statements are not the statement
            if spelling[i] in ("case", "default"):
                i = spelling.index(":", i) + 1
            elif spelling[i] in ("if", "for", "while", "switch", "catch") and close.get(i + 1):
                i = close[i + 1] + 1
            elif spelling[i] in ("else", "do"):
                i += 1
            else:
                break
        if i >= end:
            return
        begin, stop = tokens[i][1], tokens[end][1]
        if spelling[i] == "return" and i + 1 < end:
            value, k = [], i + 1  # the value's tokens outside brackets
            while k < end:
                value.append(k)
                k = close[k] + 1 if spelling[k] in ("(", "[", "{") else k + 1
            condition = spelling[i + 1] == "!" or any(spelling[k] in (
                "==", "!=", "<=", ">=", "<", ">", "&&", "||") and tokens[k][3]
                for k in value)
            literal = spelling[i + 1:end] in (["true"], ["false"])
            if not literal and "?" not in [spelling[k] for k in value] and (condition or
                                                                            returns_bool(i)):
                start, finish = tokens[i + 1][1], tokens[end - 1][2]
                yield start, finish, "!(" + data[start:finish].decode() + ")", "negate return"
            return
        body = code[begin:stop].decode().strip()
        call = CALL.match(body) and body.endswith(")") and not body.startswith(("delete", "throw"))
        kind = "drop assignment" if ASSIGNMENT.match(body) or STEP.fullmatch(body) else (
            "drop call" if call else None)
        if kind:
            shown = " ".join(data[begin:stop].decode().split())
            yield begin, tokens[end][2], "{}", f"{kind}: {shown[:40]}"

    for brace in (b for b in heads if BODY_HEAD.search(heads[b]) and b in close):
        i = start = brace + 1
        while i < close[brace]:
            if spelling[i] in ("(", "[", "{"):
                start = close[i] + 1 if spelling[i] == "{" else start
                i = close[i] + 1
                continue
            if spelling[i] == ";":
                yield from one_statement(start, i)
                start = i + 1
            i += 1


def file_mutants(relative, data):
    tokens, code = code_tokens(relative, data)
    found = sorted([*token_mutants(tokens, data), *statement_mutants(tokens, code, data)],
                   key=lambda m: (m[0], m[3]))
    lines = data.decode().split("\n")
    # A mutant is known by its file, its line's text, the how-manieth line of that text it is on,
    # what it does and the how-manieth of its kind on that line; never by its line's number.
    seen, mutants = {}, []
    for start, end, replacement, operator in found:
        line = data.count(b"\n", 0, start) + 1
        text = lines[line - 1].strip()
        same_text = sum(1 for other in lines[:line - 1] if other.strip() == text)
        occurrence = seen[line, operator] = seen.get((line, operator), -1) + 1
        identity = "\0".join([relative, text, str(same_text), operator, str(occurrence)])
        mutants.append(dict(id=hashlib.sha1(identity.encode()).hexdigest()[:10], file=relative,
                            line=line, operator=operator, text=text, start=start, end=end,
                            replacement=replacement))
    return mutants


def describe(fault):
    return f"{fault['id']}  {fault['file']}:{fault['line']}  [{fault['operator']}]  {fault['text']}"


def list_faults(tree):
    """Every folder's faults, made from the C++ files in `tree`."""
    return {name: [{**fault, "folder": name} for path in sorted((tree / folder).glob("*"))
                   if path.suffix in (".cpp", ".h")
                   for fault in file_mutants(path.relative_to(tree).as_posix(), path.read_bytes())]
            for name, folder in FOLDERS.items()}
