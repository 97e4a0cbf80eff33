#!/usr/bin/env python3
"""tools/measure-record-start.py OLD_BUILD [NEW_BUILD]: what a start does with
whatever lies under the saved-input file's name, two builds side by side.

For each case, velmora is started through `drive` (offscreen) in a fresh
folder holding that thing as LOM_V.DTA, with a script that dumps the window
and closes it. Reported per build: the time from process start to the
window's first dump line (or "no window" when none came within the limit,
after which the program is killed), its peak memory (VmHWM), the message
boxes it showed, and whether the file afterwards is the one that was there.

The cases: a plain record; a named pipe; a link to /dev/zero; a sparse
1 GiB file of NULs; a record with a 100 MB title; and, when run as root, a
colleague's record (mode 0600, root's) in a folder every user may write,
read by the user nobody. Then the minus and the point that the input
method commits (mestra Fb+ "−０．５", quorvel m2 "。３"), through 計算.
Build both first: tools/build.sh drive (and the same at the old commit)."""
import os
import pwd
import select
import stat
import subprocess
import sys
import tempfile
import time

LIMIT_S = 15.0
RECORD = (" .06          200           .3            .016          .3            .1            .07           "
          "題\r\n").encode("cp932")


def drive_path(build):
    return os.path.join(os.path.abspath(build), "drive")


def peak_kib(pid):
    try:
        with open(f"/proc/{pid}/status") as f:
            for line in f:
                if line.startswith("VmHWM:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def run(build, folder, program, script, as_nobody=False):
    """Returns (ms to the first line or None, peak MiB, message boxes, lines)."""
    with open(os.path.join(folder, "script.txt"), "w", encoding="utf-8") as f:
        f.write(script)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=folder)
    command = [drive_path(build), program, "script.txt"]
    if as_nobody:
        nobody = pwd.getpwnam("nobody")
        os.chmod(folder, 0o777)
        command = ["setpriv", f"--reuid={nobody.pw_uid}", f"--regid={nobody.pw_gid}", "--clear-groups"] + command
    start = time.perf_counter()
    child = subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    first_ms, peak, out = None, 0, b""
    while time.perf_counter() - start < LIMIT_S:
        peak = max(peak, peak_kib(child.pid))
        ready, _, _ = select.select([child.stdout], [], [], 0.05)
        if ready:
            chunk = os.read(child.stdout.fileno(), 65536)
            if first_ms is None and chunk:
                first_ms = (time.perf_counter() - start) * 1000.0
            out += chunk
            if not chunk:
                break
    if child.poll() is None:
        peak = max(peak, peak_kib(child.pid))
        child.kill()
    child.wait()
    lines = out.decode("utf-8", "replace").splitlines()
    boxes = [l[len("msgbox "):] for l in lines if l.startswith("msgbox ")]
    return first_ms, peak / 1024.0, boxes, lines


def place(case, folder):
    path = os.path.join(folder, "LOM_V.DTA")
    if case == "plain record":
        open(path, "wb").write(RECORD)
    elif case == "named pipe":
        os.mkfifo(path)
    elif case == "link to /dev/zero":
        os.symlink("/dev/zero", path)
    elif case == "1 GiB of NULs":
        with open(path, "wb") as f:
            f.truncate(1 << 30)
    elif case == "100 MB title":
        with open(path, "wb") as f:
            f.write(RECORD[:98])
            f.write(b"x" * (100 * 1000 * 1000))
            f.write(b"\r\n")
    elif case == "colleague's 0600 record":
        open(path, "wb").write(RECORD)
        os.chmod(path, 0o600)
    return path


def describe(path, before):
    try:
        st = os.lstat(path)
    except OSError:
        return "gone"
    kind = "file" if stat.S_ISREG(st.st_mode) else "no plain file"
    if before is not None and kind == "file" and st.st_size < 1 << 20:
        return "kept" if open(path, "rb").read() == before else "replaced"
    return kind


def record_cases(builds):
    cases = ["plain record", "named pipe", "link to /dev/zero", "1 GiB of NULs", "100 MB title"]
    if os.geteuid() == 0:
        cases.append("colleague's 0600 record")
    for case in cases:
        print(f"\n{case}")
        for name, build in builds:
            with tempfile.TemporaryDirectory() as folder:
                path = place(case, folder)
                before = RECORD if case in ("plain record", "colleague's 0600 record") else None
                ms, mib, boxes, _ = run(build, folder, "velmora", "dump\nclose\n",
                                        as_nobody=case.startswith("colleague"))
                shown = f"{ms:8.0f} ms" if ms is not None else f"no window in {LIMIT_S:.0f} s"
                print(f"  {name:4} window {shown:>16}  peak {mib:7.1f} MiB  file {describe(path, before):13}"
                      f"  boxes {boxes if boxes else 'none'}")


def typed_cases(builds):
    cases = [("mestra", "type EDIT14 −０．５\nmenu CALC\ndump\nclose\n", "TEXT29", "Fb+ −０．５"),
             ("quorvel", "type EDIT12 。３\nmenu CALC\ndump\nclose\n", "TEXT27", "m2 。３")]
    for program, script, label, what in cases:
        print(f"\n{program} {what}")
        for name, build in builds:
            with tempfile.TemporaryDirectory() as folder:
                _, _, boxes, lines = run(build, folder, program, script)
                used = next((l.split("=", 1)[1] for l in lines if l.startswith(label + "=")), "?")
                print(f"  {name:4} used {used:>7}  boxes {boxes if boxes else 'none'}")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    builds = [("old", sys.argv[1]), ("new", sys.argv[2] if len(sys.argv) > 2 else os.path.join(root, "build"))]
    record_cases(builds)
    typed_cases(builds)


main()
