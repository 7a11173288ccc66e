"""The looks of a window's pictures differ exactly where its controls are: every control shows its hover
and pressed looks at its own rectangle, and nothing changes anywhere else, so faces cut from the
pictures line up with the background around them."""

import unittest

from PIL import ImageChops, ImageStat

from skinart import keyboard, windows

from . import support


def difference_outside(a, b, boxes):
    """The bounding box of the pixels that differ between two pictures outside the given boxes."""
    diff = ImageChops.difference(a.convert("RGB"), b.convert("RGB"))
    for box in boxes:
        diff.paste((0, 0, 0), box)
    return diff.getbbox()


def mean_difference(a, b, box):
    diff = ImageChops.difference(a.convert("RGB").crop(box), b.convert("RGB").crop(box))
    return sum(ImageStat.Stat(diff).mean) / 3


class Faces(unittest.TestCase):
    def test_lossless_pictures_change_only_under_their_controls(self):
        for win in windows.MENUS + (windows.ABOUT,):
            faces = [f for f in win.faces if not (f == "normal" and win.menu and win.menu.get("background"))]
            boxes = [c.rect for c in win.controls]
            first = support.image(win.file_name(faces[0]))
            for face in faces[1:]:
                with self.subTest(set=win.set, face=face):
                    self.assertIsNone(difference_outside(first, support.image(win.file_name(face)), boxes))

    def test_the_keyboard_pictures_change_only_under_keys_and_buttons(self):
        # Every key also shows its pressed look at its own rectangle: each variant's key buttons, cut at its
        # rectangles, lie over the keys its pictures draw.
        layouts = keyboard.read_layout(support.LAYOUT)
        for variant, layout in sorted(layouts.items()):
            folder = keyboard.variant_folder(layouts, variant)
            corner = layout["enter"]
            boxes = [c.rect for c in windows.MAIN_CONTROLS] + list(layout["keys"].values())
            boxes.append((corner[0], corner[1], 714, 395))
            for layer in (1, 2, 3):
                rest = support.image(f"{folder}/main_layer{layer}_normal.png")
                for face in ("over", "down", "selected"):
                    with self.subTest(variant=variant, layer=layer, face=face):
                        other = support.image(f"{folder}/main_layer{layer}_{face}.png")
                        self.assertIsNone(difference_outside(rest, other, boxes))
                        if face == "down":
                            for slot, rect in layout["keys"].items():
                                self.assertGreater(mean_difference(rest, other, rect), 4, f"slot {slot}")

    def test_compressed_pictures_hardly_change_outside_their_controls(self):
        for win in windows.DIALOGS:
            if win.ext != "jpg":
                continue
            boxes = [(c.rect[0] - 2, c.rect[1] - 2, c.rect[2] + 2, c.rect[3] + 2) for c in win.controls]
            # several normal pictures differ in their accent colour; the over and down ones share one
            pairs = [("over", "down")] if "normal1" in win.faces else [("normal", "over"), ("normal", "down")]
            for first, second in pairs:
                with self.subTest(set=win.set, face=second):
                    diff = ImageChops.difference(support.image(win.file_name(first)),
                                                 support.image(win.file_name(second)))
                    for box in boxes:
                        diff.paste((0, 0, 0), box)
                    # compression noise only: nothing near a visible change
                    self.assertLess(max(hi for _, hi in diff.getextrema()), 40)

    def test_every_control_shows_its_hover_and_pressed_looks(self):
        cases = [(win, c) for win in windows.DIALOGS + windows.MENUS for c in win.controls]
        cases += [(None, c) for c in windows.MAIN_CONTROLS]
        for win, control in cases:
            name = (lambda face: win.file_name(face)) if win else (lambda face: f"main_layer1_{face}.png")
            rest_face = win.faces[0] if win else "normal"
            if win and win.menu and win.menu.get("background"):
                rest_face = "down"
            rest = support.image(name(rest_face))
            for face in ("over", "down"):
                if control.state_in(face) == control.state_in("normal") or face == rest_face:
                    continue
                with self.subTest(set=win.set if win else "main", control=control.name, face=face):
                    self.assertGreater(mean_difference(rest, support.image(name(face)), control.rect), 4)

    def test_display_only_controls_look_the_same_in_every_picture(self):
        for win in windows.DIALOGS:
            for control in win.controls:
                if control.state_in("over") == control.state_in("down") == "normal":
                    with self.subTest(set=win.set, control=control.name):
                        rest = support.image(win.file_name(win.faces[0]))
                        for face in ("over", "down"):
                            self.assertLess(mean_difference(rest, support.image(win.file_name(face)),
                                                            control.rect), 2)


if __name__ == "__main__":
    unittest.main()
