"""The lanes: copies of the tree side by side, each with its Debug builds, that take the next fault
in turn, put it into the copy, rebuild what the fault's tests run and run them.

A fault is killed by the build when a build fails; it builds the same program when every file its
tests run comes out byte for byte as before, and then no test can tell; otherwise the tests judge
it. Each copy's Windows tests run on an X server of its own, in Wine sessions that stay up for the
whole run, so that a test does not wait for Wine to start.
"""
import concurrent.futures
import contextlib
import os
import re
import shutil
import signal
import subprocess
import threading
import time
from pathlib import Path

from mutation import record
from mutation.builds import BUILDS, LIVE, Build, tree_files

# The folders each build must have tests labelled for: without them it cannot judge their faults.
NEEDED = {"linux": ["core", "form", "qt"], "windows": ["form", "win32"], "web": ["web"]}
FOLDERS = {"core": "core", "form": "form", "qt": "ui/qt", "win32": "ui/win32", "web": "ui/web"}


def labels_of(names, files=()):
    """The -L expression of the tests that cover the folders, and those labelled with the files."""
    paths = [re.escape(f) for f in files] or [re.escape(FOLDERS[n]) + "/[^/]+" for n in names]
    return f"^({'|'.join([*names, *paths])})$"


def write_with_new_mtime(path, data):
    """Writes data and moves the mtime past anything built from the file, so ninja rebuilds."""
    now = max(time.time_ns(), (path.stat().st_mtime_ns if path.exists() else 0) + 1_000_000)
    path.write_bytes(data)
    os.utime(path, ns=(now, now))


def refresh_copy(root, copy):
    """Brings a copy to the working tree's files, new ones too, writing only those that differ."""
    current = tree_files(root)
    for name in current:
        data, target = (root / name).read_bytes(), copy / name
        if not target.exists() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            write_with_new_mtime(target, data)
            shutil.copymode(root / name, target)
    for name in tree_files(copy) - current:
        (copy / name).unlink()


