"""The looks of the controls. Each painter draws one control in one state on a canvas of exactly the
control's size, at local coordinates, so nothing it draws can spill onto its neighbours.

States: "normal", "over" (hovered), "down" (pressed; for toggles and options, chosen).
"""

from . import theme as t
from .canvas import blend
from .keycaps import key_cap


def amber_button(c, w, h, state):
    """Push button whose caption the program writes in black."""
    tops = {"normal": ((255, 194, 52), (228, 140, 0)),
            "over": ((255, 222, 130), (255, 174, 24)),
            "down": ((176, 98, 0), (224, 138, 0))}[state]
    c.rrect((0, 0, w, h), 4, fill=(46, 28, 0))
    c.gradient((1, 1, w - 1, h - 1), tops[0], tops[1], radius=3)
    if state != "down":
        c.line([(4, 1.5), (w - 4, 1.5)], fill=blend(tops[0], (255, 255, 255), 0.45), width=1)
    else:
        c.line([(3, 1.5), (w - 3, 1.5)], fill=(120, 66, 0), width=1.5)


def dark_button(c, w, h, state):
    """Push button whose caption the program writes in white (orange while hovered)."""
    top, bottom, rim = {"normal": ((56, 60, 68), (34, 37, 42), (14, 15, 17)),
                        "over": ((70, 75, 85), (42, 45, 51), t.ORANGE_DEEP),
                        "down": ((22, 24, 28), (36, 39, 44), t.ORANGE)}[state]
    c.rrect((0, 0, w, h), 4, fill=rim)
    c.gradient((1, 1, w - 1, h - 1), top, bottom, radius=3)
    if state != "down":
        c.line([(4, 1.5), (w - 4, 1.5)], fill=blend(top, (255, 255, 255), 0.18), width=1)


def field(c, w, h, state, arrow=True):
    """A choice box: the program writes its value in white at the left; the arrow says it opens a menu."""
    rim = {"normal": t.EDGE_DIM, "over": t.ORANGE_DEEP, "down": t.ORANGE}[state]
    c.rect((0, 0, w, h), fill=rim)
    c.gradient((1, 1, w - 1, h - 1), (10, 11, 13), (24, 26, 30))
    if arrow:
        ax = w - 11
        colour = {"normal": t.STEEL, "over": t.ORANGE, "down": t.ORANGE_PALE}[state]
        c.line([(ax - 8, 3), (ax - 8, h - 3)], fill=(40, 43, 49), width=1)
        cy = h / 2
        c.polygon([(ax - 4, cy - 2), (ax + 4, cy - 2), (ax, cy + 3)], fill=colour)


def light_box(c, w, h, state):
    """A light box for the black texts the program writes (key names, modifiers)."""
    c.rect((0, 0, w, h), fill=(8, 9, 10))
    c.gradient((1, 1, w - 1, h - 1), (214, 216, 220), (184, 187, 192))
    c.line([(1, 1.5), (w - 1, 1.5)], fill=(150, 152, 158), width=1)


def inset_box(c, w, h, state):
    """A recessed label strip for white text."""
    c.rect((0, 0, w, h), fill=(8, 9, 10))
    c.gradient((1, 1, w - 1, h - 1), (12, 13, 15), (20, 22, 25))
    c.line([(1, h - 0.5), (w - 1, h - 0.5)], fill=(58, 62, 70), width=1)


def check_box(c, w, h, state):
    """A small square option; the pressed look is its ticked look."""
    rim = {"normal": (110, 116, 126), "over": t.ORANGE, "down": t.ORANGE}[state]
    c.rect((0, 0, w, h), fill=rim)
    c.rect((1, 1, w - 1, h - 1), fill=(12, 13, 15) if state != "down" else t.ORANGE)
    if state == "down":
        c.line([(w * 0.22, h * 0.52), (w * 0.42, h * 0.74), (w * 0.8, h * 0.26)], fill=(20, 12, 0), width=1.8)
    elif state == "over":
        c.rect((3, 3, w - 3, h - 3), fill=(70, 48, 10))


def radio(c, w, h, state):
    """A round option; the pressed look is its chosen look."""
    rim = {"normal": (110, 116, 126), "over": t.ORANGE, "down": t.ORANGE}[state]
    c.ellipse((0, 0, w, h), fill=rim)
    c.ellipse((1.2, 1.2, w - 1.2, h - 1.2), fill=(12, 13, 15))
    if state == "down":
        c.ellipse((3, 3, w - 3, h - 3), fill=t.ORANGE)
    elif state == "over":
        c.ellipse((3.5, 3.5, w - 3.5, h - 3.5), fill=(80, 54, 10))


