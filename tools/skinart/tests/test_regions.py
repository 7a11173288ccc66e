"""Region-button bitmaps: the key colour outside their shape, the same shape in every look, and the
Enter key's files cut exactly from the keyboard picture around them."""

import unittest

from skinart import keyboard, windows

from . import support

ENTER_FACES = ("normal", "over", "down", "selected")


class RegionButtons(unittest.TestCase):
    def test_every_look_of_a_button_has_the_shape_of_its_first_picture(self):
        # The program builds the region from the first file only; the other looks must fill it exactly.
        for win in windows.DIALOGS:
            for button in win.regions:
                with self.subTest(button=button.name):
                    shape = support.inside_of(f"{button.name}_n.bmp")
                    self.assertTrue(shape)
                    for suffix in ("o", "d"):
                        self.assertEqual(shape, support.inside_of(f"{button.name}_{suffix}.bmp"))
                    width, height, _ = support.read_bmp24(f"{button.name}_n.bmp")
                    self.assertEqual(button.size, (width, height))
                    self.assertLess(len(shape), width * height, "the key colour marks an outside")

    def test_the_looks_differ(self):
        for name in ("mouse left", "mouse middle", "macro mouse right"):
            looks = [support.read_bmp24(f"{name}_{s}.bmp")[2] for s in ("n", "o", "d")]
            self.assertNotEqual(looks[0], looks[1])
            self.assertNotEqual(looks[0], looks[2])

    def test_buttons_of_one_dialog_do_not_overlap(self):
        for win in windows.DIALOGS:
            taken = {}
            for button in win.regions:
                x0, y0 = button.corner
                for x, y in support.inside_of(f"{button.name}_n.bmp"):
                    other = taken.setdefault((x0 + x, y0 + y), button.name)
                    if other != button.name:
                        self.fail(f"{button.name} and {other} share the pixel {(x0 + x, y0 + y)}")

    def test_the_wheel_sits_between_the_mouse_buttons(self):
        middle = {(180 + x, 71 + y) for x, y in support.inside_of("mouse middle_n.bmp")}
        left = {(126 + x, 49 + y) for x, y in support.inside_of("mouse left_n.bmp")}
        right = {(192 + x, 49 + y) for x, y in support.inside_of("mouse right_n.bmp")}
        self.assertLess(max(x for x, _ in left), min(x for x, _ in middle) + 24)
        self.assertTrue(max(x for x, _ in left) < 192 <= min(x for x, _ in right))


class EnterKey(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.layout = keyboard.read_layout(support.LAYOUT)
        cls.corner = cls.layout[0]["enter"]
        cls.shape = support.inside_of("layer1_enter_normal.bmp")

    def test_all_twelve_files_share_one_shape(self):
        for layer in (1, 2, 3):
            for face in ENTER_FACES:
                with self.subTest(layer=layer, face=face):
                    self.assertEqual(self.shape, support.inside_of(f"layer{layer}_enter_{face}.bmp"))

    def test_the_files_are_the_keyboard_picture_under_the_key(self):
        x0, y0 = self.corner
        for layer in (1, 2, 3):
            for face in ENTER_FACES:
                with self.subTest(layer=layer, face=face):
                    picture = support.image(f"main_layer{layer}_{face}.png")
                    _, _, pixels = support.read_bmp24(f"layer{layer}_enter_{face}.bmp")
                    for x, y in self.shape:
                        if pixels[(x, y)] != picture.getpixel((x0 + x, y0 + y)):
                            self.fail(f"pixel {(x, y)} differs from the window picture")

    def test_the_drawn_key_stays_inside_its_shape(self):
        # Pressed, every cap changes; around the Enter key only its own shape and other keys may differ.
        x0, y0 = self.corner
        width, height, _ = support.read_bmp24("layer1_enter_normal.bmp")
        rest, pressed = support.image("main_layer1_normal.png"), support.image("main_layer1_down.png")
        keys = list(self.layout[0]["keys"].values())
        for y in range(height):
            for x in range(width):
                point = (x0 + x, y0 + y)
                if (x, y) in self.shape or rest.getpixel(point) == pressed.getpixel(point):
                    continue
                on_key = any(k[0] <= point[0] < k[2] and k[1] <= point[1] < k[3] for k in keys)
                self.assertTrue(on_key, f"the Enter key is drawn outside its shape at {point}")

    def test_the_files_cover_no_other_key(self):
        x0, y0 = self.corner
        keys = self.layout[0]["keys"]
        for x, y in self.shape:
            for slot, k in keys.items():
                if k[0] <= x0 + x < k[2] and k[1] <= y0 + y < k[3]:
                    self.fail(f"the Enter key covers slot {slot} at {(x0 + x, y0 + y)}")

    def test_the_outline_covers_no_other_key_in_any_variant(self):
        for variant, layout in sorted(self.layout.items()):
            polygon = keyboard.enter_shape(variant, layout["enter"])
            self.assertEqual(layout["enter"], (min(x for x, _ in polygon), min(y for _, y in polygon)))
            for slot, (left, top, right, bottom) in layout["keys"].items():
                for y in range(top, bottom):
                    for x in (left, right - 1):
                        self.assertFalse(inside(polygon, x + 0.5, y + 0.5), f"variant {variant} slot {slot}")
                for x in range(left, right):
                    for y in (top, bottom - 1):
                        self.assertFalse(inside(polygon, x + 0.5, y + 0.5), f"variant {variant} slot {slot}")


def inside(polygon, x, y):
    """Even-odd test of a point against a polygon."""
    result = False
    for (ax, ay), (bx, by) in zip(polygon, polygon[1:] + polygon[:1]):
        if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
            result = not result
    return result

if __name__ == "__main__":
    unittest.main()
