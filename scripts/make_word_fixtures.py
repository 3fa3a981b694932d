#!/usr/bin/env python3
"""Makes the Word documents the import tests read, in tests/data/word/.

Usage: python3 scripts/make_word_fixtures.py [folder]

The .docx files are zip archives written from the XML below. There is no Word here and no
Debian package writes Word 97 files, so the .doc files are built by hand: an OLE compound file
holding the smallest WordDocument and 1Table streams antiword reads (a Word 97 FIB, the text
as UTF-16 in one piece, a piece table, a document-properties block and an empty stylesheet).
"""
import os
import struct
import sys
import zipfile

STAMP = (2020, 1, 1, 0, 0, 0)
W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
MC = 'xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006"'
TYPES = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
         '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
         '<Default Extension="xml" ContentType="application/xml"/></Types>')
BOMB_BYTES = 100 << 20  # more than the 64 MiB cap; deflates to about 100 KB


def document(body, head='', namespaces=W):
    return ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n' + head +
            '<w:document ' + namespaces + '><w:body>' + body + '</w:body></w:document>')


def write_docx(path, document_xml):
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
        z.writestr(zipfile.ZipInfo('[Content_Types].xml', STAMP), TYPES)
        if document_xml is not None:
            info = zipfile.ZipInfo('word/document.xml', STAMP)
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, document_xml)


