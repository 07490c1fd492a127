"""The fault maker, on snippets of C++: the faults each must yield, and the ids that must hold.

Run: /usr/bin/python3 -m unittest discover -s tools/mutation -t tools -p '*_test.py'
"""
import unittest

from mutation.faults import file_mutants

# A snippet and the faults it must yield, as [change] the fault's line.
SNIPPETS = [
    ("comparisons swap both ways, between blanks only",
     "bool Less(int a, int b) { return a < b; }\nstd::vector<int> v;",
     ["[< -> <=] bool Less(int a, int b) { return a < b; }",
      "[< -> >=] bool Less(int a, int b) { return a < b; }",
      "[negate return] bool Less(int a, int b) { return a < b; }"]),
    ("arithmetic and logic",
     "int F(int a, bool b, bool c) {\n  if (b && c) return a * 3;\n  return a;\n}",
     ["[&& -> ||]   if (b && c) return a * 3;", "[* -> /]   if (b && c) return a * 3;",
      "[3 -> 4]   if (b && c) return a * 3;"]),
    ("truth values, seats, option buttons and a dropped !",
     "void F() {\n  Show(true, Seat::Dealer, &m::g, !done);\n}",
     ["[true -> false]   Show(true, Seat::Dealer, &m::g, !done);",
      "[Dealer -> NonDealer]   Show(true, Seat::Dealer, &m::g, !done);",
      "[g -> h]   Show(true, Seat::Dealer, &m::g, !done);",
      "[drop !]   Show(true, Seat::Dealer, &m::g, !done);",
      "[drop call: Show(true, Seat::Dealer, &m::g, !done)]   Show(true, Seat::Dealer, &m::g, "
      "!done);"]),
    ("statements dropped: calls, assignments, steps; not a delete or a throw",
     "void F(int* p) {\n  x = 1;\n  ++y;\n  delete p;\n  throw 2;\n}",
     ["[drop assignment: x = 1]   x = 1;", "[1 -> 2]   x = 1;", "[drop assignment: ++y]   ++y;",
      "[2 -> 3]   throw 2;"]),
    ("a condition returned is negated, a value is not",
     "int N(int n) { return n; }\nbool B(bool ok) { return ok; }",
     ["[negate return] bool B(bool ok) { return ok; }"]),
    ("nothing in comments, strings, #-lines or static_asserts",
     '#include <a<b>\n// a < b\nconst char* s = "a < b";\nstatic_assert(1 < 2);', []),
    ("operator! is a name, not a negation",
     "struct S { bool operator!() const; };", []),
]


def shown(relative, source):
    return sorted(f"[{f['operator']}] {line(source, f)}"
                  for f in file_mutants(relative, source.encode()))


def line(source, fault):
    return source.split("\n")[fault["line"] - 1]


class Faults(unittest.TestCase):
    def test_each_snippet_yields_its_faults(self):
        for name, source, expected in SNIPPETS:
            with self.subTest(name):
                self.assertEqual(shown("snippet.cpp", source), sorted(expected))

    def test_a_fault_keeps_its_id_when_other_lines_move_and_twins_differ(self):
        lines = "void F() {\n  x = 1;\n}\nvoid G() {\n  x = 1;\n}\n"
        first = [f["id"] for f in file_mutants("f.cpp", lines.encode())]
        moved = [f["id"] for f in file_mutants("f.cpp", ("\n// a note\n" + lines).encode())]
        self.assertEqual(first, moved)
        self.assertEqual(len(set(first)), len(first))
        other_file = [f["id"] for f in file_mutants("g.cpp", lines.encode())]
        self.assertFalse(set(first) & set(other_file))

    def test_a_fault_replaces_just_its_own_text(self):
        source = "bool F(int a) { return a == 3; }"
        for fault in file_mutants("f.cpp", source.encode()):
            changed = source[:fault["start"]] + fault["replacement"] + source[fault["end"]:]
            expected = {"== -> !=": "bool F(int a) { return a != 3; }",
                        "3 -> 4": "bool F(int a) { return a == 4; }",
                        "negate return": "bool F(int a) { return !(a == 3); }"}
            self.assertEqual(changed, expected[fault["operator"]])


if __name__ == "__main__":
    unittest.main()
