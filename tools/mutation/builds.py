"""One Debug build folder of a copy of the tree, and the tests CTest has in it: configuring and
building, which tests a fault's labels choose and what they need built, what files a test consists
of, and running the tests, read back from JUnit XML (results.py)."""
import hashlib
import json
import os
import re
import shlex
import shutil
import signal
import subprocess
import time
from os.path import isfile
from pathlib import Path

from mutation import results

PROGRAM = ("core/", "form/", "ui/")  # where faults are made; a test's files are the tree's others
# Unoptimised, no debugging information (faster rebuilds), the standard library's bounds checks;
# through ccache. A Windows program file carries no link time, so that an unchanged program links
# to the same bytes.
DEBUG = ["-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
         "-DCMAKE_CXX_FLAGS=-D_GLIBCXX_ASSERTIONS", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
# Clang compiles the Linux window's Qt-laden files faster than GCC does.
BUILDS = {"linux": ["-G", "Ninja", "-DCMAKE_CXX_COMPILER=clang++-14", *DEBUG],
          "windows": ["--preset", "windows", *DEBUG,
                      "-DCMAKE_EXE_LINKER_FLAGS_DEBUG=-Wl,--no-insert-timestamp"],
          "web": ["--preset", "web", *DEBUG,
                  "-DCMAKE_CXX_FLAGS=-fexceptions -D_LIBCPP_ENABLE_ASSERTIONS=1"]}

LIVE = set()  # the process groups running, each ended on Ctrl+C


def run(command, log, timeout=None, env=None):
    """(status, output) of a command in a session of its own, so that a timeout or Ctrl+C ends all
    it started; into a file, not a pipe, which a helper left behind (Wine's) could hold open."""
    with open(log, "w+b") as out:
        process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=out,
                                   stderr=subprocess.STDOUT, start_new_session=True)
        LIVE.add(process.pid)
        try:
            process.wait(timeout=timeout)
        except BaseException:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            raise
        finally:
            LIVE.discard(process.pid)
        out.seek(0)
        return process.returncode, out.read().decode(errors="replace")


