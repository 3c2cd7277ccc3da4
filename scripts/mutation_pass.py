#!/usr/bin/env python3
"""Plants small faults in the program, one at a time, and reports which ones no test catches.

    scripts/mutation_pass.py [--mutants N] [--seed S] [--scratch DIR] [FILE_OR_FOLDER...]

Each fault (a mutant) changes one place of one source file: a comparison turned round, && for
||, true for false, one added to a number or taken from it, or a statement left out. The tree
as it stands (uncommitted changes included) is copied to a scratch folder (build-mutants/),
built there without the desktop shell, and for each mutant rebuilt and tested until the first
failing test. A mutant that does not build is set aside. Without files, it mutates the rules
and tables and the windows' move procedures. The same seed picks the same mutants.
"""

import argparse
import os
import random
import re
import shutil
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_TARGETS = [
    "src/common", "src/rules", "src/game3d", "src/game4d", "src/view4d",
    "src/window3d/dorvan_play.cpp", "src/window4d/form2_play.cpp",
    "src/window4d/form2_computer.cpp", "src/window4d/form2_turning.cpp",
]

# (pattern, replacement); each match of a pattern on a line is one mutant.
OPERATORS = [
    (r"==", "!="), (r"!=", "=="),
    (r"(?<![<>=!])<=(?!=)", "<"), (r"(?<![<>=!-])>=(?!=)", ">"),
    (r"(?<=[\w)\]] )<(?= [\w(])", "<="), (r"(?<=[\w)\]] )>(?= [\w(])", ">="),
    (r"&&", "||"), (r"\|\|", "&&"),
    (r"\btrue\b", "false"), (r"\bfalse\b", "true"),
    (r"(?<=[ (\[])(\d+)\b(?![.\dxX'])", None),  # a number, one more
    (r" \+ 1\b", " - 1"), (r" - 1\b", " + 1"),
]
STATEMENT = re.compile(r"^\s+(?!return\b|case\b|default\b|break\b|using\b|const\b|constexpr\b)"
                       r"[\w:.\[\]()>-]+(\(.*\)|\s*[-+*/]?=.*|\+\+|--);\s*(//.*)?$")


def run(command, cwd, timeout=None):
    quiet = subprocess.DEVNULL
    try:
        return subprocess.run(command, cwd=cwd, stdout=quiet, stderr=quiet,
                              timeout=timeout).returncode
    except subprocess.TimeoutExpired:
        return -1


def source_files(targets):
    for target in targets:
        path = ROOT / target
        if path.is_dir():
            yield from sorted(p for p in path.rglob("*") if p.suffix in (".h", ".cpp"))
        elif path.is_file():
            yield path


def code_lines(lines):
    """(index, line) for each line that is code: no comment, include or static_assert."""
    for index, line in enumerate(lines):
        stripped = line.strip()
        if not stripped or stripped.startswith(("//", "#", "static_assert", "*", "/*")):
            continue
        yield index, line


def mutants_of(path):
    lines = path.read_text().splitlines(keepends=True)
    for index, line in code_lines(lines):
        code = line.split("//")[0]
        # Numbers in sizes and in table rows are data, checked by the tables' own tests.
        data = "std::array<" in code or code.lstrip().startswith("{")
        for pattern, replacement in OPERATORS:
            if replacement is None and data:
                continue
            for match in re.finditer(pattern, code):
                new = replacement if replacement is not None else str(int(match.group(1)) + 1)
                changed = code[:match.start()] + new + code[match.end():] + line[len(code):]
                yield path, index, changed, f"{match.group(0).strip()} -> {new.strip()}"
        if STATEMENT.match(code):
            yield path, index, "", "statement left out"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("targets", nargs="*", default=DEFAULT_TARGETS)
    parser.add_argument("--mutants", type=int, default=40)
    parser.add_argument("--seed", type=int, default=1)
    # Inside the tree, laid out as the tree is, a compiler cache serves the copy's unchanged
    # files from the usual build folder's work.
    parser.add_argument("--scratch", default=str(ROOT / "build-mutants"))
    args = parser.parse_args()

    tree = Path(args.scratch)
    build = tree / "build"
    tracked = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=ROOT,
                             capture_output=True, text=True, check=True).stdout.split()
    for name in tracked:
        source, target = ROOT / name, tree / name
        target.parent.mkdir(parents=True, exist_ok=True)
        # A file is copied only when it differs, and then dated now: a copy keeping the
        # original's older date would leave a previous run's mutant built in its place.
        if source.is_file() and (not target.is_file() or
                                 target.read_bytes() != source.read_bytes()):
            shutil.copy(source, target)
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    jobs = str(os.cpu_count() or 2)
    # The programs the tests run; the benchmarks are left out.
    make = ["cmake", "--build", build, "-j", jobs, "--target", "dorvan_engine_tests",
            "dorvan_tests", "dorvan-script"]
    if run(["cmake", "-S", tree, "-B", build, "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
            "-DDORVAN_BUILD_QT=OFF", *launcher], ROOT) != 0 or \
       run(make, ROOT) != 0 or run(["ctest", "--test-dir", build, "-j", jobs], ROOT) != 0:
        sys.exit("the unchanged tree does not build or pass its tests")

    candidates = [m for path in source_files(args.targets) for m in mutants_of(path)]
    chosen = random.Random(args.seed).sample(candidates, min(args.mutants, len(candidates)))
    print(f"{len(chosen)} of {len(candidates)} mutants", flush=True)
    survived, killed, unbuilt = [], 0, 0
    for number, (path, index, changed, what) in enumerate(chosen, 1):
        copy = tree / path.relative_to(ROOT)
        original = copy.read_text()
        lines = original.splitlines(keepends=True)
        where = f"{path.relative_to(ROOT)}:{index + 1}: {what}: {lines[index].strip()}"
        lines[index] = changed
        copy.write_text("".join(lines))
        try:
            if run(make, ROOT, timeout=900) != 0:
                unbuilt += 1
                verdict = "does not build"
            elif run(["ctest", "--test-dir", build, "-j", jobs, "--stop-on-failure",
                      "--timeout", "300"], ROOT, timeout=1800) != 0:
                killed += 1
                verdict = "caught"
            else:
                survived.append(where)
                verdict = "SURVIVED"
        finally:
            copy.write_text(original)
        print(f"[{number}/{len(chosen)}] {verdict}: {where}", flush=True)
    print(f"\n{killed} caught, {len(survived)} survived, {unbuilt} did not build")
    for where in survived:
        print(f"  survived: {where}")


if __name__ == "__main__":
    main()
