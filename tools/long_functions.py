#!/usr/bin/env python3
"""Functions longer than a limit in the program's sources (not the tests'
or benchmarks'), from a definition's first line to its closing brace, as
clang-format lays them out: a body opens at the end of its signature and
closes alone at the signature's indentation.
Usage: tools/long_functions.py [LIMIT] [FOLDER...]
       tools/long_functions.py --check   fails when one is over 60 lines, or
                                         more than three are over 50"""
import pathlib
import re
import sys

check = sys.argv[1:] == ["--check"]
if check:
    sys.argv = sys.argv[:1]
limit = int(sys.argv[1]) if len(sys.argv) > 1 else 50
root = pathlib.Path(__file__).resolve().parent.parent
folders = sys.argv[2:] or [p.name for p in root.iterdir()
                           if p.is_dir() and (p / "CMakeLists.txt").exists()
                           and p.name not in ("tests", "bench")]
not_functions = re.compile(r"^\s*(if|for|while|switch|else|do|try|catch|namespace|class|struct|"
                           r"enum|union|return|case|default)\b")
found = []
for folder in folders:
    for path in sorted((root / folder).rglob("*.cpp")) + sorted((root / folder).rglob("*.h")):
        lines = path.read_text(errors="replace").splitlines()
        i = 0
        while i < len(lines):
            line = lines[i]
            indent = re.match(r"^(\s*)", line).group(1)
            if line.endswith("{") and not line.lstrip().startswith("//"):
                # the signature: this line and those above it since the last
                # statement, brace or comment at the same indentation
                first = i
                while first > 0:
                    above = lines[first - 1]
                    if (not above.strip() or above.rstrip().endswith((";", "{", "}", "*/"))
                            or re.search(r"(public|private|protected):$", above)
                            or above.lstrip().startswith(("//", "#"))):
                        break
                    first -= 1
                signature = " ".join(l.strip() for l in lines[first:i + 1])
                indent = re.match(r"^(\s*)", lines[first]).group(1)
                if ("(" in signature and ")" in signature and not not_functions.match(lines[first])
                        and not lines[first].lstrip().startswith("{")
                        and "= [" not in signature and "[&" not in signature and "[this" not in signature
                        and not re.search(r"=\s*\{$", signature) and "](" not in signature
                        # an aggregate's members (a form's template), not a body
                        and not (first > 0 and re.search(r"=\s*\{$", lines[first - 1]))):
                    end = i + 1
                    while end < len(lines) and not (lines[end].startswith(indent + "}")
                                                    and re.match(r"^(\s*)", lines[end]).group(1) == indent):
                        end += 1
                    length = end - first + 1
                    if length > limit:
                        found.append((length, f"{path.relative_to(root)}:{first + 1}",
                                      re.sub(r"\s+", " ", signature)[:80]))
                    i = end
            i += 1
for length, where, name in sorted(found, reverse=True):
    print(f"{length:4} {where}  {name}")
print(f"{len(found)} over {limit} lines", file=sys.stderr)
if check and (any(length > 60 for length, _, _ in found) or len(found) > 3):
    print("functions: none may be over 60 lines, at most three over 50", file=sys.stderr)
    sys.exit(1)
