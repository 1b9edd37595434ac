#!/usr/bin/env python3
"""Runs the test suite against small source mutations and counts the ones it kills.

Each mutation in scripts/mutations.txt replaces one exact piece of one source file
(the piece must occur exactly once). For each: apply it, build, run every test until the
first failure, put the file back. A mutation is killed when a test fails, survives when
all pass, and is void when it does not compile (a void one says nothing of the tests).

    scripts/mutation-test.py [--build DIR] [--only M01,M07] [--list]

The build folder is configured like `make` does on first use; give each working tree its
own. Source files are always restored, also on Ctrl-C.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def read_mutations(path):
    """Blocks: '== ID layer: what it breaks', then 'file:', 'find:', 'replace:' lines.
    A value may continue on following lines that start with '| '."""
    mutations, current, key = [], None, None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.rstrip("\n")
            if line.startswith("#") or not line.strip():
                continue
            if line.startswith("== "):
                ident, _, title = line[3:].partition(" ")
                current = {"id": ident, "title": title.strip()}
                mutations.append(current)
                key = None
            elif line.startswith("| ") and current is not None and key:
                current[key] += "\n" + line[2:]
            else:
                name, sep, value = line.partition(": ")
                if not sep or current is None or name not in ("file", "find", "replace"):
                    sys.exit(f"{path}: cannot read line: {line}")
                key = name
                current[key] = value
    for m in mutations:
        for field in ("file", "find", "replace"):
            if field not in m:
                sys.exit(f"{path}: {m['id']} has no {field}:")
    return mutations


def run(cmd, **kw):
    return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, **kw)


def configure(build):
    if not os.path.exists(os.path.join(ROOT, build, "build.ninja")):
        launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
        r = run(["cmake", "-S", ".", "-B", build, "-G", "Ninja",
                 "-DCMAKE_BUILD_TYPE=RelWithDebInfo"] + launcher)
        if r.returncode:
            sys.exit(r.stdout)


def build_tree(build):
    return run(["cmake", "--build", build]).returncode == 0


def first_failure(build):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    r = run(["ctest", "--test-dir", build, "-j2", "--stop-on-failure", "--timeout", "300"],
            env=env)
    if r.returncode == 0:
        return None
    failed = re.findall(r"\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|"
                        r"Exception|Child aborted|Not Run)", r.stdout)
    return failed[0] if failed else "ctest"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--mutations", default=os.path.join(ROOT, "scripts", "mutations.txt"))
    parser.add_argument("--only", default="")
    parser.add_argument("--list", action="store_true")
    args = parser.parse_args()

    mutations = read_mutations(args.mutations)
    if args.only:
        wanted = set(args.only.split(","))
        mutations = [m for m in mutations if m["id"] in wanted]
    for m in mutations:
        path = os.path.join(ROOT, m["file"])
        text = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
        m["count"] = text.count(m["find"])
    broken = [m for m in mutations if m["count"] != 1]
    if args.list or broken:
        for m in mutations:
            state = "ok" if m["count"] == 1 else f"found {m['count']} times"
            print(f"{m['id']:5} {state:16} {m['file']}: {m['title']}")
        if broken:
            sys.exit("every 'find:' must occur exactly once in its file")
        return

    configure(args.build)
    if not build_tree(args.build) or first_failure(args.build):
        sys.exit("the unmutated tree must build and pass every test first")

    results = []
    for m in mutations:
        path = os.path.join(ROOT, m["file"])
        original = open(path, encoding="utf-8").read()
        started = time.monotonic()
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original.replace(m["find"], m["replace"], 1))
            if not build_tree(args.build):
                verdict, by = "void", "does not compile"
            else:
                by = first_failure(args.build)
                verdict = "killed" if by else "survived"
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
        results.append((m, verdict, by or ""))
        print(f"{m['id']:5} {verdict:8} {time.monotonic() - started:5.0f} s  {(by or ''):32} "
              f"{m['title']}", flush=True)
    build_tree(args.build)

    killed = sum(1 for _, v, _ in results if v == "killed")
    void = sum(1 for _, v, _ in results if v == "void")
    print(f"\nkilled {killed} of {len(results) - void} mutations"
          + (f" ({void} did not compile)" if void else ""))
    survivors = [m["id"] for m, v, _ in results if v == "survived"]
    if survivors:
        print("survived: " + ", ".join(survivors))


if __name__ == "__main__":
    main()
