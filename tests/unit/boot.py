#!/usr/bin/env python3
"""Boots the virtual unit once and copies its serial console to a log, each
line stamped with the host's seconds since qemu started.

  boot.py --kernel K --initrd I --share DIR [--disk IMG] --append WORDS
          --timeout S --log FILE [--cut-after MARKER SECONDS]

Every boot has a time limit: past it qemu is killed and the exit status is
124. With --cut-after, qemu is killed with SIGKILL (the unit loses power)
the given seconds after the first console line matching the regular
expression MARKER; the exit
status is then 137 and the log ends with a line "cut at T s". With
--armed-by, MARKER counts only after a line matching that expression.
"""
import argparse
import os
import re
import select
import signal
import subprocess
import sys
import time


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--kernel", required=True)
    ap.add_argument("--initrd", required=True)
    ap.add_argument("--share", required=True)
    ap.add_argument("--disk")
    ap.add_argument("--append", default="")
    ap.add_argument("--timeout", type=float, required=True)
    ap.add_argument("--log", required=True)
    ap.add_argument("--cut-after", nargs=2, metavar=("MARKER", "SECONDS"))
    ap.add_argument("--armed-by", help="look for MARKER only after a line matching this")
    a = ap.parse_args()

    cmd = ["qemu-system-arm", "-M", "virt,highmem=off", "-cpu", "cortex-a15", "-smp", "1", "-m", "1024",
           "-kernel", a.kernel, "-initrd", a.initrd,
           "-append", "console=ttyAMA0 panic=-1 quiet " + a.append,
           "-display", "none", "-monitor", "none", "-serial", "stdio", "-nic", "none", "-no-reboot",
           "-fsdev", "local,id=host,path=%s,security_model=none" % a.share,
           "-device", "virtio-9p-device,fsdev=host,mount_tag=host"]
    if a.disk:
        cmd += ["-drive", "if=none,id=d0,file=%s,format=raw,cache=writeback" % a.disk,
                "-device", "virtio-blk-device,drive=d0"]
    start = time.monotonic()
    q = subprocess.Popen(cmd, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    os.set_blocking(q.stdout.fileno(), False)
    deadline = start + a.timeout
    cut_at = None
    armed = a.armed_by is None
    buf = b""
    status = None
    with open(a.log, "w", encoding="utf-8", errors="replace") as log:
        def emit(raw):
            text = raw.decode("utf-8", "replace").rstrip("\r")
            log.write("[%8.3f] %s\n" % (time.monotonic() - start, text))
            log.flush()
            return text

        while True:
            now = time.monotonic()
            if cut_at is not None and now >= cut_at:
                q.send_signal(signal.SIGKILL)
                q.wait()
                log.write("[%8.3f] cut at %.3f s\n" % (now - start, now - start))
                status = 137
                break
            if now >= deadline:
                q.kill()
                q.wait()
                log.write("[%8.3f] time limit of %.0f s reached\n" % (now - start, a.timeout))
                status = 124
                break
            wake = min(deadline, cut_at if cut_at is not None else deadline)
            r, _, _ = select.select([q.stdout], [], [], max(0.0, min(0.05, wake - now)))
            if r:
                chunk = q.stdout.read()
                if not chunk:
                    status = q.wait()
                    break
                buf += chunk
                while b"\n" in buf:
                    line, buf = buf.split(b"\n", 1)
                    text = emit(line)
                    if not armed and re.search(a.armed_by, text):
                        armed = True
                        continue
                    if a.cut_after and armed and cut_at is None and re.search(a.cut_after[0], text):
                        cut_at = time.monotonic() + float(a.cut_after[1])
            elif q.poll() is not None:
                status = q.returncode
                break
        if buf:
            emit(buf)
    sys.exit(status if status is not None else 1)


if __name__ == "__main__":
    main()
