#!/usr/bin/env python3
"""Checks every quoted #include against the CMake link graph.

Includes are spelled from the repository root ("platform/win32/Windows.h"),
so a compiler with the root on its include path finds any header of any
folder. That must not let a target use a header of a target it does not
link: each file's include is mapped to the target that owns the included
file, and that target must be the including file's own target or in its
transitive link closure.

The graph and the targets' sources come from CMake's file API (codemodel
version 2) of a configured build directory; the script writes the query and
re-runs CMake there to get a fresh reply.

Usage: tools/check_includes.py <build-dir>
Exit status: 0 clean, 1 violations found, 2 the build directory cannot be read.
"""

import json
import os
import re
import subprocess
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
HEADER_SUFFIXES = {".h", ".hpp", ".inl"}
SOURCE_SUFFIXES = {".c", ".cc", ".cpp", ".cxx"}
LIBRARY_TYPES = {"STATIC_LIBRARY", "SHARED_LIBRARY", "OBJECT_LIBRARY", "INTERFACE_LIBRARY", "MODULE_LIBRARY"}


def read_codemodel(build):
    query = build / ".cmake" / "api" / "v1" / "query" / "codemodel-v2"
    query.parent.mkdir(parents=True, exist_ok=True)
    query.touch()
    subprocess.run(["cmake", str(build)], check=True, stdout=subprocess.DEVNULL)
    reply = build / ".cmake" / "api" / "v1" / "reply"
    index = max(reply.glob("index-*.json"))
    index_data = json.loads(index.read_text())
    codemodel_file = index_data["reply"]["codemodel-v2"]["jsonFile"]
    codemodel = json.loads((reply / codemodel_file).read_text())
    source_root = Path(codemodel["paths"]["source"])
    targets = {}
    for configuration in codemodel["configurations"][:1]:
        for entry in configuration["targets"]:
            data = json.loads((reply / entry["jsonFile"]).read_text())
            targets[data["id"]] = data
    return source_root, targets


class Graph:
    def __init__(self, source_root, targets):
        self.root = source_root
        self.targets = targets
        self.name = {tid: t["name"] for tid, t in targets.items()}
        self.deps = {tid: [d["id"] for d in t.get("dependencies", [])] for tid, t in targets.items()}
        self.sources = {}
        for tid, t in targets.items():
            files = set()
            for source in t.get("sources", []):
                path = Path(source["path"])
                if not path.is_absolute():
                    path = source_root / path
                files.add(path.resolve())
            self.sources[tid] = files
        self._closure = {}

    def closure(self, tid):
        if tid not in self._closure:
            seen, stack = set(), [tid]
            while stack:
                current = stack.pop()
                for dep in self.deps.get(current, []):
                    if dep not in seen:
                        seen.add(dep)
                        stack.append(dep)
            self._closure[tid] = seen
        return self._closure[tid]

    def is_library(self, tid):
        return self.targets[tid]["type"] in LIBRARY_TYPES

    def owners(self, path):
        """The targets a file belongs to: those listing it, else (for a header)
        the library listing a source of the same name beside it, else the one
        library defined for the header's folder."""
        listed = [tid for tid, files in self.sources.items() if path in files]
        if listed:
            return listed
        if path.suffix not in HEADER_SUFFIXES:
            return []
        for suffix in SOURCE_SUFFIXES:
            sibling = path.with_suffix(suffix)
            listed = [tid for tid, files in self.sources.items() if sibling in files]
            if listed:
                return self.prefer_libraries(listed)
        folder = path.parent
        in_folder = [tid for tid, files in self.sources.items() if any(f.parent == folder for f in files)]
        in_folder = self.prefer_libraries(in_folder)
        # A header-only file in a folder of several targets must be listed
        # in its own target's sources; guessing would check it against the
        # wrong link closure.
        return in_folder if len(in_folder) == 1 else []

    def prefer_libraries(self, tids):
        libraries = [tid for tid in tids if self.is_library(tid)]
        return libraries or tids


def resolve(include, includer, root):
    beside = (includer.parent / include)
    if beside.is_file():
        return beside.resolve()
    from_root = root / include
    if from_root.is_file():
        return from_root.resolve()
    return None


def check(graph):
    problems = []
    files = set()
    for listed in graph.sources.values():
        files |= listed
    # Headers are checked as part of the target that owns them; reach them
    # through the includes of the listed files.
    pending = sorted(files)
    visited = set()
    while pending:
        path = pending.pop()
        if path in visited or not path.is_file():
            continue
        visited.add(path)
        if graph.root not in path.parents:
            continue
        owners = graph.owners(path)
        text = path.read_text(errors="replace")
        for include in INCLUDE.findall(text):
            target_file = resolve(include, path, graph.root)
            if target_file is None or graph.root not in target_file.parents:
                continue
            pending.append(target_file)
            if not owners:
                continue
            included_owners = graph.owners(target_file)
            relative = path.relative_to(graph.root)
            if not included_owners:
                problems.append(f"{relative}: \"{include}\" belongs to no target")
                continue
            for owner in owners:
                reachable = {owner} | graph.closure(owner)
                if not any(o in reachable for o in included_owners):
                    wanted = " or ".join(sorted(graph.name[o] for o in included_owners))
                    problems.append(f"{relative} ({graph.name[owner]}): \"{include}\" needs {wanted}, "
                                    f"which {graph.name[owner]} does not link")
    return sorted(set(problems)), len(visited)


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    build = Path(argv[1]).resolve()
    if not (build / "CMakeCache.txt").is_file():
        print(f"check_includes: {build} is not a configured build directory", file=sys.stderr)
        return 2
    root, targets = read_codemodel(build)
    problems, checked = check(Graph(root.resolve(), targets))
    for problem in problems:
        print(problem)
    print(f"check_includes: {checked} files, {len(problems)} include(s) outside the link graph")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
