#!/usr/bin/env python3
"""Wall time of trailset-cli runs beside the baseline, in the same run.

The baseline is bench_bare_write: a minimal program that writes the same
bytes, flushes, closes and reads them back (apply, which writes both files,
is measured against a bare write of both). Beside it, the same program
with --durable: the least a save that survives a pulled card does (a
temporary file synced, renamed over the target, the folder synced), as the
companion saves. Each round starts every program once, in turn, so load on
the machine falls on all of them alike; the medians and their ratios to
both baselines' medians are printed.

Usage: bench/cli/speed.py [BUILD_DIR] [--rounds N] [--cli PATH]
"""
import argparse
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

CLOCK = ["--clock", "2026-03-14 15:09:26", "--timezone", "+8"]
MAIL = ["bySendBy=Email", "sSmtpSet.szServer=smtp.example.com", "sSmtpSet.iPort=465", "szAddr=cam@example.com",
        "sSmtpSet.szPassword=mail-pass", "email1=me@example.org"]


def sets(values):
    return [a for v in values for a in ("--set", v)]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("build", nargs="?", default="build/native")
    ap.add_argument("--rounds", type=int, default=40)
    ap.add_argument("--cli", help="another trailset-cli to time (default: the build's)")
    args = ap.parse_args()
    build = pathlib.Path(args.build)
    cli = args.cli or str(build / "apps/cli/trailset-cli")
    bare = str(build / "bench/bench_bare_write")
    with tempfile.TemporaryDirectory(prefix="trailset-speed-") as tmp:
        card, out = pathlib.Path(tmp, "card"), pathlib.Path(tmp, "out")
        card.mkdir()
        out.mkdir()
        setup = [[cli, "camera", "-m", "520", "-o", str(card), *CLOCK, *sets(["CapMode=Video", "Timer1On=On"])],
                 [cli, "wireless", "-m", "520", "-o", str(card), *CLOCK, *sets(MAIL)],
                 [cli, "export", "-m", "520", "--from", str(card), "--show-passwords", "-o", str(card / "p.json")]]
        for c in setup:
            subprocess.run(c, check=True, stdout=subprocess.DEVNULL)
        runs = {
            "bare write (menu.dat)": [bare, str(card / "menu.dat"), str(out / "bare.dat")],
            "bare write (both files)": [bare, str(card / "menu.dat"), str(out / "bare.dat"),
                                        str(card / "CFG.BIN"), str(out / "bare.bin")],
            "durable write (menu.dat)": [bare, "--durable", str(card / "menu.dat"), str(out / "durable.dat")],
            "durable write (both)": [bare, "--durable", str(card / "menu.dat"), str(out / "durable.dat"),
                                     str(card / "CFG.BIN"), str(out / "durable.bin")],
            "camera": [cli, "camera", "-m", "520", "-o", str(out), *CLOCK, *sets(["CapMode=Video", "Timer1On=On"])],
            "wireless": [cli, "wireless", "-m", "520", "-o", str(out), *CLOCK, *sets(MAIL)],
            "apply (both files)": [cli, "apply", str(card / "p.json"), "-o", str(out), *CLOCK],
        }
        times = {name: [] for name in runs}
        for _ in range(args.rounds):
            for name, command in runs.items():
                start = time.perf_counter()
                subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
                times[name].append(time.perf_counter() - start)
        med = {name: statistics.median(t) for name, t in times.items()}
        print(f"{'run':26} {'median ms':>10} {'x bare':>8} {'x durable':>10}   ({args.rounds} rounds)")
        for name, m in med.items():
            both = "both" in name
            bare_ms = med["bare write (both files)" if both else "bare write (menu.dat)"]
            durable_ms = med["durable write (both)" if both else "durable write (menu.dat)"]
            print(f"{name:26} {m * 1000:10.2f} {m / bare_ms:8.2f} {m / durable_ms:10.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
