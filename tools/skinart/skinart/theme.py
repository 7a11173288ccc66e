"""Colours and fonts of the skin: a dark gaming look with the program's orange accent."""

import functools
import os

from PIL import ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu"

# The accent of the program's own texts: red 255, green 175, blue 0.
ORANGE = (255, 175, 0)
ORANGE_DEEP = (214, 124, 0)
ORANGE_DARK = (150, 84, 0)
ORANGE_PALE = (255, 214, 120)

INK = (10, 11, 13)           # deepest shadow, outlines
BODY = (22, 24, 28)          # window bodies
BODY_HI = (34, 37, 43)       # raised plates
BODY_LO = (15, 16, 19)       # recesses
EDGE = (66, 71, 80)          # bevel highlight
EDGE_DIM = (44, 48, 55)
STEEL = (120, 127, 138)      # icons at rest
WHITE = (240, 242, 245)
FIELD = (207, 207, 207)      # the boxes the program fills for black text

# Each layer's colour, from the text colours of its layer button: LAYER1 blue, LAYER2 green, LAYER3
# orange-red (hover and pressed colours of the buttons, as red, green, blue).
LAYER_COLOURS = [(0, 128, 255), (0, 255, 0), (255, 64, 0)]
# The same hues as the keyboard's backlight: a little softer, so legends read on dark caps.
LAYER_LIGHTS = [(60, 160, 255), (70, 235, 95), (255, 104, 40)]
# The layer buttons' resting text colours, which their faces must carry.
LAYER_REST = [(0, 128, 160), (0, 128, 48), (128, 64, 48)]

# Region buttons: this colour marks the outside of their pictures.
KEY_COLOUR = (255, 0, 200)


@functools.lru_cache(maxsize=None)
def font(size, bold=False, condensed=False, mono=False):
    if mono:
        name = "DejaVuSansMono-Bold.ttf" if bold else "DejaVuSansMono.ttf"
    elif condensed:
        name = "DejaVuSansCondensed-Bold.ttf" if bold else "DejaVuSansCondensed.ttf"
    else:
        name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)
