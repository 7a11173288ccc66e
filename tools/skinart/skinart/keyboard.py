"""The keyboard picture: where each key slot lies (read from the program's own layout file) and what
its legend says in each layout variant."""

import os
import re

ENTER_SLOT = 51
SLOTS = 110
DEFAULT_LAYOUT = os.path.join(os.path.dirname(__file__), "..", "..", "..", "catalogue", "KeyLayout.def")

_KEYS = re.compile(r"^\s*KEYS\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*,"
                   r"\s*(\d+)\s*\)\s*$")
_ENTER = re.compile(r"^\s*ENTER_KEY\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\)\s*$")


class LayoutError(ValueError):
    pass


def read_layout(path=DEFAULT_LAYOUT):
    """{variant: {"keys": {slot: (left, top, right, bottom)}, "enter": (left, top)}} from the layout file."""
    layouts = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            text = line.split("//", 1)[0].strip()
            if not text:
                continue
            keys, enter = _KEYS.match(text), _ENTER.match(text)
            if keys:
                variant, first, count, left, top, width, height, step = map(int, keys.groups())
                slots = layouts.setdefault(variant, {"keys": {}, "enter": None})["keys"]
                for i in range(count):
                    slot = first + i
                    if slot >= SLOTS or slot == ENTER_SLOT or slot in slots:
                        raise LayoutError(f"{path}:{number}: slot {slot} cannot be placed here")
                    x = left + i * step
                    slots[slot] = (x, top, x + width, top + height)
            elif enter:
                variant, left, top = map(int, enter.groups())
                layouts.setdefault(variant, {"keys": {}, "enter": None})["enter"] = (left, top)
            else:
                raise LayoutError(f"{path}:{number}: not a key line: {text}")
    for variant, layout in layouts.items():
        if layout["enter"] is None:
            raise LayoutError(f"{path}: variant {variant} has no Enter key")
    return layouts


def variant_folder(layout, variant):
    """The subfolder of "Skins" holding a variant's keyboard pictures, named by the keys it shows (the Enter
    key included): "104", "105", "109". The installer copies the chosen one's files up into "Skins"."""
    return str(len(layout[variant]["keys"]) + 1)


# Legends, row by row as the slots count them. A legend is a text, a pair (shifted, plain) drawn one
# above the other, or a symbol name starting with "@". None is a key without legend (the space bar).
_DIGITS = [("!", "1"), ("@", "2"), ("#", "3"), ("$", "4"), ("%", "5"), ("^", "6"), ("&", "7"), ("*", "8"),
           ("(", "9"), (")", "0")]
_TOP_ROW = ["Esc"] + [f"F{n}" for n in range(1, 13)] + ["PrtSc", "ScrLk", "Pause"]
_NAV_UPPER = ["Ins", "Home", "PgUp"]
_NAV_LOWER = ["Del", "End", "PgDn"]
_PAD_TOP = ["Num", "/", "*", "−"]
_LETTERS_TOP = list("QWERTYUIOP")
_LETTERS_HOME = list("ASDFGHJKL")
_LETTERS_LOW = list("ZXCVBNM")
_ARROWS = ["←", "↓", "→"]


def _us(extra_beside_shift=False):
    legends = []
    legends += _TOP_ROW                                                           # 0..15
    legends += [("~", "`")] + _DIGITS + [("_", "-"), ("+", "="), ("|", "\\"), "Bksp"]  # 16..30
    legends += _NAV_UPPER + _PAD_TOP                                              # 31..37
    legends += ["Tab"] + _LETTERS_TOP + [("{", "["), ("}", "]")]                  # 38..50
    legends += ["@enter"] + _NAV_LOWER + ["7", "8", "9", "+"]                     # 51..58
    legends += ["Caps"] + _LETTERS_HOME + [(":", ";"), ('"', "'")] + ["4", "5", "6"]
    legends += ["Shift"] + (["@iso"] if extra_beside_shift else []) + _LETTERS_LOW
    legends += [("<", ","), (">", "."), ("?", "/"), "Shift", "↑", "1", "2", "3", "Enter"]
    legends += ["Ctrl", "@win", "Alt", None, "Alt", "@win", "@menu", "Ctrl"] + _ARROWS + ["0", "."]
    return legends


def _jis():
    legends = []
    legends += _TOP_ROW
    legends += ["Zen"] + _DIGITS + [("=", "-"), ("~", "^"), ("|", "¥"), "Bksp"]
    legends += _NAV_UPPER + _PAD_TOP
    legends += ["Tab"] + _LETTERS_TOP + [("`", "@"), ("{", "[")]
    legends += ["@enter"] + _NAV_LOWER + ["7", "8", "9", "+"]
    legends += ["Caps"] + _LETTERS_HOME + [("+", ";"), ("*", ":"), ("}", "]")] + ["4", "5", "6"]
    legends += ["Shift"] + _LETTERS_LOW + [("<", ","), (">", "."), ("?", "/"), ("_", "\\"), "Shift"]
    legends += ["↑", "1", "2", "3", "Enter"]
    legends += ["Ctrl", "@win", "Alt", "Muhen", None, "Henkan", "Kana", "Alt", "@win", "@menu", "Ctrl"]
    legends += _ARROWS + ["0", "."]
    return legends


LEGENDS = {0: _us(), 1: _us(extra_beside_shift=True), 2: _jis()}


def legend(variant, slot):
    table = LEGENDS[variant]
    return table[slot] if slot < len(table) else None


def enter_shape(variant, corner):
    """The Enter key's outline, in window coordinates: a wide, two-row key reaching from the top letter
    row down to the home row, as the key positions around it leave room for it.

    Variants 0 and 1 have nothing under the right end of the top letter row, so the lower part is the
    wider one; variant 2 has one more home-row key there, so the upper part is the wider one."""
    left, top = corner
    right = 714
    if variant == 2:
        lower_left, split, bottom = 664, 352, 395
        return [(left, top), (right, top), (right, bottom), (lower_left, bottom), (lower_left, split),
                (left, split)]
    upper_left, split, bottom = 651, 352, 395
    return [(upper_left, top), (right, top), (right, bottom), (left, bottom), (left, split),
            (upper_left, split)]
