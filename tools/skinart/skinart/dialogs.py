"""The dialog skins: frames, their static decorations, and their region buttons."""

from PIL import ImageFilter

from . import files, regions, theme as t, windows
from .canvas import Canvas, MaskDraw, apply_grain, blend, texture
from .compose import coverage, opaque_inside, with_controls


def frame_points(w, h, cut=12, small=3):
    """A chamfered outline: big cuts at the top-right and bottom-left corners, small ones elsewhere."""
    return [(small, 0), (w - cut, 0), (w, cut), (w, h - small), (w - small, h), (cut, h), (0, h - cut), (0, small)]


def paint_frame(c, w, h, accent, title=None, tray=None, points=None, header=None, busy=()):
    """A dialog body: dark brushed plate, a bevelled rim, an accent under the title and corner marks.
    busy: rectangles the accent line must keep clear of."""
    outline = points or frame_points(w, h)
    rim = plate(c, lambda md: md.polygon(outline), (36, 39, 45), (18, 20, 23))
    if header:
        colours, box = header
        band = rim.copy()
        MaskDraw(band, c.ss).rect((-1, box[3], w + 1, h + 1), 0)
        c.gradient((0, 0, w, box[3]), colours[0], colours[1], mask=band)
        c.line([(1, box[3] + 0.5), (w - 1, box[3] + 0.5)], fill=colours[2], width=1)
    if title:
        x0, y0, x1, y1 = title
        c.rect((max(4, x0 - 8), y0 + 4, max(7, x0 - 5), y1 - 4), fill=accent)
        length = min(x1 - x0, 240)
        line = (x0, y1 + 2, x0 + length, y1 + 4)
        if not any(_overlaps(line, other) for other in busy):
            steps = 24
            for i in range(steps):
                a = x0 + length * i / steps
                b = x0 + length * (i + 1) / steps
                c.line([(a, y1 + 3), (b, y1 + 3)], fill=blend(accent, (30, 32, 37), i / steps), width=2)
    # corner marks along the big chamfers
    cut = 12
    if not points and not header:
        c.line([(w - cut - 10, 4), (w - 6, 4), (w - 4, 6), (w - 4, cut + 10)], fill=accent, width=1.5)
    c.line([(4, h - cut - 10), (4, h - 6), (6, h - 4), (cut + 10, h - 4)], fill=accent, width=1.5)
    if tray:
        c.rrect(tray, 4, fill=(14, 15, 18))
        c.line([(tray[0] + 4, tray[3] - 0.5), (tray[2] - 4, tray[3] - 0.5)], fill=t.EDGE_DIM, width=1)


def _overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def plate(c, draw_shape, top, bottom):
    """A shape drawn by draw_shape(MaskDraw): a black outline, a thin light rim and a vertical gradient
    from top to bottom inside. Returns the mask inside the outline."""
    shape, sd = c.mask()
    draw_shape(sd)
    c.fill_mask(shape, t.INK)
    rim = erode(c, shape, 1)
    c.fill_mask(rim, t.EDGE_DIM)
    x0, y0, x1, y1 = shape.getbbox()
    c.gradient((x0 / c.ss, y0 / c.ss, x1 / c.ss, y1 / c.ss), top, bottom, mask=erode(c, rim, 1))
    return rim


def erode(c, mask, pixels):
    """The mask shrunk by whole output pixels."""
    return mask.filter(ImageFilter.MinFilter(2 * round(pixels * c.ss) + 1))


def frame_slot(c, box, radius=2):
    """A recessed frame around an area the program fills itself."""
    x0, y0, x1, y1 = box
    c.rrect((x0 - 2, y0 - 2, x1 + 2, y1 + 2), radius + 1, fill=(8, 9, 10))
    c.line([(x0 - 1, y1 + 1.5), (x1 + 1, y1 + 1.5)], fill=t.EDGE, width=1)


def tray_for(controls, pad=6):
    x0 = min(ctl.rect[0] for ctl in controls) - pad
    y0 = min(ctl.rect[1] for ctl in controls) - pad
    x1 = max(ctl.rect[2] for ctl in controls) + pad
    y1 = max(ctl.rect[3] for ctl in controls) + pad
    return (x0, y0, x1, y1)


def _controls(win, *names):
    return [ctl for ctl in win.controls if ctl.name in names]


# Static decorations by window ------------------------------------------------------------------------

def deco_key_behavior(c, win, accent):
    frame_slot(c, (8, 43, 372, 68))


def deco_program(c, win, accent):
    for box in ((41, 63, 346, 80), (41, 115, 250, 132)):
        frame_slot(c, box)
    # a small program window glyph beside the title
    x, y = 326, 14
    c.rrect((x, y, x + 30, y + 22), 3, outline=accent, width=1.5)
    c.line([(x, y + 6), (x + 30, y + 6)], fill=accent, width=1.5)
    c.polygon([(x + 12, y + 10), (x + 20, y + 14), (x + 12, y + 18)], fill=accent)


def deco_macro(c, win, accent):
    frame_slot(c, (20, 40, 184, 234), 1)
    c.rrect((196, 44, 472, 84 - 0), 4, fill=(16, 17, 20))
    c.line([(200, 136), (580, 136)], fill=t.EDGE_DIM, width=1)
    c.line([(200, 137), (580, 137)], fill=t.INK, width=1)
    regions.paint_mouse_shell(c, (466, 52, 574, 168), (509, 74, 531, 104), accent)


