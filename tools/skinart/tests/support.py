"""One generated skin folder shared by all tests of a run, and readers of the files' raw formats."""

import atexit
import os
import shutil
import struct
import tempfile

from PIL import Image

from skinart import build, keyboard

LAYOUT = os.environ.get("TRELM_KEY_LAYOUT", keyboard.DEFAULT_LAYOUT)
KEY_COLOUR = (255, 0, 200)
WHITE = (255, 255, 255)

_folder = None


def skin():
    """The folder of a full default run, made on first use."""
    global _folder
    if _folder is None:
        _folder = fresh_skin()
    return _folder


def fresh_skin(**options):
    folder = tempfile.mkdtemp(prefix="skinart-")
    atexit.register(shutil.rmtree, folder, True)
    build.generate(folder, layout_path=LAYOUT, **options)
    return folder


def path(name):
    return os.path.join(skin(), name)


def read(name):
    with open(path(name), "rb") as f:
        return f.read()


def image(name):
    with Image.open(path(name)) as img:
        img.load()
        return img


def bmp_header(data):
    """The fields of a bitmap's two headers."""
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (info_size, width, height, planes, bits, compression, image_size, _, _, colours,
     _) = struct.unpack_from("<IiiHHIIiiII", data, 14)
    return dict(magic=magic, file_size=file_size, offset=offset, info_size=info_size, width=width,
                height=height, planes=planes, bits=bits, compression=compression, colours=colours)


def read_bmp24(name):
    """Pixels of a 24-bit bottom-up bitmap read the way the program's region reader reads them: rows of
    blue, green, red right after the 54 header bytes, bottom row first. {(x, y): (r, g, b)}, y = 0 top."""
    with open(path(name), "rb") as f:
        data = f.read()
    h = bmp_header(data)
    width, height = h["width"], h["height"]
    stride = (width * 3 + 3) & ~3
    pixels = {}
    for row in range(height):
        y = height - 1 - row
        base = 54 + row * stride
        for x in range(width):
            b, g, r = data[base + 3 * x: base + 3 * x + 3]
            pixels[(x, y)] = (r, g, b)
    return width, height, pixels


def inside_of(name):
    """The set of pixels of a region-button bitmap that are not the key colour."""
    _, _, pixels = read_bmp24(name)
    return {xy for xy, colour in pixels.items() if colour != KEY_COLOUR}
