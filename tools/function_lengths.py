#!/usr/bin/env python3
"""The project's functions longer than a limit, and its files longer than
another, from the C++ sources' braces: a brace that follows a parameter
list (and is not inside another function) opens a function; lambdas and
blocks inside it count as its own lines. Generated tables (.inc) are not
read.
Usage: function_lengths.py [--max-function N] [--max-file N] [--check] [--self-test] [TOP]
With --check, exits 1 when anything is over its limit; with --self-test,
also when the count misses a planted long function or flags a short one."""
import os
import re
import sys

FOLDERS = ["runtime", "calendar", "ephemeris", "sky", "session", "report", "pictures", "window", "app", "cli",
           "accuracy", "bench", "fuzz"]
OPENS_TYPE = re.compile(r"\b(namespace|class|struct|union|enum)\b")
FUNCTION_TAIL = re.compile(r"\)\s*(const\s*)?(noexcept\s*)?(override\s*)?(final\s*)?(->\s*[\w:<>,\s\*&]+)?$")


def code_only(text):
    """The text with comments, strings and characters blanked, lines kept."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append("\n" * text.count("\n", i, j))
            i = j
        elif text.startswith('R"', i):
            m = re.match(r'R"([^(]*)\(', text[i:])
            end = text.find(")" + m.group(1) + '"', i) if m else -1
            j = n if end < 0 else end + len(m.group(1)) + 2
            out.append('""' + "\n" * text.count("\n", i, j))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def functions(path):
    """(name, first line, last line) of each function defined in path."""
    code = code_only(open(path, encoding="utf-8").read())
    code = "\n".join("" if line.lstrip().startswith("#") else line for line in code.split("\n"))
    stack, found, head_start = [], [], 0
    line = 1
    for i, c in enumerate(code):
        if c == "\n":
            line += 1
        elif c == "{":
            head = code[head_start:i]
            inside_function = any(kind == "function" for kind, _, _ in stack)
            flat = " ".join(head.split())
            if inside_function:
                kind = "block"
            elif OPENS_TYPE.search(flat) and "(" not in flat.split("=")[0]:
                kind = "type"
            elif FUNCTION_TAIL.search(flat) or re.search(r"\)\s*:\s*\w.*[\)\}]$", flat):
                kind = "function"
            else:
                kind = "block"
            first = line - code[head_start:i].strip("\n ").count("\n") if flat else line
            name = re.findall(r"([~\w:]+)\s*\(", flat)
            stack.append((kind, first, name[0] if name else "?"))
            head_start = i + 1
        elif c == "}":
            if stack:
                kind, first, name = stack.pop()
                if kind == "function":
                    found.append((name, first, line))
            head_start = i + 1
        elif c == ";":
            head_start = i + 1
    return found


def self_test():
    """Planted functions of 61 and 60 lines (a class's member, a lambda and
    a block inside) must be found and passed over in turn."""
    import tempfile
    def body(lines):
        return "  int x = 0;\n  auto f = [&] {\n    return x;\n  };\n" + "  x += 1;\n" * lines
    source = ("namespace a {\nstruct S {\n  int Long() const {\n" + body(52) + "    if (x) {\n      x = 2;\n    }\n  }\n};\n"
              "int Short(int y) {\n" + body(50) + "  {\n    y = 1;\n  }\n  return y;\n}\n}  // namespace a\n")
    with tempfile.NamedTemporaryFile("w", suffix=".cpp", delete=False) as f:
        f.write(source)
    found = {name: last - first + 1 for name, first, last in functions(f.name)}
    os.unlink(f.name)
    return found == {"Long": 61, "Short": 60}


def main():
    args = sys.argv[1:]
    top = os.path.abspath(args[-1]) if args and not args[-1].startswith("--") and not args[-1].isdigit() else "."
    limit = int(args[args.index("--max-function") + 1]) if "--max-function" in args else 60
    file_limit = int(args[args.index("--max-file") + 1]) if "--max-file" in args else 500
    over = []
    for folder in FOLDERS:
        for root, _, files in os.walk(os.path.join(top, folder)):
            for name in sorted(files):
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.join(root, name)
                where = os.path.relpath(path, top)
                lines = open(path, encoding="utf-8").read().count("\n")
                if lines > file_limit:
                    over.append(f"{where}: {lines} lines (file)")
                for function, first, last in functions(path):
                    if last - first + 1 > limit:
                        over.append(f"{where}:{first}: {function} {last - first + 1} lines")
    for item in over:
        print(item)
    print(f"{len(over)} over the limits ({limit} lines a function, {file_limit} a file)")
    if "--self-test" in args and not self_test():
        print("FAIL: the planted functions were not measured right")
        return 1
    return 1 if "--check" in args and over else 0


if __name__ == "__main__":
    sys.exit(main())
