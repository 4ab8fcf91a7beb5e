#!/usr/bin/env python3
"""Runs every data generator of tools/ into a temporary folder and compares what it writes with the
committed files. Exit status 1 on any difference, on a file the generator writes that is not
committed, and on a generator that fails.

Every generator is called the same way: <generator> [output folder], the folder defaulting to where
its files are committed. The banner generator (tools/banners) is not re-run: it draws text with the
machine's fonts, so its pictures are not byte-identical from one machine to the next.

Usage: check_generated.py
"""
import filecmp
import os
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]

# (generator, folder of its committed files)
GENERATORS = [
    ("tools/kuehlerdaten.py", "program/catalogue"),
    ("tools/catdata/einbau_gen.py", "program/catalogue"),
    ("tools/catdata/zubehoer_gen.py", "program/catalogue"),
    ("tools/drawings/einbau_zeichnungen.py", "program/system"),
]


def check(generator, committed):
    problems = []
    with tempfile.TemporaryDirectory() as out:
        env = dict(os.environ, PYTHONDONTWRITEBYTECODE="1")
        run = subprocess.run([sys.executable, str(ROOT / generator), out], env=env,
                             capture_output=True, text=True)
        if run.returncode != 0:
            return [f"{generator}: failed ({run.returncode}): {run.stderr.strip() or run.stdout.strip()}"]
        written = sorted(p.name for p in Path(out).iterdir())
        if not written:
            return [f"{generator}: wrote nothing"]
        for name in written:
            target = ROOT / committed / name
            if not target.exists():
                problems.append(f"{generator}: {committed}/{name} is not committed")
            elif not filecmp.cmp(Path(out) / name, target, shallow=False):
                problems.append(f"{generator}: {committed}/{name} differs from what the generator writes")
    return problems


def main():
    problems = []
    for generator, committed in GENERATORS:
        problems += check(generator, committed)
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
