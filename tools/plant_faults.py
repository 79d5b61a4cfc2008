#!/usr/bin/env python3
"""Plants one-line faults in the program, one at a time, and checks that the
test suite fails on each.

    tools/plant_faults.py [--list FILE] [--build DIR] [NAME ...]

Each fault is a line of the list file: a name, the file, the exact text to
replace (found once in that file) and its replacement, separated by " | ".
The faults are planted in a copy of the working tree (DIR-src), never in the
tree itself, so that work goes on there while they run. For every fault the
copied file is changed, the tests are built in DIR (a build without
sanitizers, build-faults by default) and ctest runs; then the file is put
back. A fault that leaves the suite green is reported as missed, and the
exit status counts the missed ones.
"""
import argparse
import pathlib
import re
import shutil
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


def load(list_file):
    faults = []
    for raw in pathlib.Path(list_file).read_text(encoding="utf-8").splitlines():
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        name, path, old, new = (part.strip() for part in raw.split(" | "))
        faults.append((name, path, old, new))
    return faults


def copy_tree(dest):
    """Copies the working tree's files (tracked, or new and not ignored) to dest."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                            stdout=subprocess.PIPE, check=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        target = dest / name
        target.parent.mkdir(parents=True, exist_ok=True)
        if (ROOT / name).is_file():
            shutil.copy2(ROOT / name, target)


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--list", default=ROOT / "tools" / "planted-faults.txt")
    parser.add_argument("--build", default=ROOT / "build-faults")
    parser.add_argument("names", nargs="*")
    args = parser.parse_args()
    build = pathlib.Path(args.build).resolve()
    src = build.parent / (build.name + "-src")
    copy_tree(src)
    cache = build / "CMakeCache.txt"
    if cache.exists() and f"CMAKE_HOME_DIRECTORY:INTERNAL={src}" not in cache.read_text():
        shutil.rmtree(build)  # configured from another tree

    faults = load(args.list)
    if args.names:
        faults = [f for f in faults if f[0] in args.names]
    configure = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja",
                 "-DCMAKE_BUILD_TYPE=Debug", "-DETIQUETAS_SANITIZE=OFF"]
    if run(configure, ROOT).returncode != 0 or run(["cmake", "--build", str(build)], ROOT).returncode != 0:
        sys.exit("the unchanged program does not build")
    clean = run(["ctest", "-j2", "--timeout", "300"], build)
    if clean.returncode != 0:
        sys.exit("the suite fails on the unchanged program:\n" + clean.stdout[-3000:])
    print("the unchanged program passes the suite")

    missed = []
    for name, path, old, new in faults:
        source = src / path
        text = source.read_text(encoding="utf-8")
        if text.count(old) != 1:
            print(f"{name}: the text to replace is not found once in {path}")
            missed.append(name)
            continue
        try:
            source.write_text(text.replace(old, new), encoding="utf-8")
            built = run(["cmake", "--build", str(build)], ROOT)
            if built.returncode != 0:
                print(f"{name}: does not build; not a fault the tests can catch")
                missed.append(name)
                continue
            tests = run(["ctest", "-j2", "--timeout", "300"], build)
            summary = tests.stdout.split("The following tests FAILED:")[-1]
            failing = re.findall(r"^\s*\d+ - (\S+)", summary, re.M) if tests.returncode else []
            if tests.returncode == 0:
                print(f"{name}: MISSED (the suite passes)")
                missed.append(name)
            else:
                print(f"{name}: caught by {len(failing)} test(s): {' '.join(failing[:6])}")
        finally:
            source.write_text(text, encoding="utf-8")
    run(["cmake", "--build", str(build)], ROOT)
    print(f"{len(faults) - len(missed)} of {len(faults)} faults caught")
    sys.exit(len(missed))


if __name__ == "__main__":
    main()
