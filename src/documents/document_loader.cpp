#include "documents/document_loader.h"

#include "base/document_text.h"

namespace kalamo {

void DocumentLoader::loadPlainText(const std::string& path) {
    const std::optional<std::string> bytes = k_.s.files.readAll(path);
    DocumentText document = DecodeDocumentText(bytes ? *bytes : std::string());
    k_.writing.documentFormat = document.format;
    k_.writing.documentCut = document.cut;
    k_.writing.documentEnciphered = false;
    k_.s.editor.setText(document.text);
}

}  // namespace kalamo