def arrow_button(c, w, h, state, direction):
    """A small step button with a triangle pointing up or down."""
    bg = {"normal": (40, 43, 49), "over": (60, 64, 72), "down": t.ORANGE_DARK}[state]
    fg = {"normal": t.STEEL, "over": t.ORANGE, "down": t.ORANGE_PALE}[state]
    c.rrect((0, 0, w, h), 2, fill=bg, outline=(14, 15, 17))
    cx, m = w / 2, max(2.0, h * 0.28)
    if direction == "up":
        c.polygon([(cx, m), (w - 3, h - m), (3, h - m)], fill=fg)
    else:
        c.polygon([(3, m), (w - 3, m), (cx, h - m)], fill=fg)


def icon_button(c, w, h, state, icon):
    """A square tool button carrying a drawn icon and no caption."""
    bg = {"normal": ((44, 47, 54), (30, 32, 37)), "over": ((62, 66, 75), (40, 43, 49)),
          "down": ((24, 26, 30), (34, 36, 41))}[state]
    rim = {"normal": (12, 13, 15), "over": t.ORANGE_DEEP, "down": t.ORANGE}[state]
    fg = {"normal": (196, 200, 208), "over": t.ORANGE, "down": t.ORANGE_PALE}[state]
    c.rrect((0, 0, w, h), 4, fill=rim)
    c.gradient((1, 1, w - 1, h - 1), bg[0], bg[1], radius=3)
    ICONS[icon](c, w, h, fg, state)


def _icon_record(c, w, h, fg, state):
    red = {"normal": (214, 40, 40), "over": (255, 70, 60), "down": (255, 120, 100)}[state]
    c.ellipse((w / 2 - 6, h / 2 - 6, w / 2 + 6, h / 2 + 6), fill=red, outline=(60, 0, 0))


def _icon_stop(c, w, h, fg, state):
    c.rect((w / 2 - 5, h / 2 - 5, w / 2 + 5, h / 2 + 5), fill=fg)


def _icon_up(c, w, h, fg, state):
    c.polygon([(w / 2, h / 2 - 6), (w / 2 + 7, h / 2 + 4), (w / 2 - 7, h / 2 + 4)], fill=fg)


def _icon_down(c, w, h, fg, state):
    c.polygon([(w / 2 - 7, h / 2 - 4), (w / 2 + 7, h / 2 - 4), (w / 2, h / 2 + 6)], fill=fg)


def _icon_copy(c, w, h, fg, state):
    x, y = w / 2 - 7, h / 2 - 7
    c.rect((x, y, x + 9, y + 10), outline=fg, width=1.5)
    c.rect((x + 5, y + 4, x + 14, y + 14), fill=(30, 32, 37), outline=fg, width=1.5)


def _clock(c, cx, cy, r, fg):
    c.ellipse((cx - r, cy - r, cx + r, cy + r), outline=fg, width=1.5)
    c.line([(cx, cy - r + 3), (cx, cy), (cx + r - 3, cy)], fill=fg, width=1.5)


def _icon_pause(c, w, h, fg, state):
    _clock(c, w / 2 - 2, h / 2 + 1, 6.5, fg)
    c.line([(w / 2 + 6, h / 2 - 9), (w / 2 + 6, h / 2 - 3)], fill=t.ORANGE, width=1.6)
    c.line([(w / 2 + 3, h / 2 - 6), (w / 2 + 9, h / 2 - 6)], fill=t.ORANGE, width=1.6)


def _icon_select_all(c, w, h, fg, state):
    for i in range(3):
        y = h / 2 - 6 + i * 6
        c.rect((w / 2 - 8, y - 1.5, w / 2 - 5, y + 1.5), fill=t.ORANGE)
        c.line([(w / 2 - 2, y), (w / 2 + 8, y)], fill=fg, width=1.6)


def _icon_select_pauses(c, w, h, fg, state):
    _clock(c, w / 2, h / 2, 7, fg)
    c.rect((w / 2 + 3, h / 2 + 3, w / 2 + 8, h / 2 + 8), fill=t.ORANGE)


def _icon_delete(c, w, h, fg, state):
    x0, y0 = w / 2 - 5.5, h / 2 - 4
    c.line([(x0 - 2, y0 - 1.5), (x0 + 13, y0 - 1.5)], fill=fg, width=1.5)
    c.rect((w / 2 - 2, y0 - 4, w / 2 + 2, y0 - 1.5), fill=fg)
    c.polygon([(x0, y0), (x0 + 11, y0), (x0 + 10, y0 + 11), (x0 + 1, y0 + 11)], outline=fg, width=1.4)
    for dx in (3.5, 5.5, 7.5):
        c.line([(x0 + dx, y0 + 2.5), (x0 + dx, y0 + 8.5)], fill=fg, width=1)