class Lane:
    """One copy of the tree and its builds that have tests for the run."""

    def __init__(self, root, source, labels):
        self.root, self.servers, self.sessions = root, [], []
        refresh_copy(source, root / "src")
        self.builds = [b for b in (Build(name, root) for name in BUILDS) if b.available]
        for build in self.builds:
            build.prepare(labels)
        self.all = self.builds
        self.builds = [b for b in self.builds if b.plan(labels)[0]]
        self.baseline = {}

    def start_windows(self):
        """An X server for the copy's Windows tests, and a Wine session for each of its prefixes,
        started outside CTest: Wine's services, once up, hold what their first program was given,
        and CTest would wait for a pipe they keep open."""
        for build in (b for b in self.builds if b.name == "windows"):
            read_end, write_end = os.pipe()
            self.servers.append(subprocess.Popen(
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                 "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL))
            os.close(write_end)
            build.env["DISPLAY"] = ":" + os.fdopen(read_end).readline().strip()
            self.sessions = [dict(build.env, ORUNIKA_WINE_DPI=dpi,
                                  WINEPREFIX=str(build.folder / f"wine-{dpi}"))
                             for dpi in ("96", "144")]
            self.program = build.folder / "tests" / "win32" / "win32_tests.exe"
            self.restart_wine()

    def restart_wine(self):
        wine_run = self.root / "src" / "tools" / "wine-run"
        for env in self.sessions:
            quiet = dict(env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                         stderr=subprocess.DEVNULL)
            subprocess.run(["wineserver", "-k"], **quiet)
            subprocess.run([wine_run, self.program, "--gtest_list_tests"], **quiet)  # the prefix
            subprocess.run(["wineserver", "-w"], **quiet)
            subprocess.run(["wineserver", "-p"], **quiet)
            subprocess.run([wine_run, self.program, "--gtest_list_tests"], **quiet)  # its services

    def stop(self):
        for env in self.sessions:
            subprocess.run(["wineserver", "-k"], env=env, stderr=subprocess.DEVNULL)
        for server in self.servers:
            server.terminate()
            server.wait()

    def judge(self, fault, pool):
        """The verdict, the cases that killed the fault, and the tests it was judged by."""
        path = self.root / "src" / fault["file"]
        labels = labels_of([fault["folder"]], [fault["file"]])
        mine = [build for build in self.builds if build.plan(labels)[0]]
        original, started = path.read_bytes(), time.monotonic()
        try:
            write_with_new_mtime(path, original[:fault["start"]] + fault["replacement"].encode() +
                                 original[fault["end"]:])
            built = list(pool.map(lambda b: b.build(b.plan(labels)[1]), mine))
            self.built_in = time.monotonic() - started
            if False in built:
                return record.BY_THE_BUILD, [], []
            if all(b.fingerprints(b.plan(labels)[1]).items() <= self.baseline[b.name].items()
                   for b in mine):
                return record.SAME_PROGRAM, [], []
            self.built_in = time.monotonic() - started
            outcomes = list(pool.map(lambda b: b.run_tests(labels), mine))
        finally:
            write_with_new_mtime(path, original)
        # A Windows program cut short (it wrote no cases, `windows:test`) may have left its session
        # changed, the system's colours among it: the next fault gets new sessions.
        if any(case.startswith("windows:") and case.count(":") == 1 and not ok
               for cases, _ in outcomes for case, ok in cases.items()):
            self.restart_wine()
        killers = sorted({case for cases, _ in outcomes for case, ok in cases.items() if not ok})
        failed = sorted({test for _, tests in outcomes for test in tests})
        ran = sorted({b.key(t) for b in mine for t in b.plan(labels)[0]})
        return (record.KILLED, killers, failed) if killers else (record.SURVIVED, [], ran)


def baseline(lanes, labels, pool, tests):
    """Runs the unchanged tests in every copy, one copy at a time so that they are timed as a
    fault's tests run, times them, keeps the hashes of what they run, and takes each test's files
    and cases from the first copy."""
    runs = []
    for lane in lanes:
        runs += [(b, run.result()) for b, run in [(b, pool.submit(b.run_tests, labels))
                                                   for b in lane.builds]]
    for build, (cases, failed) in runs:
        if failed:
            raise SystemExit(f"mutation-check: failing before any fault in {build.folder}: "
                             f"{', '.join(c for c, ok in cases.items() if not ok) or failed}")
    for build, _ in runs:  # generous: the limits are for a fault that loops for ever
        first = next(b for b, _ in runs if b.name == build.name)
        build.timeout = int(max(10, 5 * max(first.times.values(), default=0)))
        build.wall = int(max(60, 5 * first.seconds))
    for lane in lanes:
        lane.baseline = {b.name: b.fingerprints(b.plan(labels)[1]) for b in lane.builds}
    taken = {}
    for build, (cases, _) in runs[:len(lanes[0].builds)]:
        for test in build.plan(labels)[0]:
            labelled = next((p["value"] for p in test.get("properties", [])
                             if p["name"] == "LABELS"), [])
            prefix = (f"{build.name}:{build.program(test)}:", build.key(test))
            taken[build.key(test)] = dict(labels=sorted(labelled), files=build.files_of(test),
                                          cases=sorted(c for c in cases if c.startswith(prefix)))
        # The tests these labels chose before are the ones that ran now.
        for key in [k for k, e in tests.items() if k.startswith(build.name + ":") and any(
                re.fullmatch(labels, label) for label in e["labels"])]:
            del tests[key]
    tests.update(taken)


def judge_all(chosen, tests, on_verdict, count, work):
    """Judges the faults, each copy taking the next one; calls on_verdict(fault, verdict, seconds)
    as each is judged. Returns False when interrupted."""
    names = sorted({f["folder"] for f in chosen})
    labels = labels_of(names)
    roots = [work, *(work / f"lane{k}" for k in range(2, count + 1))][:len(chosen)]
    source = Path(__file__).resolve().parents[2]
    pool = concurrent.futures.ThreadPoolExecutor(len(roots) * (1 + len(BUILDS)))
    lanes, faults, stop, interrupted = [], iter(chosen), threading.Event(), False

    def work_through(lane):
        for fault in faults:  # the iterator is shared: each lane takes the next fault
            started = time.monotonic()
            status, killers, judged = lane.judge(fault, pool)
            if stop.is_set():  # the stop may have cut it short: no verdict
                return
            on_verdict(fault, dict(status=status, killers=killers, tests=judged),
                       time.monotonic() - started, lane.built_in)
    try:
        lanes = list(pool.map(lambda root: Lane(root, source, labels), roots))
        for build, name in [(b, n) for b in lanes[0].all for n in NEEDED[b.name] if n in names]:
            if not build.plan(labels_of([name]))[0]:  # rather than call its faults survivors
                raise SystemExit(f"mutation-check: {build.folder} has no test labelled {name}")
        for lane in lanes:
            lane.start_windows()
        print("Running the unchanged tests...", flush=True)
        baseline(lanes, labels, pool, tests)
        for fault in chosen:  # each file's hash before a copy puts a fault into it
            record.file_hash(lanes[0].root / "src" / fault["file"])
        for done in [pool.submit(work_through, lane) for lane in lanes]:
            done.result()
    except KeyboardInterrupt:
        interrupted = True
        stop.set()
        pool.shutdown(wait=False, cancel_futures=True)
        while any(t.is_alive() for t in pool._threads):  # ends what the copies run
            for group in list(LIVE):
                with contextlib.suppress(ProcessLookupError):
                    os.killpg(group, signal.SIGKILL)
            time.sleep(0.1)
        for root in roots:  # in case the stop came while a file was being put back
            refresh_copy(source, root / "src")
    finally:
        stop.set()  # the other copies too, should one fail
        pool.shutdown(cancel_futures=True)
        for lane in lanes:
            lane.stop()
    return not interrupted
