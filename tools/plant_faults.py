#!/usr/bin/env python3
"""Plants one-line faults in the program, one at a time, and checks that the
test suite fails on each, and which suites catch it.

    tools/plant_faults.py [--list FILE] [--build DIR] [--wine] [NAME ...]

Each fault is a line of the list file: a name, the file, the exact text to
replace (found once in that file) and its replacement, separated by " | ";
a fifth field "wine" marks a fault only Windows can show, which is checked by
the logic tests cross-built for Windows and run under Wine (with --wine; Qt
for Windows must be at hand, see windows.sh). The faults are planted in a
copy of the working tree (DIR-src), never in the tree itself, so that work
goes on there while they run. For every fault the copied file is changed,
the tests are built in DIR (a build without sanitizers, build-faults by
default) and ctest runs; then the file is put back. Each fault's line names
the suites that caught it (the part of a test's name before its first
dot); DIR/catches.tsv lists every failing test, and the tests that never
failed are named at the end. A fault that leaves the suite green is
reported as missed, and the exit status counts the missed ones.
"""
import argparse
import os
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
        parts = [part.strip() for part in raw.split(" | ")]
        name, path, old, new = parts[:4]
        faults.append((name, path, old, new, parts[4:] == ["wine"]))
    return faults


def copy_tree(dest):
    """Copies the working tree's files (tracked, or new and not ignored) to dest.
    Only a file whose bytes differ is written, and it gets a new time: a copy
    keeping an older time than what was built from it would not be rebuilt."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=ROOT,
                            stdout=subprocess.PIPE, check=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        source, target = ROOT / name, dest / name
        if not source.is_file() or (target.is_file() and target.read_bytes() == source.read_bytes()):
            continue
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(source, target)
        shutil.copymode(source, target)


def run(cmd, cwd, timeout=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, timeout=timeout)


def suites_of(tests):
    return sorted({t.split(".")[0] for t in tests})


def all_tests(build):
    listed = run(["ctest", "-N"], build).stdout
    return re.findall(r"Test\s+#\d+: (\S+)", listed)


def wine_catches(src, build):
    """Builds the logic tests for Windows from the planted copy and runs them
    under Wine; the failing tests' names."""
    qt = run([str(ROOT / "tools" / "windows-qt.sh")], ROOT).stdout.strip()
    wbuild = build.parent / (build.name + "-windows")
    configure = ["cmake", "-S", str(src), "-B", str(wbuild), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
                 f"-DCMAKE_TOOLCHAIN_FILE={qt}/lib/cmake/Qt6/qt.toolchain.cmake"]
    if run(configure, ROOT).returncode or run(["cmake", "--build", str(wbuild), "--target", "core_tests"],
                                              ROOT).returncode:
        sys.exit("the logic tests do not build for Windows")
    for dll in list(pathlib.Path(qt, "bin").glob("Qt6Core.dll")) + [
            pathlib.Path("/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libstdc++-6.dll"),
            pathlib.Path("/usr/lib/gcc/x86_64-w64-mingw32/12-posix/libgcc_s_seh-1.dll"),
            pathlib.Path("/usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll")]:
        shutil.copy2(dll, wbuild / "tests")
    env = dict(os.environ, WINEDEBUG="-all", WINEPREFIX=str(wbuild / "prefix"),
               WINEDLLOVERRIDES="mscoree,mshtml=")
    out = subprocess.run(["/usr/lib/wine/wine64", "core_tests.exe", "--gtest_brief=1"], cwd=wbuild / "tests",
                         env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True).stdout
    return ["wine.core_tests." + t for t in re.findall(r"^\[  FAILED  \] (\S+)", out, re.M)
            if "," not in t]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--list", default=ROOT / "tools" / "planted-faults.txt")
    parser.add_argument("--build", default=ROOT / "build-faults")
    parser.add_argument("--wine", action="store_true", help="also the faults only Windows shows")
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
    # Without debug information: a fault's build is mostly compiling, and it
    # builds twice as fast without it.
    configure = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja",
                 "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0",
                 "-DETIQUETAS_SANITIZE=OFF"]
    if run(configure, ROOT).returncode != 0 or run(["cmake", "--build", str(build)], ROOT).returncode != 0:
        sys.exit("the unchanged program does not build")
    clean = run(["ctest", "-j2", "--timeout", "300"], build)
    if clean.returncode != 0:
        sys.exit("the suite fails on the unchanged program:\n" + clean.stdout[-3000:])
    print("the unchanged program passes the suite")

    if not args.wine:
        faults = [f for f in faults if not f[4]]
    everything = all_tests(build)
    ever_failed = set()
    report = []
    missed = []
    for name, path, old, new, wine in faults:
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
            if wine:
                failing += wine_catches(src, build)
            ever_failed.update(failing)
            report += [f"{name}\t{test}" for test in failing]
            if not failing:
                print(f"{name}: MISSED (the suite passes)")
                missed.append(name)
            else:
                print(f"{name}: caught by {', '.join(suites_of(failing))} ({len(failing)} tests)")
        finally:
            source.write_text(text, encoding="utf-8")
    run(["cmake", "--build", str(build)], ROOT)
    (build / "catches.tsv").write_text("fault\ttest\n" + "".join(line + "\n" for line in report))
    never = [t for t in everything if t not in ever_failed and not t.startswith("spooler.")]
    print(f"tests that no fault failed ({len(never)} of {len(everything)}): {' '.join(never)}")
    print(f"{len(faults) - len(missed)} of {len(faults)} faults caught")
    sys.exit(len(missed))


if __name__ == "__main__":
    main()