def _icon_close(c, w, h, fg, state):
    d = min(w, h) * 0.2
    c.line([(w / 2 - d, h / 2 - d), (w / 2 + d, h / 2 + d)], fill=fg, width=2)
    c.line([(w / 2 + d, h / 2 - d), (w / 2 - d, h / 2 + d)], fill=fg, width=2)


def _icon_minimise(c, w, h, fg, state):
    c.line([(w / 2 - 5, h / 2 + 4), (w / 2 + 5, h / 2 + 4)], fill=fg, width=2)


def _icon_manual(c, w, h, fg, state):
    # an open book
    cx, cy = w / 2, h / 2
    c.polygon([(cx - 8, cy - 5), (cx - 1, cy - 3), (cx - 1, cy + 6), (cx - 8, cy + 4)], outline=fg, width=1.4)
    c.polygon([(cx + 8, cy - 5), (cx + 1, cy - 3), (cx + 1, cy + 6), (cx + 8, cy + 4)], outline=fg, width=1.4)


ICONS = {
    "record": _icon_record, "stop": _icon_stop, "up": _icon_up, "down": _icon_down, "copy": _icon_copy,
    "pause": _icon_pause, "select_all": _icon_select_all, "select_pauses": _icon_select_pauses,
    "delete": _icon_delete, "close": _icon_close, "minimise": _icon_minimise, "manual": _icon_manual,
}


def window_button(c, w, h, state, icon):
    """The main window's close, minimise and manual buttons: a flat glyph that lights up."""
    fg = {"normal": (170, 176, 186), "over": t.ORANGE, "down": (20, 12, 0)}[state]
    if state == "over":
        c.rrect((1, 2, w - 1, h - 2), 3, fill=(48, 52, 59))
    elif state == "down":
        c.rrect((1, 2, w - 1, h - 2), 3, fill=t.ORANGE_DEEP if icon != "close" else (220, 60, 40))
    ICONS[icon](c, w, h, fg, state)


def layer_tab(c, w, h, state, layer):
    """A layer button; the program writes its caption in the layer's colour. Its pressed look also marks
    the layer shown, so it lights up in that colour."""
    colour = t.LAYER_COLOURS[layer]
    top, bottom = {"normal": ((46, 49, 56), (30, 32, 37)), "over": ((58, 62, 70), (38, 41, 47)),
                   "down": ((14, 15, 18), (24, 26, 30))}[state]
    c.polygon([(6, 0), (w, 0), (w - 6, h), (0, h)], fill=(10, 11, 13))
    mask, md = c.mask()
    md.polygon([(7, 1), (w - 1, 1), (w - 7, h - 1), (1, h - 1)])
    c.gradient((0, 0, w, h), top, bottom, mask=mask)
    if state == "down":
        glow, gd = c.mask()
        gd.rect((8, h - 5, w - 8, h - 2))
        c.glow(glow, colour, 3, 1.6)
        c.rect((6, h - 4, w - 6, h - 2), fill=blend(colour, (255, 255, 255), 0.25))
    elif state == "over":
        c.rect((10, h - 3, w - 10, h - 2), fill=blend(colour, (0, 0, 0), 0.35))
    else:
        c.rect((12, h - 3, w - 12, h - 2), fill=blend(t.LAYER_REST[layer], (20, 22, 25), 0.4))


def reference_tab(c, w, h, state):
    """The button on the window's top tab that slides the settings panel out; white caption."""
    top, bottom = {"normal": ((48, 52, 59), (28, 30, 35)), "over": ((66, 71, 80), (40, 43, 49)),
                   "down": ((120, 70, 0), (70, 40, 0))}[state]
    c.rrect((0, 0, w, h), 5, fill=(10, 11, 13))
    c.gradient((1, 1, w - 1, h - 1), top, bottom, radius=4)
    line = t.ORANGE if state != "normal" else t.ORANGE_DEEP
    c.rect((12, h - 3, w - 12, h - 1.5), fill=line)


