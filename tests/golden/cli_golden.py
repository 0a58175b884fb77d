#!/usr/bin/env python3
"""orbitas-cli's output frozen case by case: every command line of
cli_cases.txt, its exit status, standard output, standard error and, for a
picture, the file's bytes, compared with cli.golden (or written to it with
--write)."""
import argparse
import os
import shlex
import subprocess
import sys
import tempfile


def run_case(cli, line, folder):
    words = shlex.split(line)
    env = {"PATH": "/usr/bin:/bin", "LC_ALL": "C", "TZ": "UTC"}
    while words and "=" in words[0] and not words[0].startswith("-"):
        key, value = words.pop(0).split("=", 1)
        env[key] = value
    picture = os.path.join(folder, "dibujo.svg")
    if os.path.exists(picture):
        os.remove(picture)
    words = [w.replace("@SVG@", picture) for w in words]
    r = subprocess.run([cli] + words, env=env, capture_output=True, timeout=60)
    text = f"=== {line}\nstatus: {r.returncode}\n--- stdout\n"
    text += r.stdout.decode("utf-8", "replace") + "--- stderr\n" + r.stderr.decode("utf-8", "replace")
    if "@SVG@" in line and os.path.exists(picture):
        with open(picture, encoding="utf-8", newline="") as f:
            text += "--- picture\n" + f.read()
    return text.replace(folder, "@DIR@") + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--cli", required=True)
    parser.add_argument("--cases", required=True)
    parser.add_argument("--golden", required=True)
    parser.add_argument("--write", action="store_true")
    args = parser.parse_args()
    with open(args.cases, encoding="utf-8") as f:
        cases = [l.rstrip("\n") for l in f if l.strip() and not l.startswith("#")]
    with tempfile.TemporaryDirectory() as folder:
        outputs = [run_case(args.cli, case, folder) for case in cases]
    if args.write:
        with open(args.golden, "w", encoding="utf-8", newline="") as f:
            f.write("".join(outputs))
        print(f"{len(cases)} cases written to {args.golden}")
        return 0
    with open(args.golden, encoding="utf-8", newline="") as f:
        golden = f.read()
    expected = {}
    for block in golden.split("\n=== ")[0:]:
        block = block if block.startswith("=== ") else "=== " + block
        expected[block.split("\n", 1)[0][4:]] = block.rstrip("\n")
    failed = 0
    for case, output in zip(cases, outputs):
        want = expected.get(case)
        if want != output.rstrip("\n"):
            failed += 1
            print(f"FAIL: {case}")
            if want is None:
                print("  (no such case in the golden file)")
            else:
                got_lines, want_lines = output.rstrip("\n").split("\n"), want.split("\n")
                for k, (g, w) in enumerate(zip(got_lines + [""] * 9999, want_lines + [""] * 9999)):
                    if g != w:
                        print(f"  line {k}: expected {w!r}\n           got      {g!r}")
                        break
    print(f"{len(cases) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
