"""Where every window puts its controls and texts: the one table the painters and the tests share.

Rectangles are (left, top, right, bottom) in client pixels, right and bottom exclusive, exactly as the
windows create their controls. A control's faces are cut from its window's images at its rectangle, so
each one is drawn there in its normal, over and down looks.
"""

from dataclasses import dataclass, field
from typing import Optional


@dataclass(frozen=True)
class Control:
    name: str
    rect: tuple
    look: str                      # a painter of looks.PAINTERS
    options: dict = field(default_factory=dict, hash=False, compare=False)
    # Which look each picture shows, when not the picture's own ("over" shows the over look, ...).
    faces: dict = field(default_factory=dict, hash=False, compare=False)

    def state_in(self, picture):
        return self.faces.get(picture, picture)


@dataclass(frozen=True)
class RegionButton:
    """A shaped button with its own files, placed with its top-left corner at `corner`."""
    name: str                      # "mouse left" gives "mouse left_n.bmp" ...
    corner: tuple
    shape: str                     # a shape of regions.SHAPES
    size: tuple


@dataclass(frozen=True)
class Window:
    set: str
    size: tuple
    ext: str                       # "jpg" dialogs, "png" menus and the about box
    controls: tuple = ()
    texts: tuple = ()              # rectangles the program writes into
    mask: bool = True
    style: str = "dialog"          # which background painter draws it
    regions: tuple = ()
    faces: tuple = ("normal", "over", "down")
    menu: Optional[dict] = None    # entry layout of a popup menu
    suffixes: Optional[dict] = None  # short face names in the file names ("about_n.png")

    def file_name(self, face):
        return f"{self.set}_{(self.suffixes or {}).get(face, face)}.{self.ext}"


def rect_wh(left, top, width, height):
    return (left, top, left + width, top + height)


def buttons_ok_cancel(ok, cancel, look="amber"):
    return (Control("OK", ok, look), Control("Cancel", cancel, look))


KEY_BEHAVIOR = Window(
    "key behavior", (384, 134), "jpg",
    controls=buttons_ok_cancel((154, 96, 263, 122), (265, 96, 374, 122)) + (
        Control("key display", (8, 43, 372, 68), "light", faces={"over": "normal", "down": "normal"}),),
    texts=((12, 12, 360, 37),),
    regions=(),
)

MOUSE_BUTTON = Window(
    "mouse button", (384, 176), "jpg",
    controls=buttons_ok_cancel((149, 138, 257, 163), (261, 138, 369, 163)),
    texts=((20, 15, 360, 40),),
    style="mouse",
    regions=(
        RegionButton("mouse left", (126, 49), "mouse_left", (66, 76)),
        RegionButton("mouse right", (192, 49), "mouse_right", (66, 76)),
        RegionButton("mouse up", (180, 57), "wheel_up", (24, 14)),
        RegionButton("mouse middle", (180, 71), "wheel", (24, 31)),
        RegionButton("mouse down", (180, 102), "wheel_down", (24, 14)),
    ),
)

PROGRAM_SELECTION = Window(
    "program selection", (386, 212), "jpg",
    controls=buttons_ok_cancel((152, 173, 261, 198), (264, 173, 372, 198)) + (
        Control("Browse", (256, 110, 351, 136), "dark"),),
    texts=((20, 15, 300, 35), (41, 42, 260, 60), (40, 92, 168, 111), (41, 63, 346, 80), (41, 115, 250, 132)),
    style="program",
)

_MACRO_ICONS = (("Record", 203, 230, "record"), ("Stop", 233, 259, "stop"), ("Up", 262, 288, "up"),
                ("Down", 291, 317, "down"), ("Copy", 320, 347, "copy"), ("Add pause", 349, 376, "pause"),
                ("Select all", 379, 405, "select_all"), ("Select pauses", 408, 435, "select_pauses"),
                ("Delete", 437, 464, "delete"))

MACRO = Window(
    "macro", (592, 288), "jpg",
    controls=buttons_ok_cancel((359, 249, 468, 274), (470, 249, 579, 274)) + tuple(
        Control(name, (left, 51, right, 78), "icon", {"icon": icon}) for name, left, right, icon in _MACRO_ICONS) + (
        Control("pause amount", (319, 84, 414, 102), "field"),
        Control("delay mode", (204, 106, 464, 124), "field"),
        Control("repeat option 1", (204, 155, 217, 168), "radio"),
        Control("repeat option 2", (204, 174, 217, 187), "radio"),
        Control("repeat option 3", (204, 192, 217, 205), "radio"),
        Control("interval switch", (204, 211, 217, 224), "check"),
        Control("repeat count", (329, 151, 423, 169), "field"),
        Control("interval", (359, 210, 454, 228), "field"),
    ),
    texts=((20, 15, 350, 38), (204, 84, 315, 102), (219, 151, 328, 170), (219, 172, 567, 188),
           (219, 190, 567, 207), (219, 209, 358, 228), (20, 40, 184, 234)),
    style="macro",
    regions=(
        RegionButton("macro mouse left", (473, 60), "small_left", (47, 56)),
        RegionButton("macro mouse right", (520, 60), "small_right", (47, 56)),
        RegionButton("macro mouse middle", (513, 78), "small_wheel", (14, 22)),
    ),
)

