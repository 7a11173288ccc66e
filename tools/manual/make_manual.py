#!/usr/bin/python3
"""Typesets the user manual (a small text file with '# ' headings, '- ' list items and '![what](file.png)'
pictures of the program's windows, the files beside the text) as a PDF.

Only the PDF base fonts are used, so no font is embedded; pictures go in as JPEG. The output is byte-identical
from run to run.
    make_manual.py SOURCE.txt OUTPUT.pdf
"""
import io
import os
import re
import sys
import textwrap

PAGE_W, PAGE_H = 595, 842          # A4 in points
MARGIN = 64
BODY_SIZE, HEAD_SIZE, TITLE_SIZE = 11, 15, 22
LEADING = 1.45
CHARS_PER_LINE = 88                # Helvetica 11 pt across the text width
TEXT_W = PAGE_W - 2 * MARGIN
PICTURE_SCALE = 0.6                # points per screenshot pixel: the windows' 16-pixel texts print at about 10 pt
PICTURE = re.compile(r'^!\[(.*)\]\((.+)\)$')


def escape(text):
    return text.replace('\\', '\\\\').replace('(', '\\(').replace(')', '\\)')


def picture_box(pixels):
    """The size in points of a picture of (width, height) pixels: at PICTURE_SCALE, at most the text width."""
    width, height = pixels
    scale = min(PICTURE_SCALE, TEXT_W / width)
    return width * scale, height * scale


def layout(source_lines, picture_size=lambda name: (1, 1)):
    """Turns the source into pages of (font, size, x, y, text) runs and ('picture', name, x, y, width, height)
    placements; `picture_size` gives a picture's size in pixels by its file name."""
    pages, page = [], []
    y = PAGE_H - MARGIN

    def need(height):
        nonlocal y, page
        if y - height < MARGIN:
            pages.append(page)
            page, y = [], PAGE_H - MARGIN

    first_heading = True
    for raw in source_lines:
        line = raw.rstrip('\n')
        if not line.strip():
            y -= BODY_SIZE * 0.6
            continue
        if line.startswith('# '):
            size = TITLE_SIZE if first_heading else HEAD_SIZE
            first_heading = False
            need(size * 2.2)
            y -= size * 1.2
            page.append(('F2', size, MARGIN, y, line[2:]))
            y -= size * 0.6
            continue
        picture = PICTURE.match(line)
        if picture:
            width, height = picture_box(picture_size(picture.group(2)))
            need(height + BODY_SIZE)
            y -= height + BODY_SIZE * 0.4
            page.append(('picture', picture.group(2), MARGIN, y, width, height))
            y -= BODY_SIZE * 0.4
            continue
        indent, bullet = (14, True) if line.startswith('- ') else (0, False)
        text = line[2:] if bullet else line
        wrapped = textwrap.wrap(text, CHARS_PER_LINE - indent // 6) or ['']
        for i, part in enumerate(wrapped):
            need(BODY_SIZE * LEADING)
            y -= BODY_SIZE * LEADING
            if bullet and i == 0:
                page.append(('F1', BODY_SIZE, MARGIN + 2, y, '-'))
            page.append(('F1', BODY_SIZE, MARGIN + indent, y, part))
    pages.append(page)
    return pages


def build_pdf(pages, pictures=None):
    """The PDF of laid-out pages; `pictures` maps each picture's name to its JPEG bytes and pixel size."""
    objects = []  # bodies, numbered from 1

    def add(body):
        objects.append(body)
        return len(objects)

    catalog = add(None)
    pages_id = add(None)
    regular = add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>')
    bold = add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>')
    images = {}  # picture name -> (resource name, object number), each picture stored once
    kids = []
    for number, runs in enumerate(pages, 1):
        ops, used = [], {}
        for run in runs:
            if run[0] == 'picture':
                _, name, x, y, width, height = run
                if name not in images:
                    jpeg, (w, h) = pictures[name]
                    images[name] = ('Im%d' % (len(images) + 1), add(
                        b'<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace /DeviceRGB '
                        b'/BitsPerComponent 8 /Filter /DCTDecode /Length %d >>\nstream\n' % (w, h, len(jpeg)) +
                        jpeg + b'\nendstream'))
                resource, obj = images[name]
                used[resource] = obj
                ops.append(f'q {width:.2f} 0 0 {height:.2f} {x:.2f} {y:.2f} cm /{resource} Do Q')
            else:
                font, size, x, y, text = run
                ops.append(f'BT /{font} {size} Tf 1 0 0 1 {x:.2f} {y:.2f} Tm ({escape(text)}) Tj ET')
        ops.append(f'BT /F1 9 Tf 1 0 0 1 {PAGE_W / 2 - 4:.2f} {MARGIN / 2:.2f} Tm ({number}) Tj ET')
        stream = '\n'.join(ops).encode('cp1252')
        content = add(b'<< /Length %d >>\nstream\n' % len(stream) + stream + b'\nendstream')
        xobjects = ' '.join(f'/{r} {o} 0 R' for r, o in used.items())
        kids.append(add((f'<< /Type /Page /Parent {pages_id} 0 R /MediaBox [0 0 {PAGE_W} {PAGE_H}] '
                         f'/Resources << /Font << /F1 {regular} 0 R /F2 {bold} 0 R >> /XObject << {xobjects} >> >> '
                         f'/Contents {content} 0 R >>').encode()))
    objects[catalog - 1] = f'<< /Type /Catalog /Pages {pages_id} 0 R >>'.encode()
    objects[pages_id - 1] = (f'<< /Type /Pages /Kids [{" ".join(f"{k} 0 R" for k in kids)}] '
                             f'/Count {len(kids)} >>').encode()

    out = bytearray(b'%PDF-1.4\n%\xe2\xe3\xcf\xd3\n')
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b'%d 0 obj\n' % number + body + b'\nendobj\n'
    xref = len(out)
    out += b'xref\n0 %d\n0000000000 65535 f \n' % (len(objects) + 1)
    for offset in offsets:
        out += b'%010d 00000 n \n' % offset
    out += b'trailer\n<< /Size %d /Root %d 0 R >>\nstartxref\n%d\n%%%%EOF\n' % (len(objects) + 1, catalog, xref)
    return bytes(out)


def load_pictures(folder, names):
    """Each picture file of `folder` as (JPEG bytes, (width, height)); read with Pillow."""
    from PIL import Image
    pictures = {}
    for name in names:
        with Image.open(os.path.join(folder, name)) as image:
            out = io.BytesIO()
            image.convert('RGB').save(out, 'JPEG', quality=88, subsampling=0)
            pictures[name] = out.getvalue(), image.size
    return pictures


def typeset(source_path):
    with open(source_path, encoding='utf-8') as source:
        lines = source.readlines()
    names = sorted({m.group(2) for m in map(PICTURE.match, (line.rstrip('\n') for line in lines)) if m})
    pictures = load_pictures(os.path.dirname(os.path.abspath(source_path)), names)
    return build_pdf(layout(lines, lambda name: pictures[name][1]), pictures)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    pdf = typeset(argv[1])
    with open(argv[2], 'wb') as target:
        target.write(pdf)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