def menu_entry(c, w, h, state, style, arrow=False, icon=None):
    """An entry of a popup menu. style "dark": hover writes orange text, so the hover bar stays dark;
    style "bright": hover writes black text, so the hover bar is orange. An entry that opens a submenu
    shows an arrow at its right end; the media entries show their symbol at the left."""
    fg = {"normal": (150, 156, 166), "over": t.ORANGE, "down": t.WHITE}[state]
    if style == "bright":
        if state == "over":
            c.gradient((2, 0, w - 2, h), (255, 200, 60), (238, 150, 0), radius=2)
            fg = (40, 22, 0)
        elif state == "down":
            c.rrect((2, 0, w - 2, h), 2, fill=(44, 47, 54))
            fg = t.ORANGE
    elif state == "over":
        c.gradient((2, 0, w - 2, h), (58, 62, 70), (40, 43, 49), radius=2)
        c.rect((2, 2, 5, h - 2), fill=t.ORANGE)
    elif state == "down":
        c.gradient((2, 0, w - 2, h), (150, 88, 0), (112, 64, 0), radius=2)
        c.rect((2, 2, 5, h - 2), fill=t.ORANGE_PALE)
    if arrow:
        cy = h / 2
        c.polygon([(w - 13, cy - 4), (w - 8, cy), (w - 13, cy + 4)], fill=fg)
    if icon:
        MEDIA_ICONS[icon](c, 19, h / 2 - 1.5, fg)


def _speaker(c, x, y, fg):
    c.polygon([(x - 8, y - 2.5), (x - 5, y - 2.5), (x - 1, y - 6), (x - 1, y + 6), (x - 5, y + 2.5),
               (x - 8, y + 2.5)], fill=fg)


def _media_play_pause(c, x, y, fg):
    c.polygon([(x - 8, y - 5), (x - 1, y), (x - 8, y + 5)], fill=fg)
    c.rect((x + 1, y - 5, x + 3.5, y + 5), fill=fg)
    c.rect((x + 5.5, y - 5, x + 8, y + 5), fill=fg)


def _media_stop(c, x, y, fg):
    c.rect((x - 5, y - 5, x + 5, y + 5), fill=fg)


def _media_previous(c, x, y, fg):
    c.rect((x - 8, y - 5, x - 6, y + 5), fill=fg)
    c.polygon([(x + 1, y - 5), (x - 6, y), (x + 1, y + 5)], fill=fg)
    c.polygon([(x + 8, y - 5), (x + 1, y), (x + 8, y + 5)], fill=fg)


def _media_next(c, x, y, fg):
    c.polygon([(x - 8, y - 5), (x - 1, y), (x - 8, y + 5)], fill=fg)
    c.polygon([(x - 1, y - 5), (x + 6, y), (x - 1, y + 5)], fill=fg)
    c.rect((x + 6, y - 5, x + 8, y + 5), fill=fg)


def _media_mute(c, x, y, fg):
    _speaker(c, x, y, fg)
    c.line([(x + 2, y - 3), (x + 8, y + 3)], fill=fg, width=1.5)
    c.line([(x + 8, y - 3), (x + 2, y + 3)], fill=fg, width=1.5)


def _media_volume_down(c, x, y, fg):
    _speaker(c, x, y, fg)
    c.line([(x + 2, y), (x + 8, y)], fill=fg, width=1.8)


def _media_volume_up(c, x, y, fg):
    _speaker(c, x, y, fg)
    c.line([(x + 2, y), (x + 8, y)], fill=fg, width=1.8)
    c.line([(x + 5, y - 3), (x + 5, y + 3)], fill=fg, width=1.8)


def _media_open(c, x, y, fg):
    c.polygon([(x - 6, y + 1), (x, y - 6), (x + 6, y + 1)], fill=fg)
    c.rect((x - 6, y + 3, x + 6, y + 5.5), fill=fg)


MEDIA_ICONS = {
    "playpause": _media_play_pause, "stop": _media_stop, "previous": _media_previous, "next": _media_next,
    "mute": _media_mute, "volume_down": _media_volume_down, "volume_up": _media_volume_up,
    "open": _media_open,
}


def row_reset(c, w, h, state):
    """The Reset button of a profile row: black caption at rest, white once pressed."""
    if state == "down":
        c.rrect((0, 0, w, h), 3, fill=(40, 8, 4))
        c.gradient((1, 1, w - 1, h - 1), (200, 50, 30), (150, 30, 18), radius=2)
    else:
        amber_button(c, w, h, state)


def dark_amber_button(c, w, h, state):
    """White caption at rest, black while hovered: dark at rest, amber once the mouse is over it."""
    (dark_button if state == "normal" else amber_button)(c, w, h, state)


PAINTERS = {
    "amber": amber_button, "dark": dark_button, "field": field, "light": light_box, "inset": inset_box,
    "check": check_box, "radio": radio, "arrow": arrow_button, "icon": icon_button,
    "window": window_button, "layer": layer_tab, "reference": reference_tab, "menu": menu_entry,
    "row_reset": row_reset, "dark_amber": dark_amber_button, "key": key_cap,
}