PROFILE_SELECTION = Window(
    "profile selection", (536, 418), "jpg",
    controls=buttons_ok_cancel((302, 378, 410, 404), (413, 378, 522, 404)) + (
        Control("Export", (16, 33, 90, 57), "dark"),
        Control("Import", (119, 33, 187, 57), "dark"),
    ) + tuple(Control(f"auto switch {i}", (335, 96 + 22 * i, 350, 111 + 22 * i), "check") for i in range(10))
      + tuple(Control(f"reset {i}", (432, 93 + 22 * i, 521, 113 + 22 * i), "row_reset") for i in range(10)),
    texts=((14, 10, 314, 30), (16, 63, 155, 83), (156, 63, 330, 83), (331, 63, 440, 83), (441, 63, 520, 83))
          + tuple((14, 92 + 22 * i, 522, 113 + 22 * i) for i in range(10)),
    style="profiles",
)

QUICK_SWITCH = Window(
    "quick switch", (364, 170), "jpg",
    controls=buttons_ok_cancel((144, 132, 246, 156), (247, 132, 350, 156)) + (
        Control("default option", (23, 52, 35, 64), "radio"),
        Control("custom option", (23, 79, 35, 91), "radio"),
    ) + tuple(Control(name, rect, "light", faces={"over": "normal", "down": "normal"}) for name, rect in (
        ("first modifier", (46, 100, 116, 116)), ("second modifier", (137, 100, 206, 116)),
        ("key display", (228, 100, 298, 116)))),
    texts=((20, 15, 340, 37), (42, 51, 300, 67), (42, 78, 300, 94)),
    style="quick",
)

PROFILE_SWITCH = Window(
    "profile switch", (458, 174), "jpg",
    controls=buttons_ok_cancel((261, 98, 353, 120), (354, 98, 446, 120)) + (
        Control("profile up", (261, 9, 277, 22), "arrow", {"direction": "up"}),
        Control("profile down", (261, 56, 277, 68), "arrow", {"direction": "down"}),
        Control("layer up", (362, 20, 375, 29), "arrow", {"direction": "up"}),
        Control("layer down", (362, 57, 375, 65), "arrow", {"direction": "down"}),
        # Its chosen look is cut from the over picture.
        Control("display toggle", (70, 146, 82, 158), "check", faces={"over": "down", "down": "down"}),
    ),
    texts=((74, 28, 277, 52), (292, 34, 377, 54), (84, 143, 230, 164), (46, 28, 277, 52), (288, 34, 377, 54)),
    style="profile_switch",
    faces=("normal1", "normal2", "normal3", "over", "down"),
)

ADVANCE = Window(
    "advance", (490, 262), "jpg",
    controls=buttons_ok_cancel((258, 228, 366, 253), (369, 228, 478, 253)) + (
        Control("switch button", (286, 72, 397, 97), "field", {"arrow": False}),
        Control("media button", (227, 118, 444, 143), "field"),
        Control("check button", (194, 166, 405, 192), "dark"),
    ),
    texts=((318, 6, 455, 30), (50, 72, 284, 98), (50, 118, 225, 144), (50, 166, 193, 192)),
    style="advance",
)

WARNING = Window(
    "warning", (476, 160), "jpg",
    controls=buttons_ok_cancel((235, 121, 344, 147), (347, 121, 456, 147)),
    texts=((20, 5, 460, 32), (20, 54, 460, 74), (20, 74, 460, 94)),
    style="warning",
)

ABOUT = Window(
    "about", (345, 200), "png",
    controls=(Control("OK", (265, 155, 335, 190), "dark"),
              Control("close", (315, 1, 345, 25), "window", {"icon": "close"})),
    texts=((15, 70, 215, 90), (15, 90, 80, 110), (15, 110, 95, 130), (15, 130, 345, 150),
           (85, 90, 325, 110), (100, 110, 340, 130)),
    mask=False,
    style="about",
    suffixes={"normal": "n", "over": "o", "down": "d"},
)

DIALOGS = (KEY_BEHAVIOR, MOUSE_BUTTON, PROGRAM_SELECTION, MACRO, PROFILE_SELECTION, QUICK_SWITCH,
           PROFILE_SWITCH, ADVANCE, WARNING, ABOUT)


