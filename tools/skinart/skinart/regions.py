"""Region buttons: the mouse pictures of the mouse and macro dialogs.

A region button is a window of its own laid over its dialog, shaped by its picture: every pixel of the
key colour is outside. Each picture is drawn over the dialog's own background at the button's place, so
its edge pixels blend into the dialog exactly as if the dialog had drawn it.
"""

from PIL import ImageFilter

from . import files, theme as t
from .canvas import Canvas, blend
from .compose import coverage

# Mouse geometry in dialog coordinates: the outline of the button surface and the slot of the wheel.
MOUSE = dict(ellipse=(122, 49, 262, 202), split=(191, 193), bottom=125, slot=(177, 53, 207, 120), slot_r=7,
             up=(182, 58, 202, 70), wheel=(184, 73, 200, 100), down=(182, 103, 202, 115))
SMALL = dict(ellipse=(470, 60, 570, 194), split=(519, 521), bottom=116, slot=(509, 74, 531, 104), slot_r=6,
             wheel=(515, 80, 525, 98))


def _button_shape(geo, side):
    def shape(md, ox, oy):
        ex0, ey0, ex1, ey1 = geo["ellipse"]
        md.draw.ellipse(_scaled(md, (ex0 - ox, ey0 - oy, ex1 - ox, ey1 - oy)), fill=255)
        split_left, split_right = geo["split"]
        if side == "left":
            md.rect((split_left - ox, -100, 10000, 10000), 0)
        else:
            md.rect((-10000, -100, split_right - ox, 10000), 0)
        md.rect((-10000, geo["bottom"] - oy, 10000, 10000), 0)
        sx0, sy0, sx1, sy1 = geo["slot"]
        md.rrect((sx0 - ox, sy0 - oy, sx1 - ox, sy1 - oy), geo["slot_r"], 0)
    return shape


def _rrect_shape(box, radius):
    def shape(md, ox, oy):
        md.rrect((box[0] - ox, box[1] - oy, box[2] - ox, box[3] - oy), radius)
    return shape


def _scaled(md, box):
    s = md.ss
    return [round(box[0] * s), round(box[1] * s), round(box[2] * s) - 1, round(box[3] * s) - 1]


SHAPES = {
    "mouse_left": (_button_shape(MOUSE, "left"), "button"),
    "mouse_right": (_button_shape(MOUSE, "right"), "button"),
    "wheel_up": (_rrect_shape(MOUSE["up"], 3), "up"),
    "wheel": (_rrect_shape(MOUSE["wheel"], 7), "wheel"),
    "wheel_down": (_rrect_shape(MOUSE["down"], 3), "down"),
    "small_left": (_button_shape(SMALL, "left"), "button"),
    "small_right": (_button_shape(SMALL, "right"), "button"),
    "small_wheel": (_rrect_shape(SMALL["wheel"], 4), "wheel"),
}

STATE_FILES = (("normal", "n"), ("over", "o"), ("down", "d"))


def paint_mouse_shell(c, box, slot, accent):
    """The mouse body under the region buttons: a rounded shell cut off by a light line, and the wheel
    slot between the buttons."""
    x0, y0, x1, y1 = box
    body_bottom = y0 + (x1 - x0) * 1.15
    m, md = c.mask()
    md.draw.ellipse(_scaled(md, (x0, y0, x1, body_bottom)), fill=255)
    md.rect((x0 - 1, y1, x1 + 1, body_bottom + 1), 0)
    c.fill_mask(m, (8, 9, 11))
    inner, imd = c.mask()
    imd.draw.ellipse(_scaled(imd, (x0 + 2, y0 + 2, x1 - 2, body_bottom - 2)), fill=255)
    imd.rect((x0 - 1, y1, x1 + 1, body_bottom + 1), 0)
    c.gradient((x0, y0, x1, y1), (30, 32, 37), (16, 17, 20), mask=inner)
    glow, gd = c.mask()
    gd.rect((x0 + 8, y1 - 3, x1 - 8, y1 - 1))
    c.glow(glow, accent, 3, 1.2)
    c.line([(x0 + 10, y1 - 2), (x1 - 10, y1 - 2)], fill=blend(accent, (255, 255, 255), 0.3), width=1)
    sx0, sy0, sx1, sy1 = slot
    c.rrect((sx0, sy0, sx1, sy1), 7, fill=(6, 7, 8))


def paint_region(c, shape_fn, kind, state, origin):
    """One look of a region button, on a canvas of its picture's size."""
    m, md = c.mask()
    shape_fn(md, *origin)
    size = c.img.size
    rim = {"normal": (10, 11, 13), "over": t.ORANGE_DEEP, "down": (90, 50, 0)}[state]
    c.fill_mask(m, rim)
    inner = m.filter(ImageFilter.MinFilter(2 * c.ss + 1))
    w, h = c.size
    if kind == "button":
        top, bottom = {"normal": ((80, 86, 97), (40, 43, 49)), "over": ((98, 105, 118), (52, 56, 64)),
                       "down": ((255, 192, 50), (214, 124, 0))}[state]
        c.gradient((0, 0, w, h), top, bottom, mask=inner)
        return
    face = {"normal": (44, 47, 54), "over": (58, 62, 71), "down": (230, 150, 10)}[state]
    mark = {"normal": (150, 156, 166), "over": t.ORANGE, "down": (40, 22, 0)}[state]
    c.fill_mask(inner, face)
    if kind == "wheel":
        for y in range(4, h - 3, 4):
            c.line([(w / 2 - 3, y), (w / 2 + 3, y)], fill=mark, width=1)
    else:
        cx, cy = w / 2, h / 2
        if kind == "up":
            c.polygon([(cx, cy - 3), (cx + 4, cy + 2), (cx - 4, cy + 2)], fill=mark)
        else:
            c.polygon([(cx - 4, cy - 2), (cx + 4, cy - 2), (cx, cy + 3)], fill=mark)
    del size


def region_looks(button, background):
    """The three looks of a region button and its coverage, drawn over the background."""
    shape_fn, kind = SHAPES[button.shape]
    x, y = button.corner
    w, h = button.size
    crop = background.crop((x, y, x + w, y + h))
    inside = coverage((w, h), lambda md: shape_fn(md, x, y))
    looks = {}
    for state, _ in STATE_FILES:
        c = Canvas(crop, 4)
        paint_region(c, shape_fn, kind, state, (x, y))
        looks[state] = c.result()
    return looks, inside


def add_region_buttons(win, background, folder, first):
    """Draws the window's region buttons at rest into its background and, once, writes their files."""
    if not win.regions:
        return background
    picture = background.copy()
    for button in win.regions:
        looks, inside = region_looks(button, background)
        binary = inside.point(lambda v: 255 if v >= 128 else 0)
        picture.paste(looks["normal"], button.corner, binary)
        if first:
            for state, suffix in STATE_FILES:
                folder.add(f"{button.name}_{suffix}.bmp", files.bmp24(files.keyed(looks[state], inside)))
    return picture
