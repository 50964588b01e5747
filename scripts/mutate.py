#!/usr/bin/env python3
"""Applies the mutants of scripts/mutants.py one at a time, rebuilds only the test programs that
cover the mutated file (Ninja, incremental, in a build directory of its own), runs them, restores
the file and reports which mutants the suite caught.

    scripts/mutate.py [--build-dir DIR] [--report FILE] [--list FILE] [--check] [ID ...]

--list takes the mutants of FILE instead, a list written the same way (`mutant(ident, path, old,
new)` calls), such as one written by someone who has not read the tests. --check only verifies
that every mutant's text is found exactly once. Exit status 1 when a mutant survived or could not
be built."""

import argparse
import os
import pathlib
import resource
import runpy
import shutil
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts"))
from mutants import M  # noqa: E402

CORPUS = ROOT / "tests" / "fuzz" / "corpus"
FUZZ_ARGS = {
    "fuzz_ov2_replay": [str(CORPUS / "ov2")],
    "fuzz_asc_replay": [str(CORPUS / "asc")],
    "fuzz_kvcmd_line_replay": [str(CORPUS / "kvcmd")],
}

# Test entries that run a test program at other settings: the program, its arguments and what
# its environment adds.
VARIANTS = {
    "qt_tests_144dpi": ("qt_tests", ["--gtest_filter=OtherDpi.*"],
                        {"QT_QPA_PLATFORM": "offscreen", "QT_ENABLE_HIGHDPI_SCALING": "0",
                         "QT_FONT_DPI": "144"}),
}

# A test program that takes longer than this under a mutant has met an endless loop.
TIMEOUT = 120
# No test writes a file near this size.
MAX_FILE_SIZE = 256 << 20

# Which test programs cover the files below each directory: those that link it, and those that
# run a built program made of it. The longest matching prefix wins.
RUN = ["conversion_tests", "conversion_end_to_end_tests"]
WINDOWS = ["mainwindow_tests", "program_tests"]
COVERS = {
    "tools/ov2/": ["ov2_tests", "tools_programs_tests", "fuzz_ov2_replay", "fuzz_asc_replay",
                   "kvcmd_program_tests", "conversion_end_to_end_tests"],
    "tools/common/": ["tools_common_tests", "ov2_tests", "tools_programs_tests",
                      "kvcmd_unit_tests", "kvcmd_program_tests", "platform_posix_tests"] + RUN,
    "tools/common/tool_main.cpp": ["tools_programs_tests"],
    "tools/common/input_file.cpp": ["tools_common_tests", "tools_programs_tests"],
    "tools/kvcmd/": ["kvcmd_unit_tests", "kvcmd_program_tests", "fuzz_kvcmd_line_replay",
                     "platform_posix_tests", "conversion_end_to_end_tests"],
    "tools/icon/": ["icon_tests", "conversion_end_to_end_tests"],
    "src/platform/posix/": ["platform_posix_tests"] + WINDOWS + RUN,
    "src/forms/": ["forms_tests"] + WINDOWS + RUN,
    "src/mainwindow/": WINDOWS + RUN,
    "src/startup/": WINDOWS,
    "src/program/": WINDOWS + RUN,
    "src/conversion/": RUN + ["program_tests"],
    "src/platform/qt/": ["qt_tests", "qt_tests_144dpi"],
    "src/app/": ["qt_tests"],
}


def programs_for(path):
    best = max((p for p in COVERS if path.startswith(p)), key=len, default=None)
    if best is None:
        raise SystemExit(f"no test programs are mapped for {path}")
    return COVERS[best]


def configure(build):
    if (build / "build.ninja").exists():
        return
    subprocess.run(["cmake", "-S", str(ROOT), "-B", str(build), "-G", "Ninja",
                    "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=-O0"],
                   check=True, stdout=subprocess.DEVNULL)


