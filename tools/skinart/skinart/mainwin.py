"""The main window: its chrome, its two shapes, and for each keyboard layout variant the keyboard picture of
each layer in its four looks with the Enter key's region-button bitmaps, cut from the very same pictures so
they match to the pixel."""

import dataclasses

from . import files, keyboard, keycaps, theme as t
from .canvas import Canvas, apply_grain, blend, texture
from .compose import coverage, with_controls
from .dialogs import erode, hash_seed, plate
from .windows import MAIN_CONTROLS, MAIN_SIZE, Control

FACES = ("normal", "over", "down", "selected")
W, H = MAIN_SIZE

# The window's outline: a body with chamfered corners and a tab at the top for the settings button.
BODY_TOP = 48
OUTLINE = [(0, BODY_TOP + 14), (14, BODY_TOP), (736, BODY_TOP), (736, 12), (748, 0), (954, 0), (966, 12),
           (966, BODY_TOP), (1058, BODY_TOP), (W, BODY_TOP + 14), (W, H - 22), (W - 22, H), (22, H),
           (0, H - 22)]
# While the settings panel is out it lies over the window's top edge from x 576 to 1066; this ledge
# joins it to the body.
LEDGE = [(576, BODY_TOP + 1), (576, 30), (580, 26), (1062, 26), (1066, 30), (1066, BODY_TOP + 1)]

DECK = (64, 150, 1058, 530)
WELL = (76, 203, 1050, 489)
LAYER_SLOT = (80, 157, 480, 202)


def shapes():
    """Coverage of the shape with the panel in (mask 1) and out (mask 2)."""
    inside1 = coverage(MAIN_SIZE, lambda md: md.polygon(OUTLINE))
    inside2 = coverage(MAIN_SIZE, lambda md: (md.polygon(OUTLINE), md.polygon(LEDGE)))
    return inside1, inside2


def chrome():
    """Everything that is the same in every layer."""
    c = Canvas.blank(MAIN_SIZE, t.INK, ss=2)
    ledge, ld = c.mask()
    ld.polygon(LEDGE)
    c.fill_mask(ledge, t.INK)
    c.gradient((0, 26, W, BODY_TOP + 1), (40, 43, 49), (20, 22, 25), mask=erode(c, ledge, 1))
    c.line([(590, 29), (1052, 29)], fill=t.ORANGE_DEEP, width=1)

    plate(c, lambda md: md.polygon(OUTLINE), (38, 41, 47), (14, 15, 18))
    # the tab in front of the settings button
    c.gradient((738, 2, 964, BODY_TOP + 2), (46, 49, 56), (30, 32, 37))
    c.line([(748, 2.5), (954, 2.5)], fill=t.ORANGE, width=1.5)
    # orange marks along the chamfered corners
    for points in ([(4, BODY_TOP + 30), (4, BODY_TOP + 16), (16, BODY_TOP + 4), (120, BODY_TOP + 4)],
                   [(W - 4, H - 60), (W - 4, H - 24), (W - 24, H - 4), (W - 160, H - 4)],
                   [(4, H - 40), (4, H - 24), (24, H - 4), (60, H - 4)]):
        c.line(points, fill=t.ORANGE, width=2)
    c.line([(64, 142), (700, 142)], fill=(40, 43, 49), width=1)
    c.line([(64, 143), (700, 143)], fill=(10, 11, 13), width=1)
    # the keyboard deck
    c.rrect(DECK, 10, fill=t.INK)
    c.rrect((DECK[0] + 1, DECK[1] + 1, DECK[2] - 1, DECK[3] - 1), 9, fill=(52, 56, 64))
    c.gradient((DECK[0] + 2, DECK[1] + 2, DECK[2] - 2, DECK[3] - 2), (34, 37, 42), (20, 22, 25), radius=8)
    c.rrect(LAYER_SLOT, 6, fill=(12, 13, 15))
    c.rrect(WELL, 6, fill=(60, 64, 72))
    c.rrect((WELL[0] + 1, WELL[1] + 1, WELL[2] - 1, WELL[3] - 1), 5, fill=(8, 9, 11))
    for x in range(DECK[0] + 30, DECK[2] - 20, 6):
        c.line([(x, DECK[1] + 5), (x + 3, DECK[1] + 5)], fill=(44, 47, 53), width=1)
    # the lower plates
    c.rrect((58, 544, 436, 618), 6, fill=(12, 13, 15))
    c.rrect((660, 638, 1062, 678), 6, fill=(12, 13, 15))
    c.line([(64, 536), (1058, 536)], fill=(40, 43, 49), width=1)
    c.line([(440, 630), (650, 630), (660, 640)], fill=t.ORANGE_DEEP, width=1.5)
    picture = c.result()
    return apply_grain(picture, texture(MAIN_SIZE, hash_seed("main"), 3))


