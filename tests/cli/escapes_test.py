#!/usr/bin/python3
"""No raw control character reaches the terminal from anything orbitas-cli
is given or reads: a value typed, a picture's folder, a home file's name;
on stdout and stderr, byte for byte. JSON stays valid UTF-8 whatever the
home file holds, and says what it replaced.
Usage: escapes_test.py --cli PATH/orbitas-cli"""
import json
import os
import subprocess
import sys
import tempfile
import unittest

CLI = None
ESCAPES = b"\x1b]0;PWNED\x07\x1b[2J"
# Every byte a terminal may act on: C0 but newline and tab, DEL, and the C1
# controls as UTF-8 (U+0080 to U+009F) or as single bytes.
RAW = [bytes([c]) for c in range(0x20) if c not in (0x0A, 0x09)] + [b"\x7f"] + \
      [bytes([0xC2, c]) for c in range(0x80, 0xA0)] + [bytes([c]) for c in range(0x80, 0xA0)]


def run(args, config=None):
    env = {"PATH": "/usr/bin:/bin", "LC_ALL": "C.UTF-8", "TZ": "UTC"}
    if config:
        env["XDG_CONFIG_HOME"] = config
    return subprocess.run([CLI.encode(), *args], capture_output=True, timeout=60, env=env)


class Escapes(unittest.TestCase):
    def assertNoRawControl(self, data, what):
        for raw in RAW:
            # A lone byte of 0x80 to 0x9F is fine inside a longer valid character.
            if len(raw) == 1 and raw[0] >= 0x80:
                try:
                    data.decode("utf-8")
                    continue
                except UnicodeDecodeError:
                    pass
            self.assertNotIn(raw, data, f"{what}: raw {raw!r}")

    def test_typed_values_and_names_are_escaped_on_both_streams(self):
        with tempfile.TemporaryDirectory() as folder:
            cases = [
                [b"--jd", ESCAPES],
                [ESCAPES, b"1", b"1", b"12", b"0", b"0"],
                [b"2000", b"1", b"1", b"12", b"0", b"0", ESCAPES],
                [b"--jd", b"0", b"--dibujo", b"/nonexistent" + ESCAPES + b"/x.svg"],
                [b"--jd", b"0", b"--dibujo", folder.encode() + b"/\xff\xfe" + ESCAPES + b".svg.x"],
                [b"--lugar", b"Pueblo" + ESCAPES, b"--noche"],
                [b"--zona", ESCAPES, b"2000", b"1", b"1", b"12", b"0", b"0"],
                [b"--desde", b"2000-01-01" + ESCAPES, b"--hasta", b"2000-01-02", b"--paso", b"1d"],
                [b"--noche", b"--lugar", b"40,-3", b"--instrumento", b"\x9b2J"],
            ]
            for args in cases:
                with self.subTest(args):
                    r = run(args)
                    self.assertEqual(r.returncode, 2, r.stderr)
                    self.assertNoRawControl(r.stdout + r.stderr, args)
                    self.assertIn(b"\\x", r.stderr)

    def test_a_home_files_name_is_escaped_and_json_stays_valid_utf8(self):
        with tempfile.TemporaryDirectory() as config:
            os.makedirs(os.path.join(config, "orbitas"))
            home = os.path.join(config, "orbitas", "orbitas.conf")
            with open(home, "wb") as f:
                f.write(b"[casa]\nnombre = Pueblo" + ESCAPES + b"\xff\xc2\x9b\nlatitud = 40\nlongitud = -3\n")
            for args in ([b"--noche", b"2026-12-08"], [b"--ortos", b"2026-12-08"], [b"--noche", b"2026-12-08", b"--json"],
                         [b"--ortos", b"2026-12-08", b"--json"]):
                with self.subTest(args):
                    r = run(args, config)
                    self.assertEqual(r.returncode, 0, r.stderr)
                    self.assertNoRawControl(r.stdout + r.stderr, args)
                    self.assertIn("no son UTF-8 válido", r.stderr.decode())
                    text = r.stdout.decode("utf-8")  # raises if not valid UTF-8
                    if b"--json" in args:
                        name = json.loads(text)["place"]["name"]
                        self.assertEqual(name, "Pueblo\x1b]0;PWNED\x07\x1b[2J\ufffd\x9b")
            # --guardar-lugar echoes the name it replaces on stdout.
            r = run([b"--guardar-lugar", b"40,-3"], config)
            self.assertEqual(r.returncode, 0, r.stderr)
            self.assertNoRawControl(r.stdout + r.stderr, "--guardar-lugar")
            self.assertIn(b"Pueblo\\x1B]0;PWNED\\x07", r.stdout)


if __name__ == "__main__":
    CLI = sys.argv[sys.argv.index("--cli") + 1]
    del sys.argv[1:]
    unittest.main(verbosity=2)
