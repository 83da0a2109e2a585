#!/usr/bin/env python3
"""How many injected faults do the tests catch? Run by hand, not in CI.

    nice python3 scripts/mutate.py [--count 60] [--seed 1] [--with-soak] [--list]

Finds every mutation site in the program's sources (a comparison flipped, &&
and || swapped, a small integer literal plus one, a "+ 1" or "- 1" dropped, a
statement line dropped), draws --count of them with --seed, shared out among
the files in proportion to their lines of code, then builds and tests each
mutant alone in a scratch copy of the tree (--work, kept between runs so that
rebuilds are incremental). A mutant that does not build is not viable; a
failing or timed-out test run catches it. The draw depends only on the code
and the seed: after a change of the code the sites differ, and the closing
share is the figure that must not drop. --list shows the draw without running.
"""
import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FOLDERS = ("addition", "multiplication", "division", "common", "dialogs", "app", "ui")
HARNESS = {"ui/testing.cpp", "ui/testing.h"}  # drives the tests' widgets: not the program

# Blanked out before looking for sites, so that nothing is found inside them.
LITERALS_AND_COMMENTS = re.compile(r'"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'|//[^\n]*|/\*.*?\*/', re.S)
COMPARISON = re.compile(r"(?<=\s)(==|!=|<=|>=|<|>)(?=\s)")  # spaced, unlike template brackets
FLIPPED = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
LOGICAL = re.compile(r"(?<=\s)(&&|\|\|)(?=\s)")
# Larger literals are twips, colours and sizes, where one more is no fault.
SMALL_INTEGER = re.compile(r"(?<![\w.'])\d{1,2}(?![\w.'])")
PLUS_MINUS_ONE = re.compile(r" [+-] 1(?![\w.'])")
NOT_A_STATEMENT = re.compile(r"(return|using|namespace|typedef|template|class|struct|enum|friend|case|default"
                             r"|static_assert|public|protected|private)\b|[{}]")
DECLARATION = re.compile(r"((const|constexpr|static|inline|extern|virtual|explicit|unsigned|signed)\s+)*"
                         r"[A-Za-z_][\w:]*(<.*>)?[\s*&]+(const\s+)?[*&]*[A-Za-z_]\w*\s*([=;,({\[]|$)")


def sources():
    return sorted(p.relative_to(ROOT).as_posix() for folder in FOLDERS for p in (ROOT / folder).rglob("*")
                  if p.suffix in (".cpp", ".h") and p.relative_to(ROOT).as_posix() not in HARNESS)


def blanked(text):
    def blank(match):
        return re.sub(r"[^\n]", " ", match.group())
    return LITERALS_AND_COMMENTS.sub(blank, text)


def sites_in(path):
    """The file's lines of code and its sites: (path, line index, column, old text, new text or None to drop)."""
    code = blanked((ROOT / path).read_text(encoding="utf-8")).split("\n")
    sites, previous, lines_of_code = [], ";", 0
    scopes, head = [], ""  # the braces open at the line, "code" for a body, and what precedes the next brace

    def add(n, column, old, new):
        sites.append((path, n, column, old, new))

    for n, line in enumerate(code):
        statement = line.strip()
        if not statement:
            continue
        lines_of_code += 1
        if statement.startswith("#"):
            previous, head = ";", ""
            continue
        if not statement.startswith(("template", "operator")):
            for m in COMPARISON.finditer(line):
                add(n, m.start(), m.group(), FLIPPED[m.group()])
            for m in LOGICAL.finditer(line):
                add(n, m.start(), m.group(), "||" if m.group() == "&&" else "&&")
        for m in SMALL_INTEGER.finditer(line):
            add(n, m.start(), m.group(), str(int(m.group()) + 1))
        for m in PLUS_MINUS_ONE.finditer(line):
            add(n, m.start(), m.group(), "")
        # A whole statement on its own line, not the body of a braceless if or else.
        if (scopes[-1:] == ["code"] and statement.endswith(";") and previous[-1] in ";{}:"
                and statement.count("(") == statement.count(")")
                and not NOT_A_STATEMENT.match(statement) and not DECLARATION.match(statement)):
            add(n, 0, line, None)
        previous = statement
        for c in line:
            if c == "{":
                scopes.append("scope" if re.search(r"\b(namespace|class|struct|union|enum)\b", head) else "code")
            elif c == "}" and scopes:
                scopes.pop()
            head = "" if c in ";{}" else head + c
    return lines_of_code, sites


def draw(count, seed):
    """count sites shared out among the files by their lines of code (highest averages), drawn with seed."""
    found = {path: sites_in(path) for path in sources()}
    quota = dict.fromkeys(found, 0)
    for _ in range(count):
        open_files = [p for p in found if quota[p] < len(found[p][1])]
        if not open_files:
            break
        quota[max(open_files, key=lambda p: found[p][0] / (2 * quota[p] + 1))] += 1
    rng = random.Random(seed)
    chosen = [sorted(rng.sample(found[p][1], quota[p]), key=lambda s: s[1:3]) for p in found]
    return [site for sites in chosen for site in sites], sum(len(s) for _, s in found.values())


def describe(site):
    _, _, _, old, new = site
    if new is None:
        return "line dropped: " + (ROOT / site[0]).read_text(encoding="utf-8").split("\n")[site[1]].strip()[:60]
    return f"'{old.strip()}' dropped" if not new else f"'{old}' -> '{new}'"


def mutated(text, site):
    _, n, column, old, new = site
    lines = text.split("\n")
    lines[n] = "" if new is None else lines[n][:column] + new + lines[n][column + len(old):]
    return "\n".join(lines)


def sync(src):
    """The scratch copy made equal to the working tree; unchanged files keep their dates, so builds stay incremental."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=ROOT, capture_output=True, check=True).stdout.decode().split("\0")
    files = {f for f in listed if f and (ROOT / f).is_file()}
    for f in files:
        if not (src / f).is_file() or (src / f).read_bytes() != (ROOT / f).read_bytes():
            (src / f).parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(ROOT / f, src / f)
    for stale in [p for p in src.rglob("*") if p.is_file() and p.relative_to(src).as_posix() not in files]:
        stale.unlink()


def run(command, log, timeout=None):
    """The exit status, or None when the command outlived timeout; its whole process group never outlives it."""
    with open(log, "w") as out, subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT,
                                                 start_new_session=True) as process:
        try:
            return process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None
        finally:  # also when interrupted: the group is out of reach of the terminal's Ctrl+C
            if process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=60, help="mutants to draw (default 60)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the draw (default 1)")
    parser.add_argument("--with-soak", action="store_true", help="run the soak test too")
    parser.add_argument("--list", action="store_true", help="show the draw, run nothing")
    parser.add_argument("--timeout", type=float, help="seconds per test run (default: 3 times the clean run, 120 at least)")
    parser.add_argument("--work", type=Path, default=Path("/tmp") / f"tibalou-mutate-{ROOT.name}",
                        help="scratch copy and build (default /tmp/tibalou-mutate-<worktree>)")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))  # so that the scratch file is restored

    chosen, total = draw(args.count, args.seed)
    print(f"{len(chosen)} mutants drawn with seed {args.seed} among {total} sites", flush=True)
    if args.list:
        for site in chosen:
            print(f"{site[0]}:{site[1] + 1}  {describe(site)}")
        return 0

    src, build, log = args.work / "src", args.work / "build", args.work / "last.log"
    src.mkdir(parents=True, exist_ok=True)
    sync(src)
    build_command = ["cmake", "--build", str(build), "-j2"]
    test_command = ["ctest", "--test-dir", str(build), "-j2", "--stop-on-failure"]
    if not args.with_soak:
        test_command += ["-E", "^soak_test$"]
    if run(["cmake", "-S", str(src), "-B", str(build), "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], log) != 0 \
            or run(build_command, log) != 0:
        sys.exit(f"the unchanged tree does not build: see {log}")
    start = time.monotonic()
    if run(test_command, log) != 0:
        sys.exit(f"the tests fail on the unchanged tree: see {log}")
    timeout = args.timeout or max(120.0, 3 * (time.monotonic() - start))

    caught = viable = 0
    for site in chosen:
        path = src / site[0]
        original = path.read_bytes()
        path.write_text(mutated(original.decode("utf-8"), site), encoding="utf-8")
        try:
            if run(build_command, log) != 0:
                verdict = "not viable"
            else:
                viable += 1
                status = run(test_command, log, timeout)
                caught += status != 0
                verdict = "survived" if status == 0 else "caught (timed out)" if status is None else "caught"
        finally:
            path.write_bytes(original)
        print(f"{site[0]}:{site[1] + 1}  {describe(site)}  {verdict}", flush=True)
    share = 100 * caught / viable if viable else 0
    print(f"caught {caught} of {viable} viable mutants ({share:.1f} %)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
