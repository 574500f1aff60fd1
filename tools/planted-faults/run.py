#!/usr/bin/env python3
"""Plants one-line faults in the product code, one at a time, and reports
which unit test notices each.

Each fault in faults.txt is applied to the working tree, the unit tests are
built and run against it, and the file is restored. The test program of the
fault's own folder runs first; only when it passes are the others built and
run, so a fault caught close to home costs one link. A fault whose text is not
found, or which does not compile, is an error in the list, not a kill.

    tools/planted-faults/run.py [--build-dir build] [--only ID,ID] [--list]
"""
import argparse
import json
import os
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
UNIT_PROGRAMS = ["platform", "recognition", "capture", "output", "settings", "history",
                 "KeyBindings", "shell", "app", "KeyBindings-x11", "platform-x11"]


def parse(path):
    """Blocks of `## id` followed by `file:`, `find:`, `replace:`, `why:`
    lines. A value of several lines starts with a bare `find:` or `replace:`
    and goes on over lines that begin with `|` (the one space after the bar
    is not part of the text)."""
    faults, current, key = [], None, None
    for raw in path.read_text(encoding="utf-8").splitlines():
        if raw.startswith("## "):
            current = {"id": raw[3:].strip()}
            faults.append(current)
            key = None
        elif current is not None and re.match(r"^(file|find|replace|why):", raw):
            key, _, value = raw.partition(":")
            current[key] = value[1:] if value.startswith(" ") else value
            block = current[key] == ""
        elif current is not None and key and block and raw.startswith("|"):
            line = raw[2:] if raw.startswith("| ") else raw[1:]
            current[key] = line if current[key] == "" and not current.get("_" + key) else current[key] + "\n" + line
            current["_" + key] = True
    for f in faults:
        for k in [k for k in f if k.startswith("_")]:
            del f[k]
        missing = {"file", "find", "replace", "why"} - f.keys()
        if missing:
            sys.exit(f"faults.txt: {f['id']} lacks {', '.join(sorted(missing))}")
    return faults


def home_program(file):
    """The unit program that mirrors the folder of a product file."""
    parts = Path(file).parts
    if parts[0] != "src":
        return None
    if parts[1] == "platform":
        return "platform-x11" if len(parts) > 2 and parts[2] == "x11" else "platform"
    return parts[1]


def run(cmd, log, **kw):
    with open(log, "a", encoding="utf-8") as out:
        out.write(f"\n$ {' '.join(cmd)}\n")
        out.flush()
        return subprocess.run(cmd, stdout=out, stderr=subprocess.STDOUT, cwd=ROOT, **kw).returncode


def failed_cases(log):
    text = Path(log).read_text(encoding="utf-8", errors="replace")
    cases = re.findall(r"^\[  FAILED  \] (\S+?)(?:, where|\s|$)", text, re.M)
    seen = []
    for c in cases:
        if c not in seen and not c[0].isdigit():
            seen.append(c)
    return seen


def unit_tests(build):
    """The unit tests in a useful order, each with the target that builds it."""
    listed = json.loads(subprocess.run(
        ["ctest", "--test-dir", str(build), "-L", "unit", "--show-only=json-v1"],
        capture_output=True, text=True, cwd=ROOT, check=True).stdout)
    targets = {}
    for test in listed["tests"]:
        programs = [Path(a).name for a in test["command"] if "/bin/test-" in a]
        targets[test["name"]] = programs[0] if programs else "all"
    order = [p for p in UNIT_PROGRAMS if p in targets] + \
        [n for n in targets if n not in UNIT_PROGRAMS]
    return order, targets


def try_fault(fault, build, programs, targets, log):
    path = ROOT / fault["file"]
    original = path.read_text(encoding="utf-8")
    if original.count(fault["find"]) != 1:
        return "error", f"find text occurs {original.count(fault['find'])} times"
    path.write_text(original.replace(fault["find"], fault["replace"]), encoding="utf-8")
    try:
        home = home_program(fault["file"])
        order = ([home] if home in programs else []) + [p for p in programs if p != home]
        for i, program in enumerate(order):
            # The fault's own program first; the others only when it passes.
            wanted = [targets[program]] if i == 0 and program == home else \
                sorted({targets[p] for p in order[i:]})
            if (i == 0 or (i == 1 and order[0] == home)) and \
                    run(["cmake", "--build", str(build), "--target", *wanted], log) != 0:
                return "error", "does not build"
            if run(["ctest", "--test-dir", str(build), "-R", f"^{re.escape(program)}$",
                    "--output-on-failure"], log) != 0:
                cases = failed_cases(log)
                return "killed", f"{program}: {', '.join(cases[:3]) or 'exit status'}"
        return "survived", ""
    finally:
        path.write_text(original, encoding="utf-8")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--build-dir", default="build")
    ap.add_argument("--faults", default=str(Path(__file__).with_name("faults.txt")))
    ap.add_argument("--only", help="comma-separated fault ids")
    ap.add_argument("--list", action="store_true", help="list the faults and stop")
    ap.add_argument("--check", action="store_true",
                    help="check that each fault's text occurs once, without building")
    ap.add_argument("--log-dir", default="planted-faults-logs")
    args = ap.parse_args()

    faults = parse(Path(args.faults))
    if args.only:
        wanted = set(args.only.split(","))
        faults = [f for f in faults if f["id"] in wanted]
    if args.check:
        bad = 0
        for f in faults:
            n = (ROOT / f["file"]).read_text(encoding="utf-8").count(f["find"]) \
                if (ROOT / f["file"]).exists() else 0
            if n != 1:
                bad += 1
                print(f"{f['id']}: the text occurs {n} times in {f['file']}")
        print(f"{len(faults)} faults, {bad} to mend")
        return 1 if bad else 0
    if args.list:
        for f in faults:
            print(f"{f['id']:32} {f['file']}\n{'':32} {f['why']}")
        return 0
    dirty = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no", "src"],
                           capture_output=True, text=True, cwd=ROOT).stdout
    if dirty.strip():
        sys.exit("planted-faults: src/ has uncommitted changes; commit or stash them first")

    build = Path(args.build_dir)
    if run(["cmake", "--build", str(build)], os.devnull) != 0:
        sys.exit("planted-faults: the unchanged tree does not build")
    programs, targets = unit_tests(build)
    logs = ROOT / args.log_dir
    logs.mkdir(exist_ok=True)

    results = []
    for f in faults:
        start = time.monotonic()
        log = logs / f"{f['id']}.log"
        log.write_text("", encoding="utf-8")
        verdict, detail = try_fault(f, build, programs, targets, log)
        results.append((f, verdict, detail))
        print(f"{verdict:9} {f['id']:32} {detail}  ({time.monotonic() - start:.0f} s)", flush=True)
    run(["cmake", "--build", str(build)], os.devnull)  # leave the build matching the tree

    killed = sum(v == "killed" for _, v, _ in results)
    counted = sum(v != "error" for _, v, _ in results)
    print(f"\n{killed} of {counted} faults killed ({100 * killed / max(counted, 1):.0f}%)")
    for f, v, d in results:
        if v != "killed":
            print(f"  {v}: {f['id']} ({f['file']}): {d or f['why']}")
    return 0 if all(v != "error" for _, v, _ in results) else 1


if __name__ == "__main__":
    sys.exit(main())