# Popup menus. Entry layout by menu kind: entry height, first top, extra gaps before positions, and
# whether hover writes black text (a bright hover bar) or orange text (a dark one).
MENU_KINDS = {
    0: dict(height=20, first=10, gaps=(3, 7), style="dark"),
    1: dict(height=18, first=5, gaps=(), style="bright"),
    2: dict(height=29, first=16, gaps=(), style="dark"),
    3: dict(height=19, first=5, gaps=(), style="bright"),
    4: dict(height=19, first=9, gaps=(), style="bright"),
}
SUBMENU_FIRST = {0: 12, 1: 10, 2: 14}
SUBMENU_WIDTH = 180


def menu_entries(kind, count, width):
    """The rectangles of a menu's entries, from the top."""
    k = MENU_KINDS[kind]
    top, rects = k["first"], []
    for position in range(count):
        if position in k["gaps"]:
            top += 14
        rects.append((0, top, width, top + k["height"]))
        top += k["height"] + 2
    return rects


def submenu_entries(kind, count):
    top = SUBMENU_FIRST[kind]
    return [(0, top + 22 * i, SUBMENU_WIDTH, top + 22 * i + 20) for i in range(count)]


def _menu(set_name, size, entries, kind, submenu=False, arrows=(), icons=(), **extra):
    rects = submenu_entries(kind, entries) if submenu else menu_entries(kind, entries, size[0])
    style = "dark" if submenu else MENU_KINDS[kind]["style"]
    faces = {"down": "normal"} if extra.get("background") == "down" else {}
    controls = []
    for i, r in enumerate(rects):
        options = {"style": style, "arrow": i in arrows}
        if icons:
            options["icon"] = icons[i]
        controls.append(Control(f"entry {i}", r, "menu", options, faces))
    return Window(set_name, size, "png", controls=tuple(controls), style="menu",
                  menu=dict(kind=kind, submenu=submenu, **extra))


MENU_WIDTH = 181
KEY_FUNCTION = _menu("key function", (MENU_WIDTH, 295), 11, 0, arrows=(3, 4, 5, 6))
# A menu gives its submenus their kind by the parent entry's position: 3 and 6 kind 1, 5 kind 2, else 0.
INTERNET = _menu("Internet", (MENU_WIDTH, 196), 8, 1, submenu=True)
OFFICE = _menu("office", (MENU_WIDTH, 308), 13, 0, submenu=True)
MEDIA = _menu("media", (MENU_WIDTH, 202), 8, 2, submenu=True, icons=(
    "playpause", "stop", "previous", "next", "mute", "volume_down", "volume_up", "open"))
ADDITIONAL = _menu("additional", (MENU_WIDTH, 240), 10, 1, submenu=True)
ADVANCE_MENU = _menu("advance menu", (217, 154), 4, 2)
# The quick-switch dialog draws these menus' down picture as their background.
SWITCH_MENU1 = _menu("switch menu1", (70, 68), 3, 1, background="down")
SWITCH_MENU2 = _menu("switch menu2", (70, 88), 4, 1, background="down")
MACRO_MENU1 = _menu("macro menu1", (95, 92), 4, 3)
MACRO_MENU2 = _menu("macro menu2", (260, 50), 2, 3)
MACRO_MENU3 = _menu("macro menu3", (94, 226), 10, 4)

MENUS = (KEY_FUNCTION, INTERNET, OFFICE, MEDIA, ADDITIONAL, ADVANCE_MENU, SWITCH_MENU1, SWITCH_MENU2,
         MACRO_MENU1, MACRO_MENU2, MACRO_MENU3)


# The main window; rectangles given as left, top, width, height.
MAIN_SIZE = (1072, 712)
MAIN_CONTROLS = (
    Control("close", rect_wh(1028, 72, 26, 30), "window", {"icon": "close"}),
    Control("manual", rect_wh(978, 72, 24, 30), "window", {"icon": "manual"}),
    Control("minimise", rect_wh(1003, 72, 24, 30), "window", {"icon": "minimise"}),
    Control("OK", rect_wh(669, 646, 127, 24), "dark"),
    Control("APPLY", rect_wh(797, 646, 127, 24), "dark"),
    Control("CANCEL", rect_wh(925, 646, 128, 24), "dark"),
    Control("PROFILE", rect_wh(70, 553, 170, 32), "amber"),
    Control("RESETPROFILE", rect_wh(253, 553, 170, 32), "amber"),
    Control("profile label", rect_wh(70, 584, 168, 24), "inset", faces={"over": "normal", "down": "normal"}),
    Control("RESET", rect_wh(90, 493, 180, 24), "dark_amber"),
    Control("REFERENCE", rect_wh(747, 10, 208, 29), "reference"),
    Control("LAYER1", rect_wh(89, 162, 123, 35), "layer", {"layer": 0}),
    Control("LAYER2", rect_wh(220, 162, 122, 35), "layer", {"layer": 1}),
    Control("LAYER3", rect_wh(350, 162, 122, 35), "layer", {"layer": 2}),
)
MAIN_TEXTS = (rect_wh(813, 685, 170, 15),)
LOGO_L_CORNER, LOGO_R_CORNER = (84, 59), (760, 540)
