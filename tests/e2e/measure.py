#!/usr/bin/python3
"""Measures, under with-x.sh: the time from launch until the window is shown
and readable over AT-SPI (median of ten launches), and the program's
resident memory after a planet is shown.
Usage: with-x.sh /usr/bin/python3 measure.py --app PATH/orbitas"""
import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from session import Session, key  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--runs", type=int, default=10)
    args = parser.parse_args()
    startups, memory = [], []
    for _ in range(args.runs):
        start = time.monotonic()
        with Session(args.app) as s:
            startups.append(time.monotonic() - start)
            s.focus_window()
            key("ctrl+a")
            s.wait_label("planetaec", "Coordenadas ecuatoriales de Marte")
            memory.append(s.resident_kib())
    print(f"launch to readable window: median {statistics.median(startups) * 1000:.0f} ms "
          f"(min {min(startups) * 1000:.0f}, max {max(startups) * 1000:.0f}, {args.runs} runs)")
    print(f"resident memory after a planet: median {statistics.median(memory) / 1024:.1f} MiB")


if __name__ == "__main__":
    main()
