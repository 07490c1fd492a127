"""The field's own checker on the page: Lighthouse, from tests/web/package-lock.json, in Debian's
Chromium, on the built site served on 127.0.0.1. Accessibility, best practices and SEO
must score 100 and every installable-app check that applies must pass. The performance score is
measured by bench/web_budgets.py, never asserted.

Usage: lighthouse_test.py SITE_FOLDER
"""
import json
import pathlib
import subprocess
import sys
import tempfile

import browser

LIGHTHOUSE = pathlib.Path(__file__).parent / "node_modules/lighthouse/cli/index.js"


def lighthouse(address, categories):
    """Lighthouse's report on the page at `address`, on a phone as Lighthouse emulates one."""
    with tempfile.TemporaryDirectory() as folder:
        report = pathlib.Path(folder) / "report.json"
        subprocess.run(["node", LIGHTHOUSE, address, "--quiet", "--chrome-path=/usr/bin/chromium",
                        "--chrome-flags=" + " ".join(browser.CHROMIUM_FLAGS),
                        "--only-categories=" + ",".join(categories), "--output=json",
                        f"--output-path={report}"], check=True, timeout=600)
        return json.loads(report.read_text())


def shortfalls(report):
    """Each category under 100 and each installable-app check that fails, with why."""
    for category in report["categories"].values():
        audits = [report["audits"][ref["id"]] for ref in category["auditRefs"]]
        failed = [f"{audit['id']}: {audit['title']}" for audit in audits
                  if audit["scoreDisplayMode"] in ("binary", "numeric", "metricSavings")
                  and audit["score"] != 1]
        if category["score"] != 1 or failed:
            yield f"{category['id']} {category['score']}: {'; '.join(failed)}"


if __name__ == "__main__":
    with browser.serve(sys.argv[1]) as address:
        found = list(shortfalls(lighthouse(address, ["accessibility", "best-practices", "seo",
                                                     "pwa"])))
    print("\n".join(found) or "Lighthouse: 100 in accessibility, best practices and SEO; "
          "every installable-app check passes")
    sys.exit(1 if found else 0)
