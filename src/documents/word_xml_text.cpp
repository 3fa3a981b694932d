#include "documents/word_xml_text.h"

#include <array>
#include <pugixml.hpp>
#include <string_view>

namespace kalamo {
namespace {

constexpr std::array<std::string_view, 2> kWordNamespaces = {
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main",
    "http://purl.oclc.org/ooxml/wordprocessingml/main"};
constexpr std::array<std::string_view, 1> kCompatibilityNamespaces = {
    "http://schemas.openxmlformats.org/markup-compatibility/2006"};

// Elements whose content is not document text: properties, deleted and moved-away text.
constexpr std::array<std::string_view, 11> kSkipped = {"pPr",      "rPr",       "sectPr", "tblPr",
                                                       "tblGrid",  "trPr",      "tcPr",   "del",
                                                       "moveFrom", "instrText", "delText"};

// The prefix ("w:", or "" for the default namespace) the root binds to one of `uris`.
template <std::size_t N>
std::string PrefixOf(const pugi::xml_node& root, const std::array<std::string_view, N>& uris,
                     std::string fallback) {
    for (const pugi::xml_attribute& a : root.attributes()) {
        std::string_view name = a.name();
        if (name != "xmlns" && name.substr(0, 6) != "xmlns:") continue;
        for (std::string_view uri : uris) {
            if (uri == a.value()) return name == "xmlns" ? "" : std::string(name.substr(6)) + ":";
        }
    }
    return fallback;
}

class TextWriter {
  public:
    TextWriter(std::string word, std::string compatibility)
        : w_(std::move(word)), mc_(std::move(compatibility)) {}

    // Walks the tree without recursion, so no nesting depth can exhaust the stack.
    std::string write(const pugi::xml_node& root) {
        pugi::xml_node n = root.first_child();
        while (n) {
            if (enter(n) && n.first_child()) {
                n = n.first_child();
                continue;
            }
            while (n && n != root) {
                leave(n);
                if (n.next_sibling()) break;
                n = n.parent();
            }
            if (!n || n == root) break;
            n = n.next_sibling();
        }
        return std::move(text_);
    }

  private:
    // The local name of a WordprocessingML element, or empty for any other node.
    std::string_view wordName(const pugi::xml_node& n) const {
        if (n.type() != pugi::node_element) return {};
        std::string_view name = n.name();
        if (w_.empty()) return name.find(':') == std::string_view::npos ? name : std::string_view();
        return name.substr(0, w_.size()) == w_ ? name.substr(w_.size()) : std::string_view();
    }

    // Only the first view of <mc:AlternateContent> is read; the others repeat it.
    bool isLaterAlternative(const pugi::xml_node& n) const {
        std::string_view name = n.name();
        if (name != mc_ + "Choice" && name != mc_ + "Fallback") return false;
        return n != n.parent().find_child(
                        [](const pugi::xml_node& c) { return c.type() == pugi::node_element; });
    }

    // Emits what the element stands for; true when its children are to be read.
    bool enter(const pugi::xml_node& n) {
        std::string_view name = wordName(n);
        if (name.empty()) return n.type() == pugi::node_element && !isLaterAlternative(n);
        if (name == "t") {
            for (const pugi::xml_node& c : n.children()) {
                if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) put(c.value());
            }
            return false;
        }
        if (name == "tab") put("\t");
        if (name == "br" || name == "cr") put("\r\n");
        if (name == "noBreakHyphen") put("-");
        if (name == "p") flush();
        for (std::string_view skipped : kSkipped) {
            if (name == skipped) return false;
        }
        return true;
    }

    // The separator owed after a structure; an outer structure's end overrides an inner one's.
    void leave(const pugi::xml_node& n) {
        std::string_view name = wordName(n);
        if (name == "p" || name == "tr" || name == "tbl") pending_ = "\r\n";
        if (name == "tc") pending_ = "\t";
    }

    void flush() {
        text_ += pending_;
        pending_ = {};
    }

    void put(std::string_view s) {
        flush();
        text_ += s;
    }

    std::string w_, mc_;
    std::string text_;
    std::string_view pending_;
};

}  // namespace

std::optional<std::string> WordXmlText(std::string& xml) {
    pugi::xml_document doc;
    // Default parsing keeps no DOCTYPE and expands only the five predefined entities and
    // character references; whitespace-only text is kept, since <w:t> </w:t> is a space.
    const unsigned options = pugi::parse_default | pugi::parse_ws_pcdata;
    pugi::xml_parse_result parsed =
        doc.load_buffer_inplace(xml.data(), xml.size(), options, pugi::encoding_auto);
    if (!parsed) return std::nullopt;
    pugi::xml_node root = doc.document_element();
    if (!root) return std::nullopt;
    TextWriter writer(PrefixOf(root, kWordNamespaces, "w:"),
                      PrefixOf(root, kCompatibilityNamespaces, "mc:"));
    std::string text = writer.write(root);
    std::erase(text, '\0');
    return text;
}

}  // namespace kalamo
