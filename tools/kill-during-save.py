#!/usr/bin/env python3
"""Kills velmora at random moments while 終了 saves its inputs, and counts
what the saved-input file held afterwards.

    tools/kill-during-save.py DRIVE [RUNS]

DRIVE is the test driver of a build (build/drive). Each run starts from a
folder whose file holds a good record (Q 1.5), types Q 2.5 and chooses 終了
under strace, which slows every call that names the file or the lock of its
saves by 20 ms (the save's temporary file has a name of its own each time,
so only its rename is slowed); once the save's first call has returned, the
program is killed after a random 0 to 100 ms. Needs strace (apt-get install strace).
"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

DELAY_US = 20000
WINDOW_S = 0.100
FILE = "LOM_V.DTA"


def drive(drive_path, folder, script, strace_log=None):
    with open(os.path.join(folder, "script.txt"), "w") as f:
        f.write(script)
    env = dict(os.environ, XDG_RUNTIME_DIR=folder, QT_QPA_PLATFORM="offscreen")
    command = [drive_path, "velmora", "script.txt"]
    if strace_log:
        command = ["strace", "-f", "-o", strace_log, "-P", FILE, "-P", FILE + ".lock",
                   "-e", "inject=all:delay_exit=%d" % DELAY_US, "--"] + command
    return subprocess.Popen(command, cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def read(folder):
    path = os.path.join(folder, FILE)
    if not os.path.exists(path):
        return None
    with open(path, "rb") as f:
        return f.read()


def record_after(drive_path, script):
    with tempfile.TemporaryDirectory() as folder:
        drive(drive_path, folder, script).wait()
        return read(folder)


def main():
    drive_path = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 100
    previous = record_after(drive_path, "type EDIT1 1.5\nend\n")
    new = record_after(drive_path, "type EDIT1 2.5\nend\n")
    counts = {}
    killed = 0
    for _ in range(runs):
        with tempfile.TemporaryDirectory() as folder:
            drive(drive_path, folder, "type EDIT1 1.5\nend\n").wait()
            log = os.path.join(folder, "strace.txt")
            p = drive(drive_path, folder, "type EDIT1 2.5\nend\n", log)
            pid = None
            while p.poll() is None and pid is None:
                time.sleep(0.001)
                if os.path.exists(log):
                    for line in open(log, errors="replace"):
                        if FILE + ".lock" in line:  # the save's first call
                            pid = int(line.split()[0])
            if pid is None:
                continue
            time.sleep(random.uniform(0, WINDOW_S))
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            p.wait()
            if "killed by SIGKILL" not in open(log, errors="replace").read():
                continue
            killed += 1
            data = read(folder)
            outcome = ("missing" if data is None else "empty" if data == b"" else
                       "previous record" if data == previous else "new record" if data == new else "partial")
            counts[outcome] = counts.get(outcome, 0) + 1
    print("%d killed runs of %d:" % (killed, runs))
    for outcome in ("previous record", "new record", "missing", "empty", "partial"):
        print("  %-16s %d" % (outcome, counts.get(outcome, 0)))


if __name__ == "__main__":
    main()
