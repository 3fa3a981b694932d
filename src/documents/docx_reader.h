#pragma once

#include <cstddef>
#include <string>

#include "documents/word_import.h"

namespace kalamo {

// The text of a .docx archive's word/document.xml. The entry is inflated at most to
// `maxXmlBytes`: an archive declaring more is refused before reading, and one that lies
// about its size is stopped while reading, so a zip bomb costs at most that much.
WordImportResult ReadDocx(const std::string& path, std::size_t maxXmlBytes);

}  // namespace kalamo
