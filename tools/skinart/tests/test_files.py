"""Every file the program opens exists, under its exact name, in its format and at a size that holds
everything its window puts on it."""

import os
import struct
import unittest

from skinart import windows

from . import support

DIALOG_SETS = ["advance", "key behavior", "mouse button", "program selection", "macro", "profile selection",
               "quick switch", "warning"]
MENU_SETS = ["advance menu", "key function", "Internet", "office", "media", "additional", "macro menu1",
             "macro menu2", "macro menu3", "switch menu1", "switch menu2"]
REGION_SETS = ["mouse left", "mouse right", "mouse middle", "mouse up", "mouse down", "macro mouse left",
               "macro mouse right", "macro mouse middle"]


def keyboard_pictures():
    """The names of the keyboard pictures, which depend on the layout variant."""
    return {name for layer in (1, 2, 3) for face in ("normal", "over", "down", "selected")
            for name in (f"main_layer{layer}_{face}.png", f"layer{layer}_enter_{face}.bmp")}


def expected_names():
    """The names the windows ask for, spelled out here on purpose rather than taken from the generator."""
    names = {"about_n.png", "about_o.png", "about_d.png", "main_mask1.bmp", "main_mask2.bmp", "logo_L.png",
             "logo_R.png", "profile switch_normal1.jpg", "profile switch_normal2.jpg",
             "profile switch_normal3.jpg", "profile switch_over.jpg", "profile switch_down.jpg",
             "profile switch_mask.bmp"}
    for s in DIALOG_SETS:
        names |= {f"{s}_normal.jpg", f"{s}_over.jpg", f"{s}_down.jpg", f"{s}_mask.bmp"}
    for s in MENU_SETS:
        names |= {f"{s}_normal.png", f"{s}_over.png", f"{s}_down.png", f"{s}_mask.bmp"}
    for s in REGION_SETS:
        names |= {f"{s}_n.bmp", f"{s}_o.bmp", f"{s}_d.bmp"}
    return names | keyboard_pictures()


def png_chunks(data):
    chunks, pos = [], 8
    while pos < len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        chunks.append(kind.decode("ascii"))
        pos += 12 + length
    return chunks


def jpeg_markers(data):
    markers, pos = [], 2
    while pos < len(data) and data[pos] == 0xFF:
        marker = data[pos + 1]
        markers.append(marker)
        if marker == 0xDA:          # image data follows
            break
        pos += 2 + struct.unpack_from(">H", data, pos + 2)[0]
    return markers


class NamesAndFormats(unittest.TestCase):
    def test_exactly_the_named_files_exist(self):
        top = support.skin()
        present = {n for n in os.listdir(top) if os.path.isfile(os.path.join(top, n))}
        self.assertEqual(set(), expected_names() - present, "missing")
        self.assertEqual(set(), present - expected_names(), "not asked for")

    def test_each_variant_has_its_own_keyboard_pictures_and_the_104_key_ones_lie_on_top(self):
        folders = {n for n in os.listdir(support.skin()) if os.path.isdir(support.path(n))}
        self.assertEqual({"104", "105", "109"}, folders)
        for folder in sorted(folders):
            with self.subTest(folder=folder):
                self.assertEqual(keyboard_pictures(), set(os.listdir(support.path(folder))))
        for name in sorted(keyboard_pictures()):
            with self.subTest(name=name):
                top, ansi, iso, jis = (support.read(n) for n in (name, "104/" + name, "105/" + name, "109/" + name))
                self.assertEqual(top, ansi)
                self.assertNotEqual(ansi, jis)
                if name.startswith("main_"):  # the Enter keys of 104 and 105 keys look alike
                    self.assertNotEqual(ansi, iso)

    def test_each_file_is_in_the_format_its_name_says(self):
        for name in sorted(expected_names()):
            with self.subTest(name=name):
                with open(support.path(name), "rb") as f:
                    data = f.read()
                if name.endswith(".png"):
                    self.assertEqual(b"\x89PNG\r\n\x1a\n", data[:8])
                    # no time stamp or text that could differ between runs
                    self.assertEqual(set(), set(png_chunks(data)) - {"IHDR", "IDAT", "IEND", "PLTE"})
                elif name.endswith(".jpg"):
                    markers = jpeg_markers(data)
                    self.assertEqual(b"\xff\xd8", data[:2])
                    self.assertIn(0xC0, markers, "a baseline picture, which every picture loader reads")
                    self.assertNotIn(0xE1, markers, "no Exif block")
                else:
                    h = support.bmp_header(data)
                    self.assertEqual(b"BM", h["magic"])
                    self.assertEqual((40, 24, 0, 54), (h["info_size"], h["bits"], h["compression"], h["offset"]))
                    self.assertGreater(h["height"], 0, "bottom-up rows")
                    stride = (h["width"] * 3 + 3) & ~3
                    self.assertEqual(54 + stride * h["height"], len(data))
                    self.assertEqual(len(data), h["file_size"])

    def test_pictures_are_opaque_except_the_logos(self):
        for name in sorted(expected_names()):
            if name.endswith(".png") and not name.startswith("logo_"):
                with self.subTest(name=name):
                    self.assertEqual("RGB", support.image(name).mode)
        for name in ("logo_L.png", "logo_R.png"):
            self.assertEqual("RGBA", support.image(name).mode)


