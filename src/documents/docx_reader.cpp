#include "documents/docx_reader.h"

#include <zip.h>

#include <memory>

#include "base/gbk.h"
#include "documents/word_xml_text.h"

namespace kalamo {
namespace {

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

WordImportResult Failed(WordImportFailure why) {
    return {std::string(), why};
}

WordImportFailure OpenFailure(int error) {
    switch (error) {
        case ZIP_ER_NOENT:
        case ZIP_ER_OPEN:
        case ZIP_ER_READ:
        case ZIP_ER_SEEK:
        case ZIP_ER_MEMORY:
            return WordImportFailure::Unreadable;
        default:
            return WordImportFailure::NotWordFile;
    }
}

// Reads the entry whole, or stops as soon as it passes `cap`.
WordImportFailure ReadEntry(zip_file_t* entry, std::size_t cap, std::string& into) {
    std::string buffer(std::size_t{1} << 16, '\0');
    for (;;) {
        zip_int64_t n = zip_fread(entry, buffer.data(), buffer.size());
        if (n < 0) return WordImportFailure::NotWordFile;
        if (n == 0) return WordImportFailure::None;
        if (static_cast<std::size_t>(n) > cap - into.size()) return WordImportFailure::TooLarge;
        into.append(buffer.data(), static_cast<std::size_t>(n));
    }
}

}  // namespace

WordImportResult ReadDocx(const std::string& path, std::size_t maxXmlBytes) {
    int error = 0;
    Archive archive(zip_open(path.c_str(), ZIP_RDONLY, &error));
    if (!archive) return Failed(OpenFailure(error));
    zip_int64_t index = zip_name_locate(archive.get(), "word/document.xml", 0);
    if (index < 0) return Failed(WordImportFailure::NotWordFile);

    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(archive.get(), index, 0, &stat) != 0) {
        return Failed(WordImportFailure::NotWordFile);
    }
    if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
        return Failed(WordImportFailure::PasswordProtected);
    }
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > maxXmlBytes) {
        return Failed(WordImportFailure::TooLarge);
    }

    Entry entry(zip_fopen_index(archive.get(), index, 0));
    if (!entry) return Failed(WordImportFailure::NotWordFile);
    std::string xml;
    if (stat.valid & ZIP_STAT_SIZE) xml.reserve(stat.size);
    WordImportFailure read = ReadEntry(entry.get(), maxXmlBytes, xml);
    if (read != WordImportFailure::None) return Failed(read);

    std::optional<std::string> text = WordXmlText(xml);
    if (!text) return Failed(WordImportFailure::NotWordFile);
    return {Utf8ToGbk(*text), WordImportFailure::None};
}

}  // namespace kalamo
