#!/usr/bin/env python3
"""Writes XmlExpectedTables.inc: what every charset name and entity name of the XML reader must
decode to, taken from sources other than the reader's own tables.

  entities  Python's html.entities.name2codepoint (the HTML 4 set) plus "apos".
  charsets  for each name in strings/CharsetTable.cpp (names only, never its numbers): the .NET
            names of the Windows code page identifiers; else Python's codec registry, mapped to
            Windows code pages below; else a short list of aliases checked by hand.
"""
import codecs
import html.entities
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))

# Python codec -> the Windows code pages that read it.
PYTHON = {
    'ascii': [20127], 'big5': [950], 'cp037': [37], 'cp1026': [1026], 'cp273': [20273], 'cp424': [20424],
    'cp437': [437], 'cp500': [500], 'cp775': [775], 'cp850': [850], 'cp852': [852], 'cp855': [855],
    'cp857': [857], 'cp860': [860], 'cp861': [861], 'cp862': [862], 'cp863': [863], 'cp864': [864],
    'cp865': [865], 'cp866': [866], 'cp869': [869], 'cp875': [875], 'cp932': [932], 'cp949': [949],
    'euc_jp': [20932, 51932], 'euc_kr': [949, 51949], 'gb18030': [54936], 'gb2312': [936], 'gbk': [936],
    'hz': [52936], 'iso2022_jp': [50220, 50221, 50222], 'iso2022_kr': [50225], 'iso8859-11': [874],
    'johab': [1361], 'koi8-r': [20866], 'koi8-u': [21866], 'mac-roman': [10000], 'shift_jis': [932],
    'tis-620': [874], 'utf-16': [1200], 'utf-16-le': [1200], 'utf-16-be': [1201], 'utf-7': [65000],
    'utf-8': [65001], 'iso8859-13': [28603], 'iso8859-15': [28605],
}
PYTHON.update({'cp125%d' % i: [1250 + i] for i in range(9)})
PYTHON.update({'iso8859-%d' % i: [28590 + i] for i in range(1, 10)})

# The .NET names of the Windows code page identifiers.
DOTNET = {
    37: 'IBM037', 437: 'IBM437', 500: 'IBM500', 708: 'ASMO-708', 720: 'DOS-720', 737: 'ibm737', 775: 'ibm775',
    850: 'ibm850', 852: 'ibm852', 855: 'IBM855', 857: 'ibm857', 858: 'IBM00858', 860: 'IBM860', 861: 'ibm861',
    862: 'DOS-862', 863: 'IBM863', 864: 'IBM864', 865: 'IBM865', 866: 'cp866', 869: 'ibm869', 870: 'IBM870',
    874: 'windows-874', 875: 'cp875', 932: 'shift_jis', 936: 'gb2312', 949: 'ks_c_5601-1987', 950: 'big5',
    1026: 'IBM1026', 1047: 'IBM01047', 1200: 'utf-16', 1201: 'unicodeFFFE', 1361: 'Johab', 10000: 'macintosh',
    10001: 'x-mac-japanese', 10002: 'x-mac-chinesetrad', 10003: 'x-mac-korean', 10004: 'x-mac-arabic',
    10005: 'x-mac-hebrew', 10006: 'x-mac-greek', 10007: 'x-mac-cyrillic', 10008: 'x-mac-chinesesimp',
    10010: 'x-mac-romanian', 10017: 'x-mac-ukrainian', 10021: 'x-mac-thai', 10029: 'x-mac-ce',
    10079: 'x-mac-icelandic', 10081: 'x-mac-turkish', 10082: 'x-mac-croatian', 20000: 'x-Chinese_CNS',
    20001: 'x-cp20001', 20002: 'x_Chinese-Eten', 20003: 'x-cp20003', 20004: 'x-cp20004', 20005: 'x-cp20005',
    20105: 'x-IA5', 20106: 'x-IA5-German', 20107: 'x-IA5-Swedish', 20108: 'x-IA5-Norwegian', 20127: 'us-ascii',
    20261: 'x-cp20261', 20269: 'x-cp20269', 20273: 'IBM273', 20277: 'IBM277', 20278: 'IBM278', 20280: 'IBM280',
    20284: 'IBM284', 20285: 'IBM285', 20290: 'IBM290', 20297: 'IBM297', 20420: 'IBM420', 20423: 'IBM423',
    20424: 'IBM424', 20833: 'x-EBCDIC-KoreanExtended', 20838: 'IBM-Thai', 20866: 'koi8-r', 20871: 'IBM871',
    20880: 'IBM880', 20905: 'IBM905', 20924: 'IBM00924', 20932: 'EUC-JP', 20936: 'x-cp20936',
    20949: 'x-cp20949', 21025: 'cp1025', 21866: 'koi8-u', 28603: 'iso-8859-13', 28605: 'iso-8859-15',
    29001: 'x-Europa', 38598: 'iso-8859-8-i', 50220: 'iso-2022-jp', 50221: 'csISO2022JP', 50225: 'iso-2022-kr',
    50227: 'x-cp50227', 52936: 'hz-gb-2312', 54936: 'GB18030', 65000: 'utf-7', 65001: 'utf-8',
}
DOTNET.update({1140 + i: 'IBM0114%d' % i for i in range(10)})
DOTNET.update({1250 + i: 'windows-125%d' % i for i in range(9)})
DOTNET.update({28590 + i: 'iso-8859-%d' % i for i in range(1, 10)})
DOTNET.update({57002 + i: 'x-iscii-' + s for i, s in enumerate('de be ta te as or ka ma gu pa'.split())})
DOTNET_BY_NAME = {v.lower(): k for k, v in DOTNET.items()}