def key_controls(variant, layout, layer):
    keys = layout[variant]["keys"]
    return [Control(f"key {slot}", rect, "key", {"layer": layer, "legend": keyboard.legend(variant, slot)})
            for slot, rect in sorted(keys.items())]


def layer_background(base, layer, variant, layout, enter_polygon):
    """The chrome with the keyboard's backlight in the layer's colour."""
    light = t.LAYER_LIGHTS[layer]
    c = Canvas(base, ss=2)
    glow, gd = c.mask()
    m = keycaps.MARGIN
    for rect in layout[variant]["keys"].values():
        gd.rrect((rect[0] + m, rect[1] + m, rect[2] - m, rect[3] - m), 5)
    gd.polygon(enter_polygon)
    c.glow(glow, blend(light, (0, 0, 0), 0.25), 4, 0.55)
    x0, y0, x1, y1 = WELL
    c.line([(x0 + 12, y1 - 2), (x1 - 12, y1 - 2)], fill=blend(light, (0, 0, 0), 0.2), width=1)
    # status lights under the numeric block
    for i in range(3):
        cx = 972 + 26 * i
        dot, dd = c.mask()
        dd.draw.ellipse([(cx - 3) * 2, 505 * 2, (cx + 3) * 2 - 1, 511 * 2 - 1], fill=255)
        c.glow(dot, light, 3, 1.2)
        c.ellipse((cx - 2.5, 505.5, cx + 2.5, 510.5), fill=blend(light, (255, 255, 255), 0.35))
    return c.result()


def _enter_look(background, polygon, box, legend_centre, state, layer):
    # Drawn with room around it, so the rounding of its corners is not cut by the picture's edge.
    pad = 8
    x0, y0, x1, y1 = box[0] - pad, box[1] - pad, box[2] + pad, box[3] + pad
    c = Canvas(background.crop((x0, y0, x1, y1)), 3)
    local = [(x - x0, y - y0) for x, y in polygon]
    keycaps.enter_cap(c, local, (legend_centre[0] - x0, legend_centre[1] - y0), state, layer)
    return c.result().crop((pad, pad, pad + box[2] - box[0], pad + box[3] - box[1]))


def enter_geometry(variant, layout):
    corner = layout[variant]["enter"]
    polygon = keyboard.enter_shape(variant, corner)
    x1 = max(x for x, _ in polygon)
    y1 = max(y for _, y in polygon)
    box = (corner[0], corner[1], x1, y1)
    inside = coverage((x1 - corner[0], y1 - corner[1]),
                      lambda md: md.polygon([(x - corner[0], y - corner[1]) for x, y in polygon]))
    # the legend sits in the wider of the two parts
    if variant == 2:
        centre = ((corner[0] + x1) / 2, (corner[1] + 352) / 2)
    else:
        centre = ((corner[0] + x1) / 2, (352 + y1) / 2)
    return polygon, box, inside, centre


def build(folder, layout, variants, shown):
    """The window's shapes, and the keyboard pictures of each variant in its own subfolder (named by its
    key count), those of `shown` also at the top, where the program looks for them."""
    inside1, inside2 = shapes()
    folder.add("main_mask1.bmp", files.mask_bmp(inside1))
    folder.add("main_mask2.bmp", files.mask_bmp(inside2))
    base = chrome()
    for variant in variants:
        pictures = keyboard_pictures(base, variant, layout)
        for name, data in pictures.items():
            folder.add(f"{keyboard.variant_folder(layout, variant)}/{name}", data)
            if variant == shown:
                folder.add(name, data)


def keyboard_pictures(base, variant, layout):
    """{name: file} of the keyboard picture of every layer in every look, and the Enter key's files."""
    pictures = {}
    polygon, box, enter_inside, centre = enter_geometry(variant, layout)
    enter_binary = enter_inside.point(lambda v: 255 if v >= 128 else 0)
    # The buttons take their faces from the first layer's pictures only; in the selected picture they
    # rest in their normal look.
    controls = [dataclasses.replace(ctl, faces={**ctl.faces, "selected": "normal"}) for ctl in MAIN_CONTROLS]
    for layer in range(3):
        background = layer_background(base, layer, variant, layout, polygon)
        keys = key_controls(variant, layout, layer)
        cache = {}
        for face in FACES:
            picture = with_controls(background, controls, face, cache)
            picture = with_controls(picture, keys, face)
            enter = _enter_look(background, polygon, box, centre, face, layer)
            picture.paste(enter, box[:2], enter_binary)
            pictures[f"main_layer{layer + 1}_{face}.png"] = files.png(picture)
            pictures[f"layer{layer + 1}_enter_{face}.bmp"] = files.bmp24(files.keyed(picture.crop(box), enter_inside))
    return pictures