def deco_profiles(c, win, accent):
    c.rrect((12, 60, 524, 86), 3, fill=(14, 15, 18))
    c.line([(14, 86), (522, 86)], fill=accent, width=1)
    for i in range(10):
        c.rect((14, 92 + 22 * i, 522, 113 + 22 * i), fill=(96, 96, 96))
    c.rect((12, 90, 524, 92), fill=t.INK)


def deco_quick(c, win, accent):
    for cx in (126.5, 217):
        c.line([(cx - 4, 108), (cx + 4, 108)], fill=t.ORANGE, width=2)
        c.line([(cx, 104), (cx, 112)], fill=t.ORANGE, width=2)
    c.line([(42, 73), (300, 73)], fill=(38, 41, 47), width=1)


def deco_profile_switch(c, win, accent):
    frame_slot(c, (74, 28, 277, 52))
    frame_slot(c, (292, 34, 377, 54))
    # two stacked profile cards with a turning arrow, in the layer's colour
    c.rrect((16, 22, 50, 60), 4, outline=blend(accent, (0, 0, 0), 0.45), width=2)
    c.rrect((24, 14, 58, 52), 4, fill=(24, 26, 30), outline=accent, width=2)
    c.line([(31, 26), (51, 26)], fill=accent, width=2)
    c.line([(31, 33), (46, 33)], fill=blend(accent, (0, 0, 0), 0.3), width=2)
    c.arc((26, 56, 62, 92), 200, 330, fill=accent, width=2)
    c.polygon([(58, 60), (63, 68), (54, 69)], fill=accent)
    c.line([(16, 134), (446, 134)], fill=t.EDGE_DIM, width=1)


def deco_advance(c, win, accent):
    for y in (110, 157):
        c.line([(50, y), (470, y)], fill=(38, 41, 47), width=1)


def deco_warning(c, win, accent):
    # a faint warning sign behind the texts, at the right
    cx, top = 420, 46
    c.polygon([(cx, top), (cx + 34, top + 58), (cx - 34, top + 58)], fill=(44, 34, 18))
    c.polygon([(cx, top + 8), (cx + 26, top + 52), (cx - 26, top + 52)], fill=(30, 26, 20))
    c.line([(cx, top + 22), (cx, top + 38)], fill=(70, 50, 20), width=5)
    c.ellipse((cx - 3, top + 43, cx + 3, top + 49), fill=(70, 50, 20))


DECORATIONS = {
    "dialog": deco_key_behavior, "program": deco_program, "macro": deco_macro, "profiles": deco_profiles,
    "quick": deco_quick, "profile_switch": deco_profile_switch, "advance": deco_advance,
    "warning": deco_warning, "mouse": lambda c, win, accent: regions.paint_mouse_shell(
        c, (116, 40, 268, 136), (177, 53, 207, 120), accent),
}


def advance_points(w, h):
    """The settings panel: a body with a title tab at the top right."""
    top = 34
    return [(4, top), (296, top), (310, 0), (470, 0), (484, top - 10), (w, top), (w, h - 12), (w - 12, h),
            (0, h), (0, top + 4)]


def dialog_background(win, accent):
    w, h = win.size
    c = Canvas.blank(win.size, t.INK)
    title = win.texts[0] if win.texts else None
    buttons = _controls(win, "OK", "Cancel")
    tray = tray_for(buttons, 5) if buttons else None
    points = None
    header = None
    if win.style in ("advance", "profile_switch"):
        title = None
    if win.style == "advance":
        points = advance_points(w, h)
    if win.style == "warning":
        header = (((255, 192, 44), (226, 138, 0), (60, 36, 0)), (0, 0, w, 36))
        title = None
    busy = [ctl.rect for ctl in win.controls] + [box for box in win.texts if box != title]
    paint_frame(c, w, h, accent, title=title, tray=tray, points=points, header=header, busy=busy)
    if win.style == "advance":
        c.line([(330, 31), (444, 31)], fill=accent, width=2)
    if win.style in DECORATIONS:
        DECORATIONS[win.style](c, win, accent)
    shape = points or frame_points(w, h)
    inside = coverage(win.size, lambda md: md.polygon(shape)) if win.mask else None
    picture = c.result()
    grain = texture(win.size, hash_seed(win.set), 3)
    picture = apply_grain(picture, grain)
    if inside is not None:
        picture = opaque_inside(picture, inside, t.INK)
    return picture, inside


def hash_seed(name):
    """A seed from a name that does not change between runs (Python's own hash() does)."""
    return sum((i + 1) * ord(ch) for i, ch in enumerate(name))


def build_dialog(win, folder):
    """Adds the pictures, the mask and the region buttons of one dialog to the skin folder."""
    cache = {}
    backgrounds = {}
    for face in win.faces:
        accent = t.ORANGE
        if face.startswith("normal") and face != "normal":
            accent = t.LAYER_LIGHTS[int(face[-1]) - 1]
        if accent not in backgrounds:
            background, inside = dialog_background(win, accent)
            background = regions.add_region_buttons(win, background, folder, first=not backgrounds)
            backgrounds[accent] = background, inside
        background, inside = backgrounds[accent]
        picture = with_controls(background, win.controls, face, cache.setdefault(accent, {}))
        encode = files.png if win.ext == "png" else files.jpg
        folder.add(win.file_name(face), encode(picture))
    if win.mask:
        folder.add(f"{win.set}_mask.bmp", files.mask_bmp(inside))


def build_all(folder):
    for win in windows.DIALOGS:
        if win.style == "about":
            continue
        build_dialog(win, folder)