def build_targets(build, targets):
    targets = sorted({VARIANTS.get(t, (t,))[0] for t in targets})
    result = subprocess.run(["cmake", "--build", str(build), "--target", *targets],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return result.returncode == 0, result.stdout


def limit_file_size():
    # A mutant that writes without end fails at this size instead of filling the disk.
    resource.setrlimit(resource.RLIMIT_FSIZE, (MAX_FILE_SIZE, MAX_FILE_SIZE))


def run_program(build, name):
    """Whether the program passed. A program that hangs counts as failed; it is ended with
    every program it started, so that a mutant that loops leaves nothing running. Its
    temporary files go to a directory of the build's own, emptied afterwards, so that what a
    program ended this way leaves behind is removed too."""
    program, arguments, environment = VARIANTS.get(name, (name, [], {}))
    argv = [str(build / "tests" / "bin" / program), *FUZZ_ARGS.get(name, []), *arguments]
    if name not in FUZZ_ARGS:
        argv.append("--gtest_fail_fast")
    scratch = build / "mutation-tmp"
    scratch.mkdir(exist_ok=True)
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               cwd=build, start_new_session=True, preexec_fn=limit_file_size,
                               env={**os.environ, **environment, "TMPDIR": str(scratch)})
    try:
        return process.wait(timeout=TIMEOUT) == 0
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        return False
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", default=str(ROOT / "build-mutation"))
    parser.add_argument("--report")
    parser.add_argument("--list")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("ids", nargs="*")
    args = parser.parse_args()

    mutants = M
    if args.list:
        listed = []
        runpy.run_path(args.list, init_globals={
            "mutant": lambda ident, path, old, new: listed.append((ident, path, old, new))})
        mutants = listed
    chosen = [m for m in mutants if not args.ids or m[0] in args.ids]
    problems = []
    for ident, path, old, new in chosen:
        count = (ROOT / path).read_text(encoding="utf-8").count(old)
        if count != 1:
            problems.append(f"{ident}: text found {count} times in {path}")
    if len({m[0] for m in mutants}) != len(mutants):
        problems.append("two mutants share a name")
    if problems or args.check:
        print("\n".join(problems) or f"{len(chosen)} mutants, each text found once")
        return 1 if problems else 0

    build = pathlib.Path(args.build_dir).resolve()
    configure(build)
    all_programs = sorted({p for path in COVERS for p in COVERS[path]})
    ok, log = build_targets(build, all_programs)
    if not ok:
        print(log)
        raise SystemExit("the unmutated tree does not build")
    for name in all_programs:
        if not run_program(build, name):
            raise SystemExit(f"{name} fails without any mutant")

    lines = []
    survived = 0
    started = time.monotonic()
    for ident, path, old, new in chosen:
        file = ROOT / path
        original = file.read_text(encoding="utf-8")
        programs = programs_for(path)
        began = time.monotonic()
        # A signal must not leave a mutant in the source tree.
        signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
        try:
            file.write_text(original.replace(old, new), encoding="utf-8")
            built, log = build_targets(build, programs)
            if not built:
                verdict, by = "NOT BUILT", log.strip().splitlines()[-1:]
            else:
                failing = next((p for p in programs if not run_program(build, p)), None)
                verdict, by = ("caught", [failing]) if failing else ("SURVIVED", [])
        finally:
            file.write_text(original, encoding="utf-8")
        if verdict != "caught":
            survived += 1
        line = f"{verdict:9} {ident:32} {path}  {' '.join(by)}  ({time.monotonic() - began:.0f} s)"
        print(line, flush=True)
        lines.append(line)

    # Build the unmutated programs again, so the directory is left as the tree is.
    build_targets(build, all_programs)
    summary = (f"{len(chosen) - survived} of {len(chosen)} mutants caught, {survived} not, "
               f"in {time.monotonic() - started:.0f} s")
    print(summary)
    if args.report:
        pathlib.Path(args.report).write_text("\n".join(lines + [summary]) + "\n", encoding="utf-8")
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