# Aliases of the Windows MIME database that neither source above knows, checked by hand.
HAND = {
    'unicode-1-1-utf-8': 65001, 'unicode-2-0-utf-8': 65001, 'x-unicode20utf8': 65001,
    'unicode-2-0-utf-7': 65000, 'x-unicode2-0-utf-7': 65000, 'csunicode11utf7': 65000,
    'unicode': 1200, 'ucs-2': 1200, 'iso-10646-ucs-2': 1200, 'csunicode': 1200,
    'x-ansi': 1252, 'latin-9': 28605, 'csisolatin9': 28605, 'csmacintosh': 10000,
    'x-cp1250': 1250, 'x-cp1251': 1251, 'koi': 20866, 'koi8': 20866, 'koi8r': 20866, 'koi8-ru': 21866,
    'visual': 28598, 'iso-8859-8-e': 28598, 'logical': 38598, 'dos-874': 874,
    'x-sjis': 932, 'x-ms-cp932': 932, 'windows-31j': 932, 'x-euc-jp': 20932, 'cseucpkdfmtjapanese': 20932,
    '_iso-2022-jp$sio': 50222, 'gb_2312-80': 936, 'csgb2312': 936, 'csgb231280': 936, 'x-gbk': 936,
    'cn-big5': 950, 'x-x-big5': 950, 'ks_c_5601-1989': 949, 'ksc_5601': 949, 'csksc56011987': 949,
    'iso-ir-149': 949,
}


def charset_rows():
    source = open(os.path.join(HERE, '..', '..', 'strings', 'CharsetTable.cpp')).read()
    names = re.findall(r'\{"([^"]+)", \d+\}', source)
    rows = []
    for name in names:
        if name in DOTNET_BY_NAME:
            pages, origin = [DOTNET_BY_NAME[name]], '.NET name'
        else:
            try:
                pages, origin = PYTHON[codecs.lookup(name).name], 'python'
            except LookupError:
                pages, origin = [HAND[name]], 'by hand'
        rows.append((name, pages, origin))
    return rows


def main():
    out = ['// Written by XmlExpectedTables.py; do not edit.', '',
           'struct ExpectedEntity { const char* name; char32_t codePoint; };',
           'constexpr ExpectedEntity kExpectedEntities[] = {']
    entities = dict(html.entities.name2codepoint, apos=39)
    for name in sorted(entities):
        out.append('    {"%s", 0x%04X},' % (name, entities[name]))
    out += ['};', '', '// Up to three acceptable code pages, 0 for none.',
            'struct ExpectedCharset { const char* name; unsigned pages[3]; };',
            'constexpr ExpectedCharset kExpectedCharsets[] = {']
    for name, pages, origin in charset_rows():
        cells = ', '.join(str(p) for p in (pages + [0, 0])[:3])
        out.append('    {"%s", {%s}},  // %s' % (name, cells, origin))
    out.append('};')
    open(os.path.join(HERE, 'XmlExpectedTables.inc'), 'w').write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
