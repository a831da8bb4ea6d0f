#!/usr/bin/env python3
"""Writes the English and Japanese catalogues (translations/*.ts, the same
ones the desktop builds into its program) as a C++ table for the page:
every context's source text with its two translations."""
import sys
import xml.etree.ElementTree as ET


def messages(path):
    table = {}
    for context in ET.parse(path).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('unfinished', 'obsolete', 'vanished'):
                continue
            table[(name, message.findtext('source'))] = translation.text or ''
    return table


def literal(text):
    return '"' + ''.join(c if c not in '"\\\n' else '\\' + {'\n': 'n'}.get(c, c) for c in text) + '"'


def main(english_path, japanese_path, output_path):
    english = messages(english_path)
    japanese = messages(japanese_path)
    keys = sorted(set(english) | set(japanese))
    rows = ',\n'.join(
        '    {%s, %s, %s, %s}' % (literal(context), literal(source),
                                 literal(english.get((context, source), source)),
                                 literal(japanese.get((context, source), source)))
        for context, source in keys)
    with open(output_path, 'w', encoding='utf-8') as out:
        out.write('// Written by make_catalogues.py from translations/*.ts.\n'
                  '#include "web/catalogues.h"\n\n'
                  'namespace kestrel::web {\n\n'
                  'const std::vector<CatalogueText> kCatalogueTexts{\n%s\n};\n\n'
                  '}  // namespace kestrel::web\n' % rows)


if __name__ == '__main__':
    main(*sys.argv[1:4])
