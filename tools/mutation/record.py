"""The record of verdicts, tools/mutation-record.json, and what it says.

For each fault it keeps the verdict and what it was judged against: the hash of the faulted file,
and one hash of the files of the tests that judged it (those that killed it, every test that ran
for a survivor, none for a fault the build kills or that builds the same program); and, for each
test, its labels, the files it consists of and its cases. A verdict stands while both hashes do.
The reviewed survivors that no test can catch are listed, one a line, in
tools/mutation-equivalents.txt, each by its id first.
"""
import functools
import hashlib
import json

from mutation.faults import describe

# What a fault can come to. The first three need no review; a survivor is either listed as an
# equivalent or unexplained.
KILLED, BY_THE_BUILD, SAME_PROGRAM = "killed", "killed by the build", "same program"
EQUIVALENT, SURVIVED = "equivalent", "survived"
KINDS = (KILLED, BY_THE_BUILD, SAME_PROGRAM, EQUIVALENT, SURVIVED)


@functools.cache
def file_hash(path):
    return hashlib.sha256(path.read_bytes()).hexdigest() if path.is_file() else "none"


def fingerprint(tree, names):
    text = "".join(f"{name} {file_hash(tree / name)}\n" for name in sorted(set(names)))
    return hashlib.sha256(text.encode()).hexdigest()[:16]


def judged_against(tree, tests, fault, judged):
    """[the faulted file's hash, the tests' files' hash], None if a test has no list of files."""
    if all(t in tests for t in judged):
        return [fingerprint(tree, [fault["file"]]),
                fingerprint(tree, [name for t in judged for name in tests[t]["files"]])]
    return None


def why_stale(tree, tests, fault, entry):
    """Why a fault needs judging, or None while its verdict stands."""
    now = entry and judged_against(tree, tests, fault, entry["tests"])
    if not now:
        return "no verdict" if entry is None else "a test it was judged by is gone"
    if now[0] != entry["file_hash"]:
        return f"{fault['file']} changed"
    return "its tests changed" if now[1] != entry["tests_hash"] else None


def status_of(entry, equivalents):
    if entry["status"] in (EQUIVALENT, SURVIVED):
        return EQUIVALENT if entry["id"] in equivalents else SURVIVED
    return entry["status"]


def read_equivalents(path):
    """The reviewed survivors by id: the first word of each line that is not a comment."""
    return {line.split()[0]: line for line in path.read_text("utf-8").splitlines()
            if line.strip() and not line.startswith("#")}


def read(path):
    """The tests and the verdicts by fault id."""
    record = json.loads(path.read_text("utf-8")) if path.exists() else {}
    return record.get("tests", {}), {e["id"]: e for e in record.get("faults", [])}


def write(path, tests, verdicts, faults, equivalents):
    """One test and one fault a line, faults by file, line and id, so that a diff shows what a run
    changed. Faults that are gone drop out, and tests that no verdict and no label names."""
    fields = ("id", "folder", "file", "line", "operator", "text")
    kept = sorted(({**{k: f[k] for k in fields}, **verdicts[f["id"]],
                    "status": status_of(verdicts[f["id"]], equivalents)}
                   for found in faults.values() for f in found if f["id"] in verdicts),
                  key=lambda e: (e["file"], e["line"], e["id"]))
    named = {t for e in kept for t in e["tests"] if t in tests} | {
        t for t, entry in tests.items()
        if any(e["folder"] in entry["labels"] or e["file"] in entry["labels"] for e in kept)}
    lines = [f" {json.dumps(t)}: {json.dumps(tests[t], ensure_ascii=False)}" for t in sorted(named)]
    entries = [" " + json.dumps({k: e[k] for k in (*fields, "status", "killers", "tests",
                                                   "file_hash", "tests_hash")}, ensure_ascii=False)
               for e in kept]
    path.write_text('{"tests": {\n' + ",\n".join(lines) + '\n},\n"faults": [\n' +
                    ",\n".join(entries) + "\n]}\n", "utf-8")


def summary(faults, tests, verdicts, equivalents, tree):
    """Per folder: faults made, their verdicts, and those with none that stands; then what needs a
    look: unexplained survivors, and entries of the list of equivalents that no longer fit."""
    widths = dict(zip((*KINDS, "stale"), (8, 14, 14, 12, 10, 8)))
    heads = ("killed", "by the build", "same program", "equivalent", "survived", "stale")
    lines = [f"{'folder':8}{'made':>6}" + "".join(f"{h:>{w}}" for h, w in zip(heads, widths.values()))]
    unexplained = []
    for name, found in faults.items():
        counts = dict.fromkeys(widths, 0)
        for fault in found:
            entry = verdicts.get(fault["id"])
            stale = why_stale(tree, tests, fault, entry)
            counts["stale" if stale else status_of(entry, equivalents)] += 1
            if entry and status_of(entry, equivalents) == SURVIVED:
                unexplained.append({**fault, "stale": stale})
        lines.append(f"{name:8}{len(found):>6}" +
                     "".join(f"{counts[k]:>{w}}" for k, w in widths.items()))
    existing = {f["id"]: f for found in faults.values() for f in found}
    for title, entries in [
            ("Survivors outside tools/mutation-equivalents.txt:", [
                describe(f) + f"  (stale: {f['stale']})" * bool(f["stale"]) for f in unexplained]),
            ("Listed as equivalent, but killed or the same program (take them off the list):", [
                describe(existing[e["id"]]) + f"  ({e['status']})" for e in verdicts.values()
                if e["id"] in equivalents and e["id"] in existing
                and e["status"] not in (EQUIVALENT, SURVIVED)]),
            ("Listed faults that no longer exist (take them off the list):",
             [entry for key, entry in equivalents.items() if key not in existing])]:
        lines += [f"\n{title}", *(f"  {entry}" for entry in entries)] if entries else []
    return lines, unexplained


def kill_table(tests, verdicts):
    """Each test case, the faults it kills, and those that no other case kills: a case that kills
    none of its own adds nothing but time."""
    kills = {case: [] for entry in tests.values() for case in entry["cases"]}
    for entry in verdicts.values():
        for case in entry["killers"]:
            kills.setdefault(case, []).append(entry)
    lines = ["Test cases by the faults they kill, and those that no other case kills:"]
    for case, killed in sorted(kills.items(), key=lambda item: (
            sum(len(e["killers"]) == 1 for e in item[1]), item[0])):
        only = [e for e in killed if len(e["killers"]) == 1]
        lines += [f"  {case}: kills {len(killed)}, only it {len(only)}",
                  *(f"      {describe(e)}" for e in only)]
    return lines
