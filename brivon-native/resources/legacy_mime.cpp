#include "resources/legacy_mime.h"

#include <initializer_list>

namespace brivon::resources {
namespace {

struct Row {
  const char* ending;
  MimeChoice choice;
};

constexpr char kUtf8[] = "utf-8";
constexpr MimeChoice kUnknown{"application/octet-stream", nullptr};

constexpr Row kImageRows[] = {
    {".png", {"image/png", nullptr}},  {".jpg", {"image/jpeg", nullptr}},
    {".jpeg", {"image/jpeg", nullptr}}, {".gif", {"image/gif", nullptr}},
    {".svg", {"image/svg", kUtf8}},
};
constexpr Row kOtherRows[] = {
    {".html", {"text/html", kUtf8}},       {".htm", {"text/html", kUtf8}},
    {".xml", {"application/xml", kUtf8}},  {".json", {"application/json", kUtf8}},
    {".pdf", {"application/pdf", nullptr}}, {".vue", {"text/plain", nullptr}},
};

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

template <size_t N>
MimeChoice FirstMatch(const Row (&rows)[N], const std::string& text) {
  for (const Row& row : rows) {
    if (EndsWith(text, row.ending)) return row.choice;
  }
  return kUnknown;
}

}  // namespace

MimeChoice LegacyMimeFor(cef_resource_type_t type, const std::string& url_utf8) {
  if (type == RT_STYLESHEET) return {"text/css", kUtf8};
  if (type == RT_SCRIPT) return {"application/javascript", kUtf8};
  if (type == RT_IMAGE) return FirstMatch(kImageRows, url_utf8);
  return FirstMatch(kOtherRows, url_utf8.substr(0, url_utf8.find('?')));
}

}  // namespace brivon::resources
