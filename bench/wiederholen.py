#!/usr/bin/env python3
"""Runs a CTest selection N times and prints, case by case, how often it
failed and how long it took (median, slowest), then the runs as a whole.
A test that fails one run in ten shows here before it fails CI.

Usage: bench/wiederholen.py N CTEST-ARGUMENTS...
  e.g. bench/wiederholen.py 10 --preset windows -R '^verhalten\\.'
       bench/wiederholen.py 10 --test-dir build/sanitizer -R '^orca$'

Every run is CTest's own (fixtures and all); each run's results are read
from the JUnit file CTest writes. A failure is listed with the last line
its case printed, "(no output)" where it printed nothing. Exits 1 when any
case failed in any run.
"""
import statistics
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET
from collections import defaultdict
from pathlib import Path


def ergebnisse(junit):
    """(name, seconds, failed, last line of output) for each case of one run."""
    for fall in ET.parse(junit).getroot().iter("testcase"):
        ausgabe = (fall.findtext("system-out") or "").strip().splitlines()
        gescheitert = fall.get("status") not in ("run", "notrun") or fall.find("failure") is not None
        if fall.get("status") == "notrun" or fall.find("skipped") is not None:
            continue
        yield fall.get("name"), float(fall.get("time") or 0), gescheitert, ausgabe[-1] if ausgabe else "(no output)"


def main():
    if len(sys.argv) < 3 or not sys.argv[1].isdigit() or int(sys.argv[1]) < 1:
        sys.exit(__doc__)
    anzahl, argumente = int(sys.argv[1]), sys.argv[2:]
    zeiten = defaultdict(list)
    fehler = defaultdict(list)  # name: [(run, last line)]
    laeufe = []  # (seconds, cases failed)
    with tempfile.TemporaryDirectory() as arbeit:
        for lauf in range(1, anzahl + 1):
            junit = Path(arbeit, f"lauf-{lauf}.xml")
            beginn = time.monotonic()
            subprocess.run(["ctest", *argumente, "--output-junit", str(junit)],
                           stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            dauer = time.monotonic() - beginn
            if not junit.exists():
                sys.exit(f"run {lauf}: CTest wrote no results (ctest {' '.join(argumente)})")
            gescheitert = 0
            for name, sekunden, fehlgeschlagen, zeile in ergebnisse(junit):
                zeiten[name].append(sekunden)
                if fehlgeschlagen:
                    fehler[name].append((lauf, zeile))
                    gescheitert += 1
            laeufe.append((dauer, gescheitert))
            print(f"run {lauf}/{anzahl}: {dauer:.1f} s, {gescheitert} failed", file=sys.stderr, flush=True)

    breite = max(len(n) for n in zeiten) if zeiten else 4
    print(f"{'case':<{breite}}  runs  failed  median s  slowest s")
    for name in sorted(zeiten):
        t = zeiten[name]
        print(f"{name:<{breite}}  {len(t):>4}  {len(fehler[name]):>6}  {statistics.median(t):>8.2f}  {max(t):>9.2f}")
    for name in sorted(fehler):
        for lauf, zeile in fehler[name]:
            print(f"failed: {name} in run {lauf}: {zeile}")
    dauern = [d for d, _ in laeufe]
    rot = sum(1 for _, g in laeufe if g)
    print(f"{anzahl} runs of {len(zeiten)} cases: {rot} with a failure; a run took {statistics.median(dauern):.1f} s "
          f"(median), {max(dauern):.1f} s at the most")
    sys.exit(1 if rot else 0)


main()
