#include "uHalvaneCharacterSheetXMLInterface.h"

#include <charconv>
#include <cstring>
#include <system_error>
#include <vector>

namespace halvane {
namespace {

// The text as it may appear in a message: control characters made visible,
// and long values cut, so that a message stays one readable line.
std::string Quoted(std::string_view text) {
    constexpr std::size_t shown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < shown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) {
            static constexpr char hex[] = "0123456789ABCDEF";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    if (text.size() > shown) out += "...";
    out += '"';
    return out;
}

bool IsXmlChar(unsigned char c) { return c >= 0x20 || c == '\t' || c == '\n' || c == '\r'; }

} // namespace

std::string TXMLNode::Path() const {
    std::vector<std::string> steps;
    for (pugi::xml_node n = node_; n && n.type() == pugi::node_element; n = n.parent()) {
        std::string step = n.name();
        // Number the element only where a sibling shares its tag.
        const pugi::xml_node parent = n.parent();
        std::size_t position = 0;
        std::size_t total = 0;
        for (pugi::xml_node s = parent.child(n.name()); s; s = s.next_sibling(n.name())) {
            ++total;
            if (s == n) position = total;
        }
        if (total > 1) step += "[" + std::to_string(position) + "]";
        steps.push_back(std::move(step));
    }
    std::string path;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (!path.empty()) path += '/';
        path += *it;
    }
    return path;
}

void TXMLNode::Fail(const std::string& what) const {
    // Elements made on reading have no place in the text; point at the
    // nearest ancestor that has one, and say that the element is absent.
    std::ptrdiff_t offset = -1;
    bool inText = true;
    for (pugi::xml_node n = node_; n && n.type() == pugi::node_element; n = n.parent()) {
        offset = n.offset_debug();
        if (offset >= 0) break;
        inText = false;
    }
    std::string message = "element " + Path();
    if (!inText && offset >= 0) message += " (absent)";
    throw EXMLNodeError(message + ": " + what, offset);
}

std::string TXMLNode::GetText(const char* attribute) const {
    return node_.attribute(attribute).value();
}

std::int32_t TXMLNode::GetInteger(const char* attribute) const {
    const pugi::xml_attribute a = node_.attribute(attribute);
    const std::string name = std::string("attribute \"") + attribute + "\"";
    if (!a) Fail(name + " is missing");
    const char* begin = a.value();
    const char* end = begin + std::strlen(begin);
    if (begin == end) Fail(name + " is empty");
    std::int32_t value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value, 10);
    if (ec == std::errc::result_out_of_range)
        Fail(name + " holds " + Quoted(begin) + ", which is outside the 32-bit range");
    if (ec != std::errc() || ptr != end)
        Fail(name + " holds " + Quoted(begin) + ", which is not a decimal integer");
    return value;
}

void TXMLNode::SetText(const char* attribute, std::string_view value) const {
    std::string clean;
    clean.reserve(value.size());
    for (char c : value)
        if (IsXmlChar(static_cast<unsigned char>(c))) clean += c;
    pugi::xml_node node = node_;
    pugi::xml_attribute a = node.attribute(attribute);
    if (!a) a = node.append_attribute(attribute);
    a.set_value(clean.c_str());
}

void TXMLNode::SetInteger(const char* attribute, std::int32_t value) const {
    pugi::xml_node node = node_;
    pugi::xml_attribute a = node.attribute(attribute);
    if (!a) a = node.append_attribute(attribute);
    a.set_value(std::to_string(value).c_str());
}

pugi::xml_node TXMLNode::Child(const char* tag) const {
    pugi::xml_node node = node_;
    pugi::xml_node child = node.child(tag);
    if (!child) child = node.append_child(tag);
    return child;
}

TXMLCharacterType GetCharacter(pugi::xml_document& document) {
    pugi::xml_node root = document.document_element();
    if (!root) root = document.append_child(TXMLCharacterType::Tag);
    if (std::strcmp(root.name(), TXMLCharacterType::Tag) != 0)
        throw EXMLNodeError(std::string("the root element is <") + root.name() +
                                ">, not <" + TXMLCharacterType::Tag + ">",
                            root.offset_debug());
    return TXMLCharacterType(root);
}

} // namespace halvane
