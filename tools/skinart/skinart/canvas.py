"""A supersampled RGB canvas: shapes are drawn large and averaged down, so edges come out smooth.

Coordinates are always in output pixels (floats allowed); rectangles are (left, top, right, bottom) with
right and bottom exclusive, as the program's control rectangles are. Text is drawn after the average, at
output size, so small legends stay crisp.
"""

from PIL import Image, ImageChops, ImageDraw, ImageFilter


class Canvas:
    def __init__(self, base, ss=3):
        """base: the RGB picture to draw on, at output size; it is not changed."""
        self.ss = ss
        self.size = base.size
        self.img = base.resize((base.width * ss, base.height * ss), Image.NEAREST)
        self.draw = ImageDraw.Draw(self.img)
        self._late = []

    @classmethod
    def blank(cls, size, colour, ss=3):
        return cls(Image.new("RGB", size, colour), ss)

    # Geometry at the drawing scale.
    def _box(self, box):
        s = self.ss
        x0, y0, x1, y1 = box
        return [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]

    def _pts(self, points):
        s = self.ss
        return [(round(x * s), round(y * s)) for x, y in points]

    def rect(self, box, fill=None, outline=None, width=1):
        self.draw.rectangle(self._box(box), fill=fill, outline=outline, width=round(width * self.ss))

    def rrect(self, box, radius, fill=None, outline=None, width=1):
        self.draw.rounded_rectangle(self._box(box), radius=round(radius * self.ss), fill=fill,
                                    outline=outline, width=round(width * self.ss))

    def polygon(self, points, fill=None, outline=None, width=1):
        pts = self._pts(points)
        if fill is not None:
            self.draw.polygon(pts, fill=fill)
        if outline is not None:
            self.draw.line(pts + pts[:1], fill=outline, width=round(width * self.ss), joint="curve")

    def line(self, points, fill, width=1):
        self.draw.line(self._pts(points), fill=fill, width=max(1, round(width * self.ss)), joint="curve")

    def ellipse(self, box, fill=None, outline=None, width=1):
        self.draw.ellipse(self._box(box), fill=fill, outline=outline, width=round(width * self.ss))

    def arc(self, box, start, end, fill, width=1):
        self.draw.arc(self._box(box), start, end, fill=fill, width=max(1, round(width * self.ss)))

    def mask(self):
        """An empty coverage mask at the drawing scale, with a drawer that takes output coordinates."""
        m = Image.new("L", self.img.size, 0)
        return m, MaskDraw(m, self.ss)

    def fill_mask(self, mask, colour):
        self.img.paste(Image.new("RGB", self.img.size, colour), (0, 0), mask)

    def gradient(self, box, top, bottom, mask=None, radius=0):
        """A vertical gradient from `top` to `bottom` inside box (rounded by radius, or limited to mask)."""
        x0, y0, x1, y1 = self._box(box)
        w, h = x1 - x0 + 1, y1 - y0 + 1
        if w <= 0 or h <= 0:
            return
        ramp = Image.linear_gradient("L").resize((1, h), Image.BILINEAR).resize((w, h), Image.NEAREST)
        grad = Image.composite(Image.new("RGB", (w, h), bottom), Image.new("RGB", (w, h), top), ramp)
        if mask is None:
            mask = Image.new("L", self.img.size, 0)
            ImageDraw.Draw(mask).rounded_rectangle([x0, y0, x1, y1], radius=round(radius * self.ss), fill=255)
        self.img.paste(grad, (x0, y0), mask.crop((x0, y0, x0 + w, y0 + h)))

    def glow(self, mask, colour, blur, strength=1.0):
        """Light of `colour` spread `blur` output pixels around the shape in mask."""
        soft = mask.filter(ImageFilter.GaussianBlur(blur * self.ss))
        if strength != 1.0:
            soft = soft.point(lambda v: min(255, round(v * strength)))
        self.img.paste(Image.new("RGB", self.img.size, colour), (0, 0), soft)

    def paste(self, picture, xy, mask=None):
        s = self.ss
        big = picture.resize((picture.width * s, picture.height * s), Image.NEAREST)
        bigmask = None
        if mask is not None:
            bigmask = mask.resize((mask.width * s, mask.height * s), Image.NEAREST)
        elif picture.mode == "RGBA":
            bigmask = big
        self.img.paste(big.convert("RGB"), (round(xy[0] * s), round(xy[1] * s)), bigmask)

    # Work done at output size, after the average.
    def text(self, xy, text, font, fill, anchor="la", glow=None):
        self._late.append(("text", xy, text, font, fill, anchor, glow))

    def later(self, fn):
        """fn(image) runs on the finished output-size picture."""
        self._late.append(("fn", fn))

    def result(self):
        out = self.img.reduce(self.ss) if self.ss > 1 else self.img.copy()
        for op in self._late:
            if op[0] == "fn":
                op[1](out)
            else:
                _, xy, text, font, fill, anchor, glow = op
                draw_text(out, xy, text, font, fill, anchor, glow)
        return out


