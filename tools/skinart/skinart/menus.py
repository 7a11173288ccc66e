"""The popup menu skins: a dark plate with an orange rim line, entries stacked as the menu kinds lay them."""

from PIL import ImageEnhance

from . import files, theme as t, windows
from .canvas import Canvas, apply_grain, texture
from .compose import coverage, opaque_inside, with_controls
from .dialogs import hash_seed, plate


def menu_shape(md, w, h):
    md.rrect((0, 0, w, h), 5)


def menu_background(win):
    w, h = win.size
    c = Canvas.blank(win.size, t.INK)
    plate(c, lambda md: menu_shape(md, w, h), (34, 37, 43), (18, 20, 23))
    c.line([(8, 2.5), (w - 8, 2.5)], fill=t.ORANGE, width=1.5)
    entries = [ctl.rect for ctl in win.controls]
    # a groove in every gap that the menu kind leaves between groups of entries
    for above, below in zip(entries, entries[1:]):
        if below[1] - above[3] > 4:
            y = (above[3] + below[1]) / 2
            c.line([(10, y), (w - 10, y)], fill=t.INK, width=1)
            c.line([(10, y + 1), (w - 10, y + 1)], fill=(50, 54, 61), width=1)
    picture = apply_grain(c.result(), texture(win.size, hash_seed(win.set), 2))
    inside = coverage(win.size, lambda md: menu_shape(md, w, h))
    return opaque_inside(picture, inside, t.INK), inside


def build_menu(win, folder):
    background, inside = menu_background(win)
    cache = {}
    for face in win.faces:
        picture = with_controls(background, win.controls, face, cache)
        if face == "normal" and win.menu.get("background") == "down":
            # This menu rests on its down picture; the normal one is only its disabled look.
            picture = ImageEnhance.Brightness(picture).enhance(0.6)
        folder.add(win.file_name(face), files.png(picture))
    folder.add(f"{win.set}_mask.bmp", files.mask_bmp(inside))


def build_all(folder):
    for win in windows.MENUS:
        build_menu(win, folder)
