// XML backend: a document as a stream of start and end tags with their attributes, in
// document order (an empty-element tag gives a start and an end). Declarations, comments,
// processing instructions, the document type and character content are skipped.
// Implements: ParseXmlTags. Only xml_tags.cpp includes expat.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vellara {

struct XmlTag {
  bool end = false;
  std::string name;  // as written
  std::vector<std::pair<std::string, std::string>> attributes;
};

// Calls onTag for each tag. False when the document is not well-formed; the tags before
// the fault have been delivered then. No external entity is ever read.
bool ParseXmlTags(std::string_view text, const std::function<void(const XmlTag&)>& onTag);

}  // namespace vellara
