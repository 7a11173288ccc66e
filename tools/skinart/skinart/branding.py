"""The product's marks: the two logos of the main window and the about box."""

from PIL import Image, ImageDraw, ImageFilter

from . import files, theme as t, windows
from .canvas import Canvas, apply_grain, blend, texture
from .compose import with_controls

BRAND, MODEL = "TRELM", "VANTORIA"


def _layer(size, colour, alpha):
    """An RGBA layer of one colour (or an RGB picture) shown through alpha."""
    colour_img = colour if isinstance(colour, Image.Image) else Image.new("RGB", size, colour)
    layer = colour_img.convert("RGBA")
    layer.putalpha(alpha)
    return layer


def _gradient(size, top, bottom):
    ramp = Image.linear_gradient("L").resize(size, Image.BILINEAR)
    return Image.composite(Image.new("RGB", size, bottom), Image.new("RGB", size, top), ramp)


def _polygon_alpha(size, points, ss=4):
    m = Image.new("L", (size[0] * ss, size[1] * ss), 0)
    ImageDraw.Draw(m).polygon([(x * ss, y * ss) for x, y in points], fill=255)
    return m.reduce(ss)


def _text_alpha(size, xy, text, font, spacing=0):
    m = Image.new("L", size, 0)
    d = ImageDraw.Draw(m)
    if not spacing:
        d.text(xy, text, font=font, fill=255)
        return m
    x, y = xy
    for ch in text:
        d.text((x, y), ch, font=font, fill=255)
        x += font.getlength(ch) + spacing
    return m


def _glow(alpha, radius, strength):
    return alpha.filter(ImageFilter.GaussianBlur(radius)).point(lambda v: min(255, round(v * strength)))


