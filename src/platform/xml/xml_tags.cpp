// XML backend on expat.
#include "platform/xml/xml_tags.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace vellara {
namespace {

struct Context {
  const std::function<void(const XmlTag&)>* onTag;
  XmlTag tag;
};

void XMLCALL OnStart(void* data, const XML_Char* name, const XML_Char** attrs) {
  auto* ctx = static_cast<Context*>(data);
  ctx->tag.end = false;
  ctx->tag.name = name;
  ctx->tag.attributes.clear();
  for (int i = 0; attrs[i] != nullptr; i += 2)
    ctx->tag.attributes.emplace_back(attrs[i], attrs[i + 1]);
  (*ctx->onTag)(ctx->tag);
}

void XMLCALL OnEnd(void* data, const XML_Char* name) {
  auto* ctx = static_cast<Context*>(data);
  ctx->tag.end = true;
  ctx->tag.name = name;
  ctx->tag.attributes.clear();
  (*ctx->onTag)(ctx->tag);
}

}  // namespace

bool ParseXmlTags(std::string_view text, const std::function<void(const XmlTag&)>& onTag) {
  if (text.size() > INT_MAX) return false;
  std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr),
                                                                      XML_ParserFree);
  if (!parser) return false;
  Context ctx{&onTag, {}};
  XML_SetUserData(parser.get(), &ctx);
  XML_SetElementHandler(parser.get(), OnStart, OnEnd);
  XML_SetParamEntityParsing(parser.get(), XML_PARAM_ENTITY_PARSING_NEVER);
  return XML_Parse(parser.get(), text.data(), static_cast<int>(text.size()), XML_TRUE) ==
         XML_STATUS_OK;
}

}  // namespace vellara
