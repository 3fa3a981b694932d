#pragma once

#include <optional>
#include <string>

namespace kalamo {

// The text of a WordprocessingML main part (word/document.xml) as UTF-8: paragraphs and table
// rows end in "\r\n", cells in "\t", <w:tab/> is "\t", <w:br/> and <w:cr/> are "\r\n".
// Property elements, deleted text and the second view of alternate content are skipped.
// A DOCTYPE is skipped and no entity is expanded, so nothing outside the XML is ever read.
// nullopt when the XML is not well formed. The buffer is parsed in place.
std::optional<std::string> WordXmlText(std::string& xml);

}  // namespace kalamo