def write_bomb(path, declared_size=None):
    """document.xml of BOMB_BYTES spaces; with declared_size, its headers claim that instead."""
    with zipfile.ZipFile(path, 'w', zipfile.ZIP_DEFLATED) as z:
        info = zipfile.ZipInfo('word/document.xml', STAMP)
        info.compress_type = zipfile.ZIP_DEFLATED
        with z.open(info, 'w') as f:
            chunk = b' ' * (1 << 20)
            for _ in range(BOMB_BYTES // len(chunk)):
                f.write(chunk)
    if declared_size is None:
        return
    data = bytearray(open(path, 'rb').read())
    struct.pack_into('<I', data, 22, declared_size)  # local file header
    central = data.rindex(b'PK\x01\x02')
    struct.pack_into('<I', data, central + 24, declared_size)
    open(path, 'wb').write(data)


PARAGRAPHS = document(
    '<w:p><w:pPr><w:tabs><w:tab w:val="left" w:pos="720"/></w:tabs></w:pPr>'
    '<w:r><w:rPr><w:b/></w:rPr><w:t>第一段</w:t></w:r><w:r><w:tab/><w:t>制表</w:t></w:r></w:p>'
    '<w:p><w:r><w:t>第二段</w:t><w:br/><w:t>换行</w:t></w:r>'
    '<w:del w:id="1" w:author="a"><w:r><w:delText>删掉的</w:delText><w:tab/></w:r></w:del>'
    '<w:r><w:t xml:space="preserve"> </w:t></w:r><w:r><w:t>A&amp;B&lt;&#x4E2D;</w:t></w:r></w:p>'
    '<w:p/>'
    '<w:p><w:r><w:fldChar w:fldCharType="begin"/></w:r>'
    '<w:r><w:instrText> PAGE </w:instrText></w:r><w:r><w:t>7</w:t></w:r>'
    '<w:r><mc:AlternateContent><mc:Choice Requires="wps"><w:t>框</w:t></mc:Choice>'
    '<mc:Fallback><w:t>框</w:t></mc:Fallback></mc:AlternateContent></w:r></w:p>'
    '<w:sectPr><w:pgSz w:w="11906" w:h="16838"/></w:sectPr>',
    namespaces=W + ' ' + MC)

TABLE = document(
    '<w:p><w:r><w:t>表前</w:t></w:r></w:p>'
    '<w:tbl><w:tblPr/><w:tblGrid><w:gridCol/><w:gridCol/></w:tblGrid>'
    '<w:tr><w:tc><w:p><w:r><w:t>甲</w:t></w:r></w:p></w:tc>'
    '<w:tc><w:p><w:r><w:t>乙</w:t></w:r></w:p></w:tc></w:tr>'
    '<w:tr><w:tc><w:tcPr/><w:p/></w:tc><w:tc><w:p><w:r><w:t>丁</w:t></w:r></w:p></w:tc></w:tr>'
    '</w:tbl><w:p><w:r><w:t>表后</w:t></w:r></w:p>')

OUTSIDE_GBK = document('<w:p><w:r><w:t>古\U00020000字😀</w:t></w:r></w:p>')

# Another prefix for the same namespace, as some writers use.
OTHER_PREFIX = document('<x:p><x:r><x:t>前缀</x:t></x:r></x:p>').replace(
    '<w:document ' + W + '><w:body>', '<x:document xmlns:x="http://schemas.openxmlformats.org'
    '/wordprocessingml/2006/main"><x:body>').replace('</w:body></w:document>',
                                                     '</x:body></x:document>')

XXE = document('<w:p><w:r><w:t>外部&x;实体</w:t></w:r></w:p>',
               head='<!DOCTYPE w:document [<!ENTITY x SYSTEM "file:///etc/passwd">]>\n')

BROKEN_XML = document('<w:p><w:r><w:t>未闭合</w:r></w:p>')


def word_document_stream(text, encrypted):
    data = text.encode('utf-16-le')
    fc = 0x800
    fib = bytearray(max(4096, fc + len(data)))
    flags = 0x0200 | (0x0100 if encrypted else 0)  # the table is 1Table; fEncrypted
    struct.pack_into('<HH', fib, 0, 0xA5EC, 0xC1)   # wIdent, nFib of Word 97
    struct.pack_into('<H', fib, 0x0A, flags)
    struct.pack_into('<II', fib, 0x18, fc, fc + len(data))  # fcMin, fcMac
    struct.pack_into('<I', fib, 0x4C, len(data) // 2)  # ccpText, in UTF-16 units
    fib[fc:fc + len(data)] = data
    return fib, fc


def table_stream(text, fc):
    """Returns the stream and the (offset, length) of its piece table, DOP and stylesheet."""
    units = len(text.encode('utf-16-le')) // 2
    pieces = struct.pack('<II', 0, units) + struct.pack('<HIH', 0, fc, 0)
    clx = b'\x02' + struct.pack('<I', len(pieces)) + pieces
    dop = bytearray(544)
    struct.pack_into('<H', dop, 0x0A, 720)  # default tab width
    stylesheet = struct.pack('<H', 18) + struct.pack('<9H', 0, 10, 0, 0, 0, 0, 0, 0, 0)
    parts, offset = [], 0
    for part in (clx, dop, stylesheet):
        parts.append((offset, len(part)))
        offset += len(part)
    body = clx + bytes(dop) + stylesheet
    return body + bytes(4096 - len(body)), parts


def directory_entry(name, kind, left, right, child, start, size):
    encoded = (name + '\0').encode('utf-16-le')
    entry = bytearray(128)
    entry[0:len(encoded)] = encoded
    struct.pack_into('<HBB', entry, 0x40, len(encoded), kind, 1)
    struct.pack_into('<III', entry, 0x44, left, right, child)
    struct.pack_into('<II', entry, 0x74, start, size)
    return bytes(entry)


def compound_file(first, second):
    """An OLE file: sector 0 the FAT, sector 1 the directory, then the two streams."""
    free, end, fat_sector = 0xFFFFFFFF, 0xFFFFFFFE, 0xFFFFFFFD
    fat, starts, body = [fat_sector, end], [], b''
    for _, data in (first, second):
        count = -(-len(data) // 512)
        starts.append(len(fat))
        fat += [len(fat) + i + 1 for i in range(count - 1)] + [end]
        body += data + bytes(count * 512 - len(data))
    fat += [free] * (128 - len(fat))
    entries = (directory_entry('Root Entry', 5, free, free, 1, end, 0) +
               directory_entry(first[0], 2, 2, free, free, starts[0], len(first[1])) +
               directory_entry(second[0], 2, free, free, free, starts[1], len(second[1])) +
               bytes(128))
    header = bytearray(512)
    header[0:8] = bytes.fromhex('d0cf11e0a1b11ae1')
    struct.pack_into('<5H', header, 0x18, 0x3E, 3, 0xFFFE, 9, 6)
    struct.pack_into('<9I', header, 0x2C, 1, 1, 0, 4096, end, 0, end, 0, 0)
    struct.pack_into('<108I', header, 0x50, *([free] * 108))
    return bytes(header) + struct.pack('<128I', *fat) + entries + body


def write_doc(path, text, encrypted=False):
    word, fc = word_document_stream(text, encrypted)
    table, parts = table_stream(text, fc)
    for field, (offset, length) in zip((0x1A2, 0x192, 0xA2), parts):  # fcClx, fcDop, fcStshf
        struct.pack_into('<II', word, field, offset, length)
    with open(path, 'wb') as f:
        f.write(compound_file(('WordDocument', bytes(word)), ('1Table', table)))


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'data', 'word')
    os.makedirs(folder, exist_ok=True)
    at = lambda name: os.path.join(folder, name)
    write_docx(at('paragraphs.docx'), PARAGRAPHS)
    write_docx(at('table.docx'), TABLE)
    write_docx(at('outside_gbk.docx'), OUTSIDE_GBK)
    write_docx(at('other_prefix.docx'), OTHER_PREFIX)
    write_docx(at('xxe.docx'), XXE)
    write_docx(at('broken_xml.docx'), BROKEN_XML)
    write_docx(at('no_document.docx'), None)
    write_bomb(at('bomb.docx'))
    write_bomb(at('bomb_lying_size.docx'), declared_size=1000)
    with open(at('photo.docx'), 'wb') as f:  # a JPEG under a Word name
        f.write(b'\xFF\xD8\xFF\xE0\x00\x10JFIF\x00' + bytes(500))
    with open(at('encrypted.docx'), 'wb') as f:  # what Word writes for a password is OLE
        f.write(bytes.fromhex('d0cf11e0a1b11ae1') + bytes(1016))
    write_doc(at('word97.doc'), '第一段\t制表\r第二段\x0b换行\r古\U00020000字😀\r')
    write_doc(at('encrypted.doc'), '秘密\r', encrypted=True)


if __name__ == '__main__':
    main()
