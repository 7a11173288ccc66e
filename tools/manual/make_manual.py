#!/usr/bin/python3
"""Typesets the user manual (a small text file with '# ' headings and '- ' list items) as a PDF.

Only the PDF base fonts are used, so nothing is embedded and the output is byte-identical from run to run.
    make_manual.py SOURCE.txt OUTPUT.pdf
"""
import sys
import textwrap

PAGE_W, PAGE_H = 595, 842          # A4 in points
MARGIN = 64
BODY_SIZE, HEAD_SIZE, TITLE_SIZE = 11, 15, 22
LEADING = 1.45
CHARS_PER_LINE = 88                # Helvetica 11 pt across the text width


def escape(text):
    return text.replace('\\', '\\\\').replace('(', '\\(').replace(')', '\\)')


def layout(source_lines):
    """Turns the source into pages of (font, size, x, y, text) runs."""
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


def build_pdf(pages):
    objects = []  # bodies, numbered from 1

    def add(body):
        objects.append(body)
        return len(objects)

    catalog = add(None)
    pages_id = add(None)
    regular = add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>')
    bold = add(b'<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>')
    kids = []
    for number, runs in enumerate(pages, 1):
        ops = ['BT']
        for font, size, x, y, text in runs:
            ops.append(f'/{font} {size} Tf 1 0 0 1 {x:.2f} {y:.2f} Tm ({escape(text)}) Tj')
        ops.append(f'/F1 9 Tf 1 0 0 1 {PAGE_W / 2 - 4:.2f} {MARGIN / 2:.2f} Tm ({number}) Tj')
        ops.append('ET')
        stream = '\n'.join(ops).encode('cp1252')
        content = add(b'<< /Length %d >>\nstream\n' % len(stream) + stream + b'\nendstream')
        kids.append(add((f'<< /Type /Page /Parent {pages_id} 0 R /MediaBox [0 0 {PAGE_W} {PAGE_H}] '
                         f'/Resources << /Font << /F1 {regular} 0 R /F2 {bold} 0 R >> >> '
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


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], encoding='utf-8') as source:
        pdf = build_pdf(layout(source.readlines()))
    with open(argv[2], 'wb') as target:
        target.write(pdf)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
