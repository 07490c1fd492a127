"""What the tests said, read from JUnit XML: CTest's (--output-junit) for each test as a whole,
GoogleTest's (GTEST_OUTPUT) and Qt Test's (-o FILE,junitxml) for the cases inside a program."""
import re
import xml.etree.ElementTree as ElementTree

# Qt Test's set-up and tidy-up functions, which a test cannot do without.
FRAME = ("initTestCase", "cleanupTestCase")


def outcome(case):
    """True if the case passed, False if it failed, None if it did not run (skipped, disabled)."""
    skipped = case.find("skipped")
    if skipped is not None or case.get("result") in ("skipped", "suppressed"):
        # CTest marks a test whose program is missing as skipped too; that one failed.
        missing = skipped is not None and "Unable to find" in skipped.get("message", "")
        return False if missing else None
    return (case.find("failure") is None and case.find("error") is None and
            case.get("status") != "fail")


def testcases(path):
    """The file's <testcase> elements; none for a file that is missing or was cut off by a crash."""
    try:
        return list(ElementTree.parse(path).getroot().iter("testcase"))
    except (OSError, ElementTree.ParseError):
        return []


def read(path):
    """{(suite, case): passed} of every case in the file that ran. A C++ class's namespaces are
    left off its name."""
    found = {}
    for case in testcases(path):
        passed, name = outcome(case), case.get("name", "")
        if passed is None or name in FRAME:
            continue
        key = (case.get("classname", "").split("::")[-1], name)
        found[key] = found.get(key, True) and passed
    return found


def program_of(path):
    """The program a GoogleTest file is named after: win32_tests_1.xml is win32_tests' second."""
    return re.sub(r"(_[0-9]+)?\.xml$", "", path.name)