class MaskDraw:
    """Draws coverage into a mask with output-pixel coordinates."""

    def __init__(self, mask, ss):
        self.ss = ss
        self.draw = ImageDraw.Draw(mask)

    def rect(self, box, value=255):
        s = self.ss
        x0, y0, x1, y1 = box
        self.draw.rectangle([round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1], fill=value)

    def rrect(self, box, radius, value=255, width=0):
        s = self.ss
        x0, y0, x1, y1 = box
        xy = [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]
        if width:
            self.draw.rounded_rectangle(xy, radius=round(radius * s), outline=value, width=round(width * s))
        else:
            self.draw.rounded_rectangle(xy, radius=round(radius * s), fill=value)

    def polygon(self, points, value=255):
        s = self.ss
        self.draw.polygon([(round(x * s), round(y * s)) for x, y in points], fill=value)

    def line(self, points, width, value=255):
        s = self.ss
        self.draw.line([(round(x * s), round(y * s)) for x, y in points], fill=value,
                       width=max(1, round(width * s)), joint="curve")


def draw_text(img, xy, text, font, fill, anchor="la", glow=None):
    """Text on an output-size picture, optionally over a soft halo of the glow colour."""
    if glow is not None:
        halo = Image.new("L", img.size, 0)
        ImageDraw.Draw(halo).text(xy, text, font=font, fill=255, anchor=anchor)
        halo = halo.filter(ImageFilter.GaussianBlur(2.2))
        halo = halo.point(lambda v: min(255, v * 2))
        img.paste(Image.new("RGB", img.size, glow), (0, 0), halo)
    ImageDraw.Draw(img).text(xy, text, font=font, fill=fill, anchor=anchor)


def blend(a, b, t):
    """The colour a fraction t of the way from a to b."""
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def texture(size, seed, strength=6):
    """A fine, repeatable brushed-metal grain: an L picture around 128 to lighten and darken by."""
    import random

    rnd = random.Random(seed)
    tile_w, tile_h = 64, 64
    tile = Image.new("L", (tile_w, tile_h))
    row_bias = [rnd.randint(-strength, strength) for _ in range(tile_h)]
    tile.putdata([128 + row_bias[y] + rnd.randint(-strength // 2, strength // 2)
                  for y in range(tile_h) for _ in range(tile_w)])
    tile = tile.filter(ImageFilter.BoxBlur(1))
    out = Image.new("L", size)
    for y in range(0, size[1], tile_h):
        for x in range(0, size[0], tile_w):
            out.paste(tile, (x, y))
    return out


def apply_grain(img, grain):
    """Lightens and darkens img by a grain picture centred on 128."""
    return ImageChops.add(img, Image.merge("RGB", (grain, grain, grain)), 1, -128)
