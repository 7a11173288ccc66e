"""Writing the skin files byte for byte the same on every run: no time stamps, no metadata."""

import io
import os
import struct

from PIL import Image

from . import theme


def bmp24(img):
    """An uncompressed 24-bit bottom-up bitmap whose pixels follow the 54 header bytes: the only form the
    program's region reader takes."""
    img = img.convert("RGB")
    w, h = img.size
    stride = (w * 3 + 3) & ~3
    pad = b"\0" * (stride - w * 3)
    raw = img.tobytes("raw", "BGR")
    rows = [raw[y * w * 3:(y + 1) * w * 3] + pad for y in range(h - 1, -1, -1)]
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 54)
    return header + info + pixels


def png(img):
    out = io.BytesIO()
    img.save(out, "PNG", optimize=False)
    return out.getvalue()


def jpg(img):
    # Full colour resolution (no chroma subsampling): control faces are cut from several pictures and
    # must meet their surroundings without colour fringes.
    out = io.BytesIO()
    img.convert("RGB").save(out, "JPEG", quality=95, subsampling=0, optimize=False, progressive=False)
    return out.getvalue()


def mask_bmp(inside):
    """A mask from an "L" coverage picture: pure white outside, black inside."""
    binary = inside.point(lambda v: 0 if v >= 128 else 255)
    return bmp24(Image.merge("RGB", (binary, binary, binary)))


def keyed(picture, inside):
    """A region-button picture: the key colour wherever `inside` is under half covered. Pixels inside
    that happen to equal the key colour are nudged off it, or they would become holes."""
    rgb = picture.convert("RGB")
    data = [p if p != theme.KEY_COLOUR else (254, 0, 200) for p in rgb.getdata()]
    rgb.putdata(data)
    key = Image.new("RGB", rgb.size, theme.KEY_COLOUR)
    return Image.composite(rgb, key, inside.point(lambda v: 255 if v >= 128 else 0))


class SkinFolder:
    """Collects the files of one run, names relative to the skin folder ("a.png", "109/a.png"), then writes
    them and removes stale skin files it did not make from every folder it writes into."""

    def __init__(self):
        self.files = {}

    def add(self, name, data):
        if name in self.files:
            raise ValueError(f"two pictures named {name!r}")
        self.files[name] = data

    def write(self, folder):
        for sub in sorted({os.path.dirname(name) for name in self.files} | {""}):
            here = os.path.join(folder, sub)
            os.makedirs(here, exist_ok=True)
            for name in os.listdir(here):
                if name.lower().endswith((".png", ".jpg", ".bmp")) and os.path.join(sub, name) not in self.files:
                    os.remove(os.path.join(here, name))
        for name, data in sorted(self.files.items()):
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)
