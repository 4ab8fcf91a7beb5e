#!/usr/bin/env python3
"""Checks that the folders of program/ include each other only downwards.

The layers, lowest first: texts, catalogue, rating, project, report, app (the composition of the
modules' state and the start), ui (the windows), and the program's entry (program/main.cpp). A file
may include files of its own layer and of lower ones, never of a higher one. Files of the folders
that make up kelto_core (every layer below ui) include no Qt Widgets header either.

Usage: check_layers.py [repository root]
Exit status 1 when an include breaks a rule; each one is listed.
"""
import re
import sys
from pathlib import Path

LAYERS = ["texts", "catalogue", "rating", "project", "report", "app", "ui"]
ENTRY = len(LAYERS)  # program/main.cpp
CORE_TOP = LAYERS.index("app")
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
# Headers of the widget modules, by module folder or by class.
WIDGET_HEADER = re.compile(r"^(QtWidgets|QtSvgWidgets|QtPrintSupport|QtOpenGLWidgets)/|^Q(Widget|Application|"
                           r"Dialog|MainWindow|Label|PushButton|LineEdit|ComboBox|TableWidget|TabWidget|"
                           r"MessageBox|Menu|MenuBar|Layout|[HV]BoxLayout|GridLayout|Printer|SvgWidget)$")


def layer_of(path, program):
    """The layer of a file below program/, or None for a folder outside the layers."""
    rel = path.relative_to(program)
    if len(rel.parts) == 1:
        return ENTRY
    return LAYERS.index(rel.parts[0]) if rel.parts[0] in LAYERS else None


def main(argv):
    root = Path(argv[1]).resolve() if len(argv) > 1 else Path(__file__).resolve().parents[1]
    program = root / "program"
    problems = []
    for path in sorted(program.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        own = layer_of(path, program)
        if own is None:
            continue
        for included in INCLUDE.findall(path.read_text(encoding="utf-8")):
            where = path.relative_to(root)
            target = included.split("/")
            if target[0] == "program" and len(target) > 2:
                if target[1] not in LAYERS:
                    problems.append(f"{where}: includes {included} from outside the layers")
                elif LAYERS.index(target[1]) > own:
                    problems.append(f"{where}: includes {included} of the higher layer {target[1]}")
            if own <= CORE_TOP and WIDGET_HEADER.match(included):
                problems.append(f"{where}: includes the widget header {included} (kelto_core)")
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