class Sizes(unittest.TestCase):
    def sets(self):
        """Every set's files, grouped by set."""
        groups = {}
        for name in expected_names():
            if name.startswith("logo_"):
                continue
            if name.startswith("main_"):
                key = "main"
            elif name.startswith("about_"):
                key = "about"
            else:
                key = name.rsplit("_", 1)[0]
            groups.setdefault(key, []).append(name)
        return groups

    def test_all_faces_of_a_set_share_one_size(self):
        for key, names in sorted(self.sets().items()):
            with self.subTest(set=key):
                sizes = {support.image(n).size for n in names}
                self.assertEqual(1, len(sizes), f"{key}: {sizes}")

    def test_sizes_the_program_assumes(self):
        self.assertEqual((181, 295), support.image("key function_normal.png").size)
        self.assertEqual((345, 200), support.image("about_n.png").size)

    def test_every_control_and_text_lies_inside_its_pictures(self):
        for win in windows.DIALOGS + windows.MENUS:
            width, height = support.image(win.file_name(win.faces[0])).size
            for box in [c.rect for c in win.controls] + list(win.texts):
                with self.subTest(set=win.set, box=box):
                    left, top, right, bottom = box
                    self.assertTrue(0 <= left < right <= width and 0 <= top < bottom <= height)

    def test_the_main_window_holds_its_controls_keys_and_version_text(self):
        width, height = support.image("main_layer1_normal.png").size
        boxes = [c.rect for c in windows.MAIN_CONTROLS] + list(windows.MAIN_TEXTS)
        boxes.append((813, 685, 983, 700))      # the version text
        for box in boxes:
            with self.subTest(box=box):
                self.assertTrue(box[2] <= width and box[3] <= height)
        for name, corner in (("logo_L.png", (84, 59)), ("logo_R.png", (760, 540))):
            w, h = support.image(name).size
            self.assertLessEqual(corner[0] + w, width)
            self.assertLessEqual(corner[1] + h, height)


class MenuLayout(unittest.TestCase):
    def test_a_kind_0_menu_of_eleven_entries(self):
        tops = [r[1] for r in windows.menu_entries(0, 11, 181)]
        self.assertEqual([10, 32, 54, 90, 112, 134, 156, 192, 214, 236, 258], tops)

    def test_each_menu_skin_holds_the_entries_its_owner_adds(self):
        # (set, kind, entries, submenu): the owners' menus and the submenus' item counts
        cases = [("key function", 0, 11, False), ("Internet", 1, 8, True), ("office", 0, 13, True),
                 ("media", 2, 8, True), ("additional", 1, 10, True), ("advance menu", 2, 4, False),
                 ("switch menu1", 1, 3, False), ("switch menu2", 1, 4, False), ("macro menu1", 3, 4, False),
                 ("macro menu2", 3, 2, False), ("macro menu3", 4, 10, False)]
        for set_name, kind, count, submenu in cases:
            with self.subTest(set=set_name):
                width, height = support.image(f"{set_name}_normal.png").size
                if submenu:
                    rects = windows.submenu_entries(kind, count)
                else:
                    rects = windows.menu_entries(kind, count, width)
                self.assertLessEqual(rects[-1][3], height)
                self.assertLessEqual(max(r[2] for r in rects), width)

    def test_submenus_use_the_kind_their_parent_position_gives(self):
        kinds = {m.set: m.menu["kind"] for m in windows.MENUS if m.menu["submenu"]}
        self.assertEqual({"Internet": 1, "office": 0, "media": 2, "additional": 1}, kinds)


if __name__ == "__main__":
    unittest.main()
