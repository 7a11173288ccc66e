"""Runs of the generator: the same bytes every time, the other layout variants, and failures."""

import contextlib
import io
import os
import shutil
import tempfile
import unittest

from skinart import build, files, keyboard

from . import support


def files_below(top):
    return sorted(os.path.relpath(os.path.join(folder, name), top)
                  for folder, _, names in os.walk(top) for name in names)


class Runs(unittest.TestCase):
    def test_a_second_run_writes_the_same_bytes(self):
        first, second = support.skin(), support.fresh_skin()
        self.assertEqual(files_below(first), files_below(second))
        for name in files_below(first):
            with open(os.path.join(first, name), "rb") as a, open(os.path.join(second, name), "rb") as b:
                self.assertTrue(a.read() == b.read(), f"{name} differs between runs")

    def test_a_run_removes_stale_pictures_and_keeps_other_files(self):
        folder = tempfile.mkdtemp()
        try:
            os.mkdir(os.path.join(folder, "109"))
            for name in ("old_normal.png", "keep.txt", "109/old_normal.png"):
                with open(os.path.join(folder, name), "wb") as f:
                    f.write(b"x")
            skin = files.SkinFolder()
            skin.add("new_normal.png", b"y")
            skin.add("109/new_normal.png", b"z")
            skin.write(folder)
            self.assertEqual(["109/new_normal.png", "keep.txt", "new_normal.png"], files_below(folder))
        finally:
            shutil.rmtree(folder)

    def test_two_pictures_of_one_name_are_refused(self):
        skin = files.SkinFolder()
        skin.add("a.png", b"1")
        with self.assertRaises(ValueError):
            skin.add("a.png", b"2")

    def test_the_other_variants_draw_their_own_enter_key(self):
        layout = keyboard.read_layout(support.LAYOUT)
        for variant in (1, 2):
            with self.subTest(variant=variant):
                folder = keyboard.variant_folder(layout, variant)
                header = support.bmp_header(support.read(f"{folder}/layer1_enter_normal.bmp"))
                polygon = keyboard.enter_shape(variant, layout[variant]["enter"])
                corner = layout[variant]["enter"]
                self.assertEqual((max(x for x, _ in polygon) - corner[0], max(y for _, y in polygon) - corner[1]),
                                 (header["width"], header["height"]))

    def test_a_missing_layout_file_fails_with_a_message(self):
        err = io.StringIO()
        with contextlib.redirect_stderr(err):
            status = build.main(["--out", tempfile.gettempdir(), "--layout", "/nonexistent/KeyLayout.def"])
        self.assertEqual(1, status)
        self.assertIn("KeyLayout.def", err.getvalue())

    def test_a_variant_missing_from_the_layout_file_fails(self):
        with tempfile.NamedTemporaryFile("w", suffix=".def", delete=False) as f:
            f.write("KEYS(0, 0, 1, 84, 209, 60, 45, 0)\nENTER_KEY(0, 621, 307)\n")
        try:
            with self.assertRaises(keyboard.LayoutError):
                build.generate(tempfile.gettempdir(), variant=2, layout_path=f.name)
        finally:
            os.remove(f.name)


if __name__ == "__main__":
    unittest.main()
