"""Putting a window's pictures together: one background, then every control in the look that each
picture shows, each drawn on a copy of the background under it so its edges blend in."""

from PIL import Image

from . import looks
from .canvas import Canvas


def base_face(face):
    """"normal1" .. "normal3" are alternative backgrounds of the normal look."""
    return "normal" if face.startswith("normal") else face


def paint_control(background, control, state, ss=3):
    left, top, right, bottom = control.rect
    tile = Canvas(background.crop(control.rect), ss)
    looks.PAINTERS[control.look](tile, right - left, bottom - top, state, **control.options)
    return tile.result()


def with_controls(background, controls, face, cache=None):
    """The background with every control drawn in the look `face` gives it."""
    picture = background.copy()
    for control in controls:
        state = control.state_in(base_face(face))
        key = (control.rect, control.look, tuple(sorted(control.options.items())), state)
        if cache is not None and key in cache:
            tile = cache[key]
        else:
            tile = paint_control(background, control, state)
            if cache is not None:
                cache[key] = tile
        picture.paste(tile, control.rect[:2])
    return picture


def coverage(size, draw_shape, ss=4):
    """The 1x coverage ("L") of a shape drawn by draw_shape(MaskDraw) at output coordinates."""
    canvas = Canvas.blank(size, (0, 0, 0), ss)
    m, md = canvas.mask()
    draw_shape(md)
    return m.reduce(ss)


def opaque_inside(picture, inside, outside_colour):
    """Fills what lies outside a window's shape with one colour, so nothing stray shows at its edge."""
    solid = Image.new("RGB", picture.size, outside_colour)
    return Image.composite(picture, solid, inside.point(lambda v: 255 if v >= 8 else 0))
