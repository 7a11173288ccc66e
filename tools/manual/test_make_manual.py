"""The manual's PDF must open in any reader: object offsets in the cross-reference table must be exact."""
import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(__file__))
import make_manual  # noqa: E402

SOURCE = os.path.join(os.path.dirname(__file__), '..', '..', 'data', 'manual', 'Manual.txt')


class MakeManual(unittest.TestCase):
    def build(self, lines):
        return make_manual.build_pdf(make_manual.layout(lines))

    def test_cross_reference_offsets_point_at_their_objects(self):
        with open(SOURCE, encoding='utf-8') as f:
            pdf = self.build(f.readlines())
        xref = int(re.search(rb'startxref\n(\d+)\n', pdf).group(1))
        self.assertTrue(pdf[xref:].startswith(b'xref\n'))
        count = int(re.match(rb'xref\n0 (\d+)\n', pdf[xref:]).group(1))
        entries = re.findall(rb'(\d{10}) 00000 n ', pdf[xref:])
        self.assertEqual(len(entries), count - 1)
        for number, offset in enumerate(entries, 1):
            self.assertTrue(pdf[int(offset):].startswith(b'%d 0 obj\n' % number), number)

    def test_long_text_flows_onto_more_pages_and_stays_inside_them(self):
        pages = make_manual.layout(['# Title\n'] + ['word ' * 400 + '\n'] * 10)
        self.assertGreater(len(pages), 1)
        for page in pages:
            for _font, _size, x, y, _text in page:
                self.assertGreaterEqual(y, make_manual.MARGIN)
                self.assertLess(y, make_manual.PAGE_H)

    def test_output_is_reproducible_and_brackets_are_escaped(self):
        lines = ['# A (b)\n', 'back\\slash (x)\n']
        first = self.build(lines)
        self.assertEqual(first, self.build(lines))
        self.assertIn(rb'(A \(b\))', first)
        self.assertIn(rb'(back\\slash \(x\))', first)


if __name__ == '__main__':
    unittest.main()
