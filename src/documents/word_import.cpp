#include "documents/word_import.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string_view>

#include "base/gbk.h"
#include "documents/docx_reader.h"

namespace kalamo {
namespace {

constexpr std::string_view kZipSignature = "PK\x03\x04";
constexpr std::string_view kOleSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

WordImportResult Failed(WordImportFailure why) {
    return {std::string(), why};
}

// The first bytes of a regular file, or nullopt when it cannot be read. O_NONBLOCK keeps a
// FIFO from holding the open until some writer comes.
std::optional<std::string> ReadHead(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    std::string head(8, '\0');
    ssize_t n = -1;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) n = read(fd, head.data(), head.size());
    close(fd);
    if (n < 0) return std::nullopt;
    head.resize(static_cast<std::size_t>(n));
    return head;
}

bool StartsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

bool HasDocxExtension(const std::string& path) {
    std::size_t dot = path.rfind('.');
    return dot != std::string::npos && path.compare(dot + 1, std::string::npos, "docx") == 0;
}

// antiword writes a character outside the BMP as two UTF-8-encoded UTF-16 surrogates
// (ED A0..AF xx ED B0..BF xx); those become the one four-byte character they stand for, and
// a surrogate without its partner becomes one "?".
std::string JoinSurrogates(std::string_view s) {
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    auto surrogate = [&](std::size_t k, unsigned char high) {
        return k + 2 < s.size() && at(k) == 0xED && (at(k + 1) & 0xF0) == high;
    };
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (surrogate(i, 0xA0) && surrogate(i + 3, 0xB0)) {
            unsigned high = ((at(i + 1) & 0x0F) << 6) | (at(i + 2) & 0x3F);
            unsigned low = ((at(i + 4) & 0x0F) << 6) | (at(i + 5) & 0x3F);
            unsigned cp = 0x10000 + (high << 10) + low;
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
            i += 5;
        } else if (surrogate(i, 0xA0) || surrogate(i, 0xB0)) {
            out += '?';
            i += 2;
        } else {
            out += s[i];
        }
    }
    return out;
}

// antiword's text: one "\n" before the first paragraph and one after each. Paragraphs are
// joined by "\r\n" as the .docx reader joins them.
std::string AntiwordText(std::string_view utf8) {
    if (!utf8.empty() && utf8.front() == '\n') utf8.remove_prefix(1);
    if (!utf8.empty() && utf8.back() == '\n') utf8.remove_suffix(1);
    std::string lines;
    lines.reserve(utf8.size() + utf8.size() / 16);
    for (char c : utf8) {
        if (c == '\n') lines += '\r';
        if (c != '\0') lines += c;
    }
    return Utf8ToGbk(JoinSurrogates(lines));
}

// What antiword said on standard error when it gave up.
WordImportFailure AntiwordComplaint(const std::string& said) {
    auto says = [&](std::string_view what) { return said.find(what) != std::string::npos; };
    if (says("Encrypted documents")) return WordImportFailure::PasswordProtected;
    if (says("can't open")) return WordImportFailure::Unreadable;
    if (says("not a Word Document") || says("does not contain a Word document") ||
        says("Excel spreadsheet") || says("version of Word")) {
        return WordImportFailure::NotWordFile;
    }
    return WordImportFailure::AntiwordFailed;
}

}  // namespace

WordImportResult WordImport::importDocument(const std::string& path) const {
    std::optional<std::string> head = ReadHead(path);
    if (!head) return Failed(WordImportFailure::Unreadable);
    if (StartsWith(*head, kZipSignature)) return ReadDocx(path, limits_.maxXmlBytes);
    if (HasDocxExtension(path)) {
        // Word keeps an encrypted .docx in an OLE compound file instead of a zip.
        return Failed(StartsWith(*head, kOleSignature) ? WordImportFailure::PasswordProtected
                                                       : WordImportFailure::NotWordFile);
    }
    return importWithAntiword(path);
}

WordImportResult WordImport::importWithAntiword(const std::string& path) const {
    ProcessRequest request;
    request.program = limits_.antiwordProgram;
    // UTF-8 whatever the locale, a paragraph to a line. "--" ends antiword's options, and "./"
    // keeps a name that is just "-" from meaning standard input.
    const std::string file = path.starts_with('-') ? "./" + path : path;
    request.arguments = {"-m", "UTF-8.txt", "-w", "0", "--", file};
    request.timeout = limits_.antiwordTimeout;
    request.outputCap = limits_.maxAntiwordOutput;
    ProcessResult ran = runner_.run(request);
    switch (ran.outcome) {
        case ProcessOutcome::Exited:
            if (ran.exitStatus == 0) return {AntiwordText(ran.output), WordImportFailure::None};
            return Failed(AntiwordComplaint(ran.errorOutput));
        case ProcessOutcome::NotFound:
            return Failed(WordImportFailure::AntiwordMissing);
        case ProcessOutcome::TimedOut:
            return Failed(WordImportFailure::TimedOut);
        case ProcessOutcome::OutputTooLarge:
            return Failed(WordImportFailure::TooLarge);
        default:
            return Failed(WordImportFailure::AntiwordFailed);
    }
}

}  // namespace kalamo