class Build:
    """One build folder of a copy, named after its kind: linux, windows or web."""

    def __init__(self, name, root):
        self.name, self.copy, self.folder, self.plans = name, root / "src", root / name, {}
        self.log, self.results = root / f"{name}.log", root / "results" / name
        presets = json.loads((self.copy / "CMakePresets.json").read_text())
        preset = BUILDS[name][1] if BUILDS[name][0] == "--preset" else None
        self.env = dict(os.environ, **next((p.get("environment", {}) for p in presets.get(
            "testPresets", []) if p["name"] == preset), {}))
        self.available = not preset or any(p["name"] == preset for p in presets["configurePresets"])
        self.outputs, self.built = set(), {}
        self.timeout, self.wall, self.seconds = 600, 3600, 0  # until the tests have been timed

    def ninja(self, *arguments):
        return run(["ninja", "-C", str(self.folder), *arguments], self.log)

    def prepare(self, labels):
        """Configures the build and, if it has tests for the run, builds all of it."""
        command = ["cmake", "-S", str(self.copy), "-B", str(self.folder), *BUILDS[self.name]]
        stamp = self.folder.parent / f"{self.name}.configured"
        if not stamp.exists() or stamp.read_text() != str(command):
            if run(command, self.log)[0]:
                raise SystemExit(f"mutation-check: configuring {self.folder} failed; see {self.log}")
            stamp.write_text(str(command))
        self.ninja("build.ninja")  # CMake again if a list changed
        if self.tests(labels) and self.ninja("-j2")[0]:
            raise SystemExit(f"mutation-check: {self.folder} does not build; see {self.log}")
        self.outputs = {line.split(":")[0] for line in self.ninja("-t", "targets", "all")[1]
                        .splitlines()}

    def tests(self, labels=None):
        """CTest's tests, each with the CMake lists its definition passed through."""
        listing = json.loads(subprocess.run(
            ["ctest", "--test-dir", str(self.folder), "-N", "--show-only=json-v1",
             *(["-L", labels] if labels else [])], capture_output=True, check=True).stdout)
        graph = listing.get("backtraceGraph", {})
        for test in listing["tests"]:
            node, test["lists"] = test.get("backtrace"), set()
            while node is not None:
                test["lists"].add(graph["files"][graph["nodes"][node]["file"]])
                node = graph["nodes"][node].get("parent")
        return listing["tests"]

    def plan(self, labels):
        """The tests with a label that `labels` matches, and the ninja targets they run."""
        if labels not in self.plans:
            tests = self.tests(labels)
            self.plans[labels] = tests, self.targets(tests)
        return self.plans[labels]

    def targets(self, tests):
        """What ninja makes of the files and folders of this build that the tests' commands name."""
        named = tuple(os.path.relpath(arg, self.folder) + "/" for test in tests
                      for arg in test.get("command", []) if arg.startswith(f"{self.folder}/"))
        return sorted(o for o in self.outputs if named and (o + "/").startswith(named))

    def build(self, targets):
        """None if nothing was rebuilt, else whether the build worked."""
        status, output = self.ninja("-j2", *targets)
        return None if status == 0 and "no work to do" in output else status == 0

    def fingerprints(self, targets):
        """A hash of each file the targets made: the same for the same program."""
        return {t: hashlib.sha256((self.folder / t).read_bytes()).hexdigest()
                for t in targets if (self.folder / t).is_file()}

    def program(self, test):
        built = [arg for arg in test.get("command", []) if arg.startswith(f"{self.folder}/")]
        return Path(built[0]).name.removesuffix(".exe") if built else test["name"]

    def key(self, test):
        return f"{self.name}:{test['name']}"

    def files_of(self, test):
        """The files of the tree, outside the folders faults are made in, that a test consists of:
        the CMake lists its definition passed through and those of the folders above them; the
        sources and headers of its programs; the data CMake read under a folder where it wrote one
        of their sources; every file, and every folder of data, that its command, its environment
        or their compile definitions name; and what the scripts among them name under tests/ or
        import from beside them."""
        command, copy, folder = test.get("command", []), self.copy, self.folder
        lists = test["lists"] or [str(copy / os.path.relpath(Path(command[0]).parent, folder) /
                                      "CMakeLists.txt")]
        found = {str(up / "CMakeLists.txt") for path in lists for up in Path(path).parents
                 if up.is_relative_to(copy)} | set(lists)
        targets = self.targets([test])
        inputs = {os.path.normpath(folder / p)
                  for p in self.ninja("-t", "inputs", *targets)[1].split()} if targets else set()
        compiles = [shlex.split(line) for line in self.ninja("-t", "commands", *targets)[1]
                    .splitlines() if targets and " -c " in line and " -o " in line]
        deps = self.ninja("-t", "deps", *[c[c.index("-o") + 1] for c in compiles])[1]
        found |= {p for p in inputs | {os.path.normpath(folder / line.strip()) for line in
                                       deps.splitlines() if line[:4] == "    "} if isfile(p)}
        written = {os.path.relpath(Path(p).parent, folder) for p in inputs if Path(
            p).is_relative_to(folder) and os.path.relpath(p, folder) not in self.outputs}
        found |= {p[6:] for p in self.ninja("-t", "query", "build.ninja")[1].splitlines()
                  if p[:6] == "    | " and not p.endswith(("CMakeLists.txt", ".cmake")) and any(
                      Path(p[6:]).is_relative_to(copy / w) for w in written)}
        environment = [p["value"] for p in test.get("properties", []) if p["name"] == "ENVIRONMENT"]
        named = [*command, *sum(environment, []), *(a for c in compiles for a in c if "-D" in a)]
        found |= {p for text in named
                  for p in re.findall(re.escape(f"{copy}/") + r"[^\s\"';]+", text)}
        files, result, todo = tree_files(copy), set(), [Path(p) for p in found]
        while todo:
            path = todo.pop()
            # A folder that holds CMake lists, such as Qt Test's QT_TESTCASE_SOURCEDIR, is no data.
            name = path.relative_to(copy).as_posix() if path.is_relative_to(copy) and not (
                path / "CMakeLists.txt").exists() else "/"
            for new in [f for f in files if (f == name or f.startswith(name + "/")) and
                        f not in result and not f.startswith(PROGRAM)]:
                result.add(new)
                if new.endswith((".py", ".sh")) or os.access(copy / new, os.X_OK):  # a script
                    text = (copy / new).read_text(errors="replace")
                    modules = re.findall(r"^(?:from|import) +(\w+)", text, re.M)
                    todo += [copy / f for f in files if f[:6] == "tests/" and f in text or (
                        Path(f).parent == Path(new).parent and Path(f).stem in modules)]
        return sorted(result)

    def run_tests(self, labels):
        """{case: passed} for every case the labelled tests ran, and the tests that failed. A case
        is `build:program:Suite.case`; a test that wrote no case of its own (a script, a crash, a
        timeout), or failed while all its cases passed, counts as one case, `build:test`."""
        tests = {test["name"]: test for test in self.plan(labels)[0]}
        shutil.rmtree(self.results, ignore_errors=True)
        self.results.mkdir(parents=True)
        qt_files = {}  # Qt Test writes its XML where the command's `-o FILE,junitxml` says
        for name, test in tests.items():
            command = test.get("command", [])
            folder = [p["value"] for p in test.get("properties", [])
                      if p["name"] == "WORKING_DIRECTORY"] or [str(self.folder)]
            qt_files[name] = [Path(folder[0], command[k + 1].removesuffix(",junitxml"))
                              for k in range(len(command) - 1)
                              if command[k] == "-o" and command[k + 1].endswith(",junitxml")]
            for path in qt_files[name]:
                path.unlink(missing_ok=True)
        drive = "Z:" if self.name == "windows" else ""  # Wine's programs reach Linux paths on Z:
        env = dict(self.env, GTEST_OUTPUT=f"xml:{drive}{self.results}/")
        junit, started = self.results / "ctest.xml", time.monotonic()
        try:
            run(["ctest", "--test-dir", str(self.folder), "-L", labels, "-j2", "--timeout",
                 str(self.timeout), "--output-junit", str(junit)],
                self.folder.parent / f"{self.name}-tests.log", self.wall, env)
        except subprocess.TimeoutExpired:  # what did not end has no result, and failed
            pass
        self.seconds = time.monotonic() - started
        ended = {name: passed for (_, name), passed in results.read(junit).items()}
        self.times = {c.get("name"): float(c.get("time", 0)) for c in results.testcases(junit)}
        cases = {}
        files = [(results.program_of(p), p) for p in self.results.glob("*.xml") if p != junit]
        files += [(self.program(tests[n]), p) for n, paths in qt_files.items() for p in paths]
        for program, path in files:
            for (suite, case), passed in results.read(path).items():
                key = f"{self.name}:{program}:{suite}.{case}"
                cases[key] = cases.get(key, True) and passed
        for name, test in tests.items():
            own = [ok for key, ok in cases.items()
                   if key.startswith(f"{self.name}:{self.program(test)}:")]
            if not (ended.get(name, False) and own) and all(own):
                cases[self.key(test)] = ended.get(name, False)
        failed = sorted(self.key(t) for n, t in tests.items() if not ended.get(n, False))
        return cases, failed


def tree_files(tree):
    """The files of a tree: git's, new ones too, in the working tree; all of them in a copy."""
    if not (tree / ".git").exists():
        return {p.relative_to(tree).as_posix() for p in tree.rglob("*") if p.is_file()}
    listing = subprocess.run(["git", "ls-files", "-z", "--cached", "--others",
                              "--exclude-standard"], cwd=tree, capture_output=True).stdout.decode()
    return {name for name in listing.split("\0") if name and (tree / name).is_file()}
