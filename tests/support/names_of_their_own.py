#!/usr/bin/env python3
"""Fails when two of the files given declare the same name at namespace scope.

The test suite, and each library in the sanitizer build, is compiled several
files at a time, so a file's own helpers share one scope with the files
beside it. Two functions of one name then overload
each other, and a call may silently run the other file's; two types or
constants of one name stop the build only when their files happen to meet in
a batch. So every file's own names are its own. A declaration at namespace
scope starts at the line's first column (the code is clang-formatted).

Usage: names_of_their_own.py FILE...
"""

import collections
import re
import sys

DECLARATION = re.compile(
    r"(?:template\s*<[^>]*>\s*)?(?:(?:static|inline|constexpr|const|extern)\s+)*"
    r"(?:(?:struct|class|enum class|enum|union)\s+(?P<type>[A-Za-z_]\w*)"
    r"|using\s+(?P<alias>[A-Za-z_]\w*)\s*="
    r"|[A-Za-z_][\w:<>,\s*&]*?[\s*&](?P<name>[A-Za-z_]\w*)\s*[({=\[])"
)
NOT_DECLARATIONS = ("namespace", "using namespace", "TEST", "INSTANTIATE_TEST", "return")


def names_of(path):
    with open(path, encoding="utf-8") as source:
        for line in source:
            if not line[:1].isalpha() or line.startswith(NOT_DECLARATIONS):
                continue
            found = DECLARATION.match(line)
            if found:
                name = found.group("type") or found.group("alias") or found.group("name")
                if name != "main" and not name.startswith("operator"):
                    yield name


def main(paths):
    files = collections.defaultdict(set)
    for path in paths:
        for name in names_of(path):
            files[name].add(path)
    shared = {name: sorted(paths) for name, paths in files.items() if len(paths) > 1}
    for name, paths in sorted(shared.items()):
        print(f"{name}: {' '.join(paths)}")
    return 1 if shared else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