def emblem(picture, origin, scale):
    """A hexagonal orange shield with a dark V cut into it, glowing, composited onto an RGBA picture."""
    ox, oy = origin
    hexagon = [(32, 0), (62, 16), (62, 52), (32, 68), (2, 52), (2, 16)]
    chevron = [(15, 20), (26, 20), (32, 40), (38, 20), (49, 20), (36, 55), (28, 55)]
    def place(points):
        return [(ox + x * scale, oy + y * scale) for x, y in points]
    size = picture.size
    shield = _polygon_alpha(size, place(hexagon))
    picture.alpha_composite(_layer(size, t.ORANGE, _glow(shield, 6 * scale, 0.5)))
    top = (oy, oy + 68 * scale)
    colours = _gradient((1, max(1, round(top[1] - top[0]))), (255, 200, 60), (214, 110, 0))
    fill = Image.new("RGB", size, t.ORANGE_DEEP)
    fill.paste(colours.resize((size[0], colours.height)), (0, round(top[0])))
    picture.alpha_composite(_layer(size, fill, shield))
    inner = [(32, 6), (56, 19), (56, 49), (32, 62), (8, 49), (8, 19)]
    ring = _polygon_alpha(size, place(inner))
    picture.alpha_composite(_layer(size, (255, 220, 140), ring.point(lambda v: v // 5)))
    picture.alpha_composite(_layer(size, (24, 16, 6), _polygon_alpha(size, place(chevron))))


def wordmark(picture, xy, size, tagline=None, tag_size=10):
    """BRAND in white and MODEL in orange, with an optional letter-spaced tagline under them."""
    f = t.font(size, bold=True)
    x, y = xy
    dims = picture.size
    brand = _text_alpha(dims, (x, y), BRAND, f)
    model_x = x + f.getlength(BRAND)
    model = _text_alpha(dims, (model_x, y), MODEL, f)
    picture.alpha_composite(_layer(dims, t.ORANGE, _glow(model, 5, 0.6)))
    picture.alpha_composite(_layer(dims, t.WHITE, brand))
    picture.alpha_composite(_layer(dims, t.ORANGE, model))
    end = model_x + f.getlength(MODEL)
    if tagline:
        tf = t.font(tag_size, condensed=True)
        ty = y + size * 1.25
        picture.alpha_composite(_layer(dims, (150, 156, 166), _text_alpha(dims, (x + 2, ty), tagline, tf, 2)))
        tag_end = x + 2 + sum(tf.getlength(ch) + 2 for ch in tagline)
        if tag_end + 10 < end:
            line = Image.new("L", dims, 0)
            ImageDraw.Draw(line).line([(tag_end + 6, ty + tag_size * 0.6), (end, ty + tag_size * 0.6)],
                                      fill=200, width=1)
            picture.alpha_composite(_layer(dims, t.ORANGE_DEEP, line))
    return end


def logo_left():
    picture = Image.new("RGBA", (380, 76), (0, 0, 0, 0))
    emblem(picture, (2, 4), 1.0)
    wordmark(picture, (76, 8), 30, "PROGRAMMABLE GAMING KEYBOARD")
    return picture


def logo_right():
    """The model badge shown above the window's OK and Cancel: an outlined key with a V, and the model."""
    w, h = 290, 88
    picture = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    key = [(8, 10), (76, 10), (84, 18), (84, 70), (76, 78), (8, 78), (0, 70), (0, 18)]
    outline = _polygon_alpha((w, h), key)
    hollow = _polygon_alpha((w, h), [(x * 0.86 + 6, y * 0.86 + 6) for x, y in key])
    rim = Image.composite(Image.new("L", (w, h), 0), outline, hollow)
    picture.alpha_composite(_layer((w, h), t.ORANGE, _glow(rim, 5, 0.7)))
    picture.alpha_composite(_layer((w, h), (20, 22, 26), hollow))
    picture.alpha_composite(_layer((w, h), t.ORANGE, rim))
    emblem(picture, (22, 20), 0.6)
    f = t.font(28, bold=True)
    model = _text_alpha((w, h), (100, 16), MODEL, f)
    picture.alpha_composite(_layer((w, h), t.ORANGE, _glow(model, 5, 0.5)))
    picture.alpha_composite(_layer((w, h), _gradient((w, h), (255, 255, 255), (170, 176, 186)), model))
    tf = t.font(10, condensed=True)
    picture.alpha_composite(_layer((w, h), (150, 156, 166), _text_alpha((w, h), (102, 54), "PRO GAMING SERIES", tf, 3)))
    bar = Image.new("L", (w, h), 0)
    ImageDraw.Draw(bar).rectangle([100, 72, 282, 73], fill=255)
    picture.alpha_composite(_layer((w, h), _gradient((w, h), t.ORANGE, t.ORANGE_DARK), bar))
    return picture


def about_background():
    w, h = windows.ABOUT.size
    c = Canvas.blank((w, h), t.INK)
    c.rect((1, 1, w - 1, h - 1), fill=t.EDGE_DIM)
    c.gradient((2, 2, w - 2, h - 2), (30, 33, 38), (16, 17, 20))
    c.gradient((2, 2, w - 2, 62), (46, 49, 56), (26, 28, 32))
    c.line([(2, 62.5), (w - 2, 62.5)], fill=t.INK, width=1)
    for i in range(24):
        c.line([(2 + (w - 4) * i / 24, 63.5), (2 + (w - 4) * (i + 1) / 24, 63.5)],
               fill=blend(t.ORANGE, (26, 28, 32), i / 24), width=1.5)
    c.line([(12, h - 8), (40, h - 8)], fill=t.ORANGE, width=1.5)
    picture = apply_grain(c.result(), texture((w, h), 7, 3)).convert("RGBA")
    emblem(picture, (12, 11), 0.6)
    wordmark(picture, (58, 14), 21, "PROGRAMMABLE GAMING KEYBOARD", 9)
    return picture.convert("RGB")


def build(folder):
    folder.add("logo_L.png", files.png(logo_left()))
    folder.add("logo_R.png", files.png(logo_right()))
    background = about_background()
    cache = {}
    for face in windows.ABOUT.faces:
        picture = with_controls(background, windows.ABOUT.controls, face, cache)
        folder.add(windows.ABOUT.file_name(face), files.png(picture))
