"""Masks give the windows their shapes: pure white outside, never pure white where a control sits."""

import unittest

from skinart import keyboard, windows

from . import support


def samples(box):
    """The centre and the four corners, one pixel in, of a rectangle."""
    left, top, right, bottom = box
    return [((left + right) // 2, (top + bottom) // 2), (left + 1, top + 1), (right - 2, top + 1),
            (left + 1, bottom - 2), (right - 2, bottom - 2)]


class Masks(unittest.TestCase):
    def mask(self, name):
        return support.image(name).convert("RGB")

    def test_masks_are_white_and_black_only(self):
        names = [f"{w.set}_mask.bmp" for w in windows.DIALOGS + windows.MENUS if w.mask]
        for name in names + ["main_mask1.bmp", "main_mask2.bmp"]:
            with self.subTest(name=name):
                colours = {c for _, c in self.mask(name).getcolors(1 << 24)}
                self.assertLessEqual(colours, {support.WHITE, (0, 0, 0)})
                self.assertEqual(2, len(colours), "a shape with an outside")

    def test_controls_and_texts_are_inside_their_window(self):
        for win in windows.DIALOGS + windows.MENUS:
            if not win.mask:
                continue
            mask = self.mask(f"{win.set}_mask.bmp")
            for box in [c.rect for c in win.controls] + list(win.texts):
                for xy in samples(box):
                    with self.subTest(set=win.set, box=box, point=xy):
                        self.assertNotEqual(support.WHITE, mask.getpixel(xy))

    def test_region_buttons_lie_on_their_dialog(self):
        for win in windows.DIALOGS:
            if not win.regions:
                continue
            mask = self.mask(f"{win.set}_mask.bmp")
            for button in win.regions:
                with self.subTest(button=button.name):
                    x0, y0 = button.corner
                    for x, y in support.inside_of(f"{button.name}_n.bmp"):
                        if mask.getpixel((x0 + x, y0 + y)) == support.WHITE:
                            self.fail(f"{button.name} pixel {(x, y)} is outside the dialog")

    def test_the_main_window_shapes(self):
        one, two = self.mask("main_mask1.bmp"), self.mask("main_mask2.bmp")
        self.assertEqual(support.image("main_layer1_normal.png").size, two.size)
        self.assertEqual(one.size, two.size)
        layout = keyboard.read_layout(support.LAYOUT)
        boxes = [c.rect for c in windows.MAIN_CONTROLS] + list(windows.MAIN_TEXTS)
        boxes += list(layout[0]["keys"].values())
        for box in boxes:
            for xy in samples(box):
                with self.subTest(box=box, point=xy):
                    self.assertNotEqual(support.WHITE, one.getpixel(xy))
                    self.assertNotEqual(support.WHITE, two.getpixel(xy))
        # with the panel out the shape only grows: nothing the first shape shows disappears
        for y in range(0, one.height, 3):
            for x in range(0, one.width, 3):
                if one.getpixel((x, y)) != support.WHITE:
                    self.assertNotEqual(support.WHITE, two.getpixel((x, y)), (x, y))
        # and it reaches out under the panel, which lies from x 576 to 1066 along the top edge
        self.assertEqual(support.WHITE, one.getpixel((600, 40)))
        self.assertNotEqual(support.WHITE, two.getpixel((600, 40)))
        self.assertEqual(support.WHITE, one.getpixel((0, 0)))


if __name__ == "__main__":
    unittest.main()
