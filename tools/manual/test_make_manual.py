"""The manuals' PDFs must open in any reader: object offsets in the cross-reference table must be exact, and the
pictures of the windows must sit inside their pages."""
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import make_manual  # noqa: E402

DATA = os.path.join(os.path.dirname(__file__), '..', '..', 'data', 'manual')
SOURCES = [os.path.join(DATA, 'Manual.txt'), os.path.join(DATA, 'de', 'Manual.txt')]


class MakeManual(unittest.TestCase):
    def build(self, lines):
        return make_manual.build_pdf(make_manual.layout(lines))

    def test_cross_reference_offsets_point_at_their_objects_and_every_picture_is_in(self):
        for source in SOURCES:
            with self.subTest(source=source):
                pdf = make_manual.typeset(source)
                xref = int(re.search(rb'startxref\n(\d+)\n', pdf).group(1))
                self.assertTrue(pdf[xref:].startswith(b'xref\n'))
                count = int(re.match(rb'xref\n0 (\d+)\n', pdf[xref:]).group(1))
                entries = re.findall(rb'(\d{10}) 00000 n ', pdf[xref:])
                self.assertEqual(len(entries), count - 1)
                for number, offset in enumerate(entries, 1):
                    self.assertTrue(pdf[int(offset):].startswith(b'%d 0 obj\n' % number), number)
                with open(source, encoding='utf-8') as f:
                    pictures = len(re.findall(r'^!\[', f.read(), re.M))
                self.assertEqual(pdf.count(b'/Subtype /Image'), pictures)
                self.assertEqual(len(re.findall(rb'/Im\d+ Do', pdf)), pictures)

    def test_long_text_and_pictures_flow_onto_more_pages_and_stay_inside_them(self):
        lines = ['# Title\n'] + ['word ' * 400 + '\n', '![a window](w.png)\n'] * 5
        pages = make_manual.layout(lines, lambda name: (1072, 712))
        self.assertGreater(len(pages), 1)
        for page in pages:
            for run in page:
                x, y = run[2], run[3]
                self.assertGreaterEqual(y, make_manual.MARGIN)
                self.assertLess(y, make_manual.PAGE_H)
                if run[0] == 'picture':
                    self.assertAlmostEqual(run[4], make_manual.TEXT_W)  # wider than the text: scaled down
                    self.assertLessEqual(y + run[5], make_manual.PAGE_H - make_manual.MARGIN)

    def test_output_is_reproducible_and_brackets_are_escaped(self):
        lines = ['# A (b)\n', 'back\\slash (x)\n']
        first = self.build(lines)
        self.assertEqual(first, self.build(lines))
        self.assertIn(rb'(A \(b\))', first)
        self.assertIn(rb'(back\\slash \(x\))', first)
        self.assertEqual(make_manual.typeset(SOURCES[1]), make_manual.typeset(SOURCES[1]))


if __name__ == '__main__':
    unittest.main()
