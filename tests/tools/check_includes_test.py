#!/usr/bin/env python3
"""The include check on a small made-up tree: which includes it must reject,
and which header owners it must find, without configuring CMake."""

import runpy
import sys
import tempfile
import types
import unittest
from pathlib import Path

check_includes = types.SimpleNamespace(**runpy.run_path(sys.argv.pop(1)))


def target(tid, kind, sources, deps=()):
    return {"id": tid, "name": tid, "type": kind,
            "sources": [{"path": s} for s in sources],
            "dependencies": [{"id": d} for d in deps]}


class IncludeCheck(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.root = Path(self.folder.name).resolve()

    def tearDown(self):
        self.folder.cleanup()

    def write(self, path, *includes):
        file = self.root / path
        file.parent.mkdir(parents=True, exist_ok=True)
        file.write_text("".join(f'#include "{i}"\n' for i in includes))

    def problems(self, targets):
        graph = check_includes.Graph(self.root, {t["id"]: t for t in targets})
        return check_includes.check(graph)[0]

    def test_an_include_reached_only_through_a_link_arrow_passes_and_without_it_fails(self):
        self.write("low/Low.h")
        self.write("low/Low.cpp", "low/Low.h")
        self.write("mid/Mid.h", "low/Low.h")
        self.write("mid/Mid.cpp", "mid/Mid.h")
        self.write("top/Top.cpp", "mid/Mid.h", "low/Low.h")
        linked = [target("low", "STATIC_LIBRARY", ["low/Low.cpp"]),
                  target("mid", "STATIC_LIBRARY", ["mid/Mid.cpp"], ["low"]),
                  target("top", "EXECUTABLE", ["top/Top.cpp"], ["mid"])]
        self.assertEqual(self.problems(linked), [])
        unlinked = [target("low", "STATIC_LIBRARY", ["low/Low.cpp"]),
                    target("mid", "STATIC_LIBRARY", ["mid/Mid.cpp"]),
                    target("top", "EXECUTABLE", ["top/Top.cpp"], ["mid"])]
        found = self.problems(unlinked)
        self.assertEqual(len(found), 2, found)
        self.assertTrue(any(p.startswith("mid/Mid.h (mid)") for p in found), found)
        self.assertTrue(any(p.startswith("top/Top.cpp (top)") for p in found), found)

    def test_a_header_only_file_in_a_folder_of_several_targets_must_be_listed(self):
        self.write("shared/A.cpp")
        self.write("shared/B.cpp")
        self.write("shared/Only.h")
        self.write("user/User.cpp", "shared/Only.h")
        unlisted = [target("a", "STATIC_LIBRARY", ["shared/A.cpp"]),
                    target("b", "STATIC_LIBRARY", ["shared/B.cpp"]),
                    target("user", "EXECUTABLE", ["user/User.cpp"], ["a", "b"])]
        self.assertEqual(self.problems(unlisted), ['user/User.cpp: "shared/Only.h" belongs to no target'])
        listed = [target("a", "STATIC_LIBRARY", ["shared/A.cpp", "shared/Only.h"]),
                  target("b", "STATIC_LIBRARY", ["shared/B.cpp"]),
                  target("user", "EXECUTABLE", ["user/User.cpp"], ["a"])]
        self.assertEqual(self.problems(listed), [])

    def test_includes_beside_the_file_and_outside_the_tree_are_left_alone(self):
        self.write("tool/Local.h")
        self.write("tool/Main.cpp", "Local.h", "not/in/the/tree.h")
        self.assertEqual(self.problems([target("tool", "EXECUTABLE", ["tool/Main.cpp"])]), [])


if __name__ == "__main__":
    unittest.main()
