#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <utility>

#include "platform/process_runner.h"

namespace kalamo {

// Why a Word document gave no text. The caller turns it into the message the user reads.
enum class WordImportFailure {
    None,
    Unreadable,         // missing, a folder, or not readable
    NotWordFile,        // not a Word document, or a damaged one (bad archive, bad XML)
    PasswordProtected,  // an encrypted .docx (an OLE file) or an encrypted .doc
    AntiwordMissing,    // a .doc needs the antiword program, and it is not installed
    TooLarge,           // the text passes the cap (a zip bomb, a huge document)
    TimedOut,           // antiword was still working at the time limit
    AntiwordFailed,     // antiword crashed or failed for a reason it did not name
};

struct WordImportResult {
    // GBK bytes (converted through GB18030, so characters outside GBK survive), "\r\n"
    // between paragraphs and for line breaks, "\t" for tabs; empty on failure.
    std::string text;
    WordImportFailure failure = WordImportFailure::None;

    bool ok() const { return failure == WordImportFailure::None; }
};

struct WordImportLimits {
    // Inflated size of word/document.xml; reading stops there, whatever the archive declares.
    std::size_t maxXmlBytes = 64u << 20;
    // UTF-8 text antiword may write before it is stopped.
    std::size_t maxAntiwordOutput = 64u << 20;
    std::chrono::milliseconds antiwordTimeout{30000};
    std::string antiwordProgram = "antiword";
};

// The plain text of a Word document, read without Word and without the clipboard.
//
// The file's first bytes choose the reader, not its name: a zip archive is read as .docx in
// process (word/document.xml only: no headers, footers, footnotes or comments; deleted
// revisions left out; table cells separated by "\t", rows by "\r\n"); an OLE file named
// .docx is an encrypted .docx; anything else named .doc goes to antiword, started without a
// shell. Blocks until the text is there.
class WordImport {
  public:
    explicit WordImport(ProcessRunner& runner, WordImportLimits limits = {})
        : runner_(runner), limits_(std::move(limits)) {}

    // `path` is a native (UTF-8) path whose extension is "doc" or "docx".
    WordImportResult importDocument(const std::string& path) const;

  private:
    WordImportResult importWithAntiword(const std::string& path) const;

    ProcessRunner& runner_;
    WordImportLimits limits_;
};

}  // namespace kalamo
