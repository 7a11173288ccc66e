"""Reading the key layout file, the legends of each slot, and the outline arithmetic of the Enter key."""

import os
import tempfile
import unittest

from skinart import keyboard, keycaps

from . import support


class ReadLayout(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.layout = keyboard.read_layout(support.LAYOUT)

    def test_slot_counts_of_the_three_variants(self):
        # the Enter key is a button of its own and counts among the keys shown
        counts = {v: len(l["keys"]) + 1 for v, l in self.layout.items()}
        self.assertEqual({0: 104, 1: 105, 2: 109}, counts)

    def test_rectangles_of_the_runs(self):
        keys = {v: l["keys"] for v, l in self.layout.items()}
        cases = [  # variant, slot, (left, top, right, bottom)
            (0, 0, (84, 209, 144, 254)), (0, 22, (336, 261, 378, 306)), (0, 47, (483, 307, 525, 352)),
            (0, 50, (608, 307, 650, 352)), (0, 58, (997, 306, 1039, 392)), (0, 94, (250, 440, 497, 483)),
            (1, 75, (138, 396, 180, 439)), (1, 95, (250, 440, 497, 483)), (2, 71, (620, 352, 662, 395)),
            (2, 97, (301, 440, 448, 483)), (2, 108, (957, 436, 999, 479)),
        ]
        for variant, slot, rect in cases:
            with self.subTest(variant=variant, slot=slot):
                self.assertEqual(rect, keys[variant][slot])
        for variant in keys:
            self.assertNotIn(keyboard.ENTER_SLOT, keys[variant])
        self.assertEqual((621, 307), self.layout[0]["enter"])
        self.assertEqual((651, 309), self.layout[2]["enter"])

    def test_a_damaged_file_is_refused(self):
        cases = {
            "not a key line": "KEYS(0, 0, 1, 84, 209, 60, 45)\nENTER_KEY(0, 621, 307)\n",
            "slot twice": "KEYS(0, 0, 2, 84, 209, 60, 45, 0)\nKEYS(0, 1, 1, 9, 9, 9, 9, 0)\nENTER_KEY(0, 1, 1)\n",
            "slot out of range": "KEYS(0, 108, 3, 84, 209, 60, 45, 42)\nENTER_KEY(0, 621, 307)\n",
            "the Enter slot as a key": "KEYS(0, 50, 2, 84, 209, 60, 45, 42)\nENTER_KEY(0, 621, 307)\n",
            "no Enter key": "KEYS(0, 0, 1, 84, 209, 60, 45, 0)\n",
            "garbage": "KEYS(0, x, 1, 84, 209, 60, 45, 0)\n",
        }
        for name, text in cases.items():
            with self.subTest(case=name):
                with tempfile.NamedTemporaryFile("w", suffix=".def", delete=False) as f:
                    f.write(text)
                try:
                    with self.assertRaises(keyboard.LayoutError):
                        keyboard.read_layout(f.name)
                finally:
                    os.remove(f.name)

    def test_comments_are_skipped(self):
        with tempfile.NamedTemporaryFile("w", suffix=".def", delete=False) as f:
            f.write("// a comment\n\nKEYS(0, 0, 1, 84, 209, 60, 45, 0) // Esc\nENTER_KEY(0, 621, 307)\n")
        try:
            self.assertEqual({0: (84, 209, 144, 254)}, keyboard.read_layout(f.name)[0]["keys"])
        finally:
            os.remove(f.name)


class Legends(unittest.TestCase):
    def test_one_legend_per_slot_shown(self):
        layout = keyboard.read_layout(support.LAYOUT)
        for variant, table in keyboard.LEGENDS.items():
            with self.subTest(variant=variant):
                self.assertEqual(len(layout[variant]["keys"]) + 1, len(table))
                self.assertEqual("@enter", table[keyboard.ENTER_SLOT])

    def test_slots_name_the_keys_of_their_rows(self):
        cases = [  # variant, slot, legend
            (0, 0, "Esc"), (0, 12, "F12"), (0, 16, ("~", "`")), (0, 30, "Bksp"), (0, 38, "Tab"), (0, 39, "Q"),
            (0, 59, "Caps"), (0, 60, "A"), (0, 70, ('"', "'")), (0, 74, "Shift"), (0, 75, "Z"), (0, 86, "↑"),
            (0, 90, "Enter"), (0, 94, None), (0, 101, "→"), (0, 103, "."),
            (1, 75, "@iso"), (1, 76, "Z"), (1, 95, None), (1, 104, "."),
            (2, 71, ("}", "]")), (2, 86, ("_", "\\")), (2, 97, None), (2, 108, "."),
        ]
        for variant, slot, legend in cases:
            with self.subTest(variant=variant, slot=slot):
                self.assertEqual(legend, keyboard.legend(variant, slot))


class Outline(unittest.TestCase):
    def test_an_l_shaped_outline_moves_inwards_on_every_edge(self):
        enter = keyboard.enter_shape(0, (621, 307))
        self.assertEqual([(651, 307), (714, 307), (714, 395), (621, 395), (621, 352), (651, 352)], enter)
        self.assertEqual([(654, 309), (711, 309), (711, 390), (624, 390), (624, 354), (654, 354)],
                         keycaps.inset(enter, 3, 2, 5))

    def test_orientation_does_not_matter(self):
        square = [(0, 0), (10, 0), (10, 10), (0, 10)]
        self.assertEqual({(1, 2), (9, 2), (9, 7), (1, 7)}, set(keycaps.inset(square, 1, 2, 3)))
        self.assertEqual({(1, 2), (9, 2), (9, 7), (1, 7)}, set(keycaps.inset(square[::-1], 1, 2, 3)))


if __name__ == "__main__":
    unittest.main()
