#pragma once

#include <string>
#include <string_view>

namespace kalamo {

// How a text file's bytes are encoded. The UTF-16 forms are only recognised by their BOM.
enum class TextEncoding { Gbk, Utf8, Utf8Bom, Utf16LeBom, Utf16BeBom };

enum class LineEnd { CrLf, Lf, Cr };

// What is needed to write a document back the way its file was.
struct TextFormat {
    TextEncoding encoding = TextEncoding::Gbk;
    LineEnd lineEnd = LineEnd::CrLf;
};

// A file as the editor holds it.
struct DocumentText {
    // GBK (GB18030 for characters outside GBK), every line break "\r\n". A GBK file's bytes that
    // are not valid GBK stay in it unchanged.
    std::string text;
    // The file's encoding and its dominant line-end style (CR LF when it has no line break).
    TextFormat format;
    // The file holds more than `text` shows, so writing `text` back would lose data: a zero byte
    // ends the text, or a file declared UTF-8 or UTF-16 by its BOM stops being decodable.
    bool cut = false;
};

// GBK unless the bytes clearly are something else:
// - a UTF-8 BOM gives Utf8Bom, FF FE gives Utf16LeBom, FE FF gives Utf16BeBom;
// - otherwise the text before the first zero byte is read as UTF-8 only when it is valid UTF-8,
//   holds a character from U+0800 up, converts back exactly, and that reading costs less than
//   the GBK reading. A reading costs, per character: 1 for ASCII, a frequent hanzi (GB2312 level
//   1 or Big5 level 1) or common punctuation (GB2312 rows 1 and 3); 2 for the rest of GB2312;
//   3 for another GBK character; 4 for anything outside GBK or an undecodable byte.
TextEncoding ChooseEncoding(std::string_view fileBytes);

// Never throws. Empty input gives empty text, Gbk, CrLf. Every CR LF, lone LF and lone CR becomes
// "\r\n". A file in one line-end style that is not cut comes back byte for byte from
// EncodeDocumentText(text, format).
DocumentText DecodeDocumentText(std::string_view fileBytes);

// The bytes of a file holding `text` (line breaks "\r\n"): each "\r\n" is written in the line-end
// style, other bytes in the encoding, with the BOM the encoding names. Text bytes that are not
// valid GB18030 are written as is in GBK and as U+FFFD in the Unicode encodings.
std::string EncodeDocumentText(std::string_view text, const TextFormat& format);

}  // namespace kalamo
