#!/usr/bin/env python3
"""The progress line: drawn on standard error when that is a terminal, absent on a pipe; standard output the same."""
import fcntl
import os
import pty
import shutil
import struct
import subprocess
import sys
import tempfile
import termios


def on_pipe(args):
    run = subprocess.run(args, capture_output=True)
    return run.stdout, run.stderr


def on_terminal(args):
    master, slave = pty.openpty()
    fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", 24, 100, 0, 0))
    process = subprocess.Popen(args, stdout=subprocess.PIPE, stderr=slave)
    os.close(slave)
    seen = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:  # the terminal closes with the program
            break
        if not chunk:
            break
        seen += chunk
    stdout = process.stdout.read()
    process.wait()
    os.close(master)
    return stdout, seen


def check(name, args, item, before=lambda: None):
    before()
    piped_out, piped_err = on_pipe(args)
    before()
    terminal_out, terminal_err = on_terminal(args)
    failures = []
    if b"\r" in piped_err or b"out of" in piped_err:
        failures.append("progress written to a pipe")
    if b"\r\x1b[K" not in terminal_err or b" out of " not in terminal_err or item.encode() not in terminal_err:
        failures.append("no progress line naming %s on the terminal: %r" % (item, terminal_err[:300]))
    if max(len(line) for line in terminal_err.replace(b"\r\x1b[K", b"\n").split(b"\n")) >= 100:
        failures.append("a progress line wider than the terminal")
    if piped_out != terminal_out:
        failures.append("standard output differs between terminal and pipe")
    for failure in failures:
        print("%s: %s" % (name, failure))
    return not failures


def main():
    korvane = sys.argv[1]
    with tempfile.TemporaryDirectory() as scratch:
        demo = os.path.join(scratch, "demo")
        subprocess.run([korvane, "demo", demo], check=True, capture_output=True)
        maps = ["Levels\\DemoCastle.wld", "Levels\\DemoCanyon.wld"]
        output = os.path.join(scratch, "out", "Demo.gro")
        pack = [korvane, "pack", "--root", demo, "--output", output] + maps
        ok = check("pack", pack, "Levels\\DemoCanyon.wld", lambda: shutil.rmtree(os.path.dirname(output), True))
        ok &= check("scan --deep", [korvane, "scan", "--deep", "--root", demo] + maps, "Levels\\DemoCastle.wld")
        archives = ["SE1_00.gro", "SE1_00_Extra.gro"]
        ok &= check("standard build", [korvane, "standard", "build", "--root", demo] + archives, "SE1_00.gro")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
