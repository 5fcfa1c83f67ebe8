#include "src/page/document_scan.h"

#include <cctype>
#include <map>

#include "src/lower_ascii.h"

namespace cefsim {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// A tag's attributes, names lower-cased; the first of a repeated name counts.
std::map<std::string, std::string> Attributes(const std::string& tag) {
  std::map<std::string, std::string> out;
  size_t i = 0;
  while (i < tag.size()) {
    while (i < tag.size() && (IsSpace(tag[i]) || tag[i] == '/'))
      ++i;
    size_t name_start = i;
    while (i < tag.size() && !IsSpace(tag[i]) && tag[i] != '=' && tag[i] != '/')
      ++i;
    std::string name = LowerAscii(tag.substr(name_start, i - name_start));
    while (i < tag.size() && IsSpace(tag[i]))
      ++i;
    std::string value;
    if (i < tag.size() && tag[i] == '=') {
      ++i;
      while (i < tag.size() && IsSpace(tag[i]))
        ++i;
      if (i < tag.size() && (tag[i] == '"' || tag[i] == '\'')) {
        const char quote = tag[i++];
        size_t end = tag.find(quote, i);
        if (end == std::string::npos)
          end = tag.size();
        value = tag.substr(i, end - i);
        i = end + 1;
      } else {
        size_t start = i;
        while (i < tag.size() && !IsSpace(tag[i]))
          ++i;
        value = tag.substr(start, i - start);
      }
    }
    if (!name.empty())
      out.emplace(name, value);
  }
  return out;
}

bool HasScheme(const std::string& ref) {
  if (ref.empty() || !std::isalpha(static_cast<unsigned char>(ref[0])))
    return false;
  for (char c : ref) {
    if (c == ':')
      return true;
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
      return false;
  }
  return false;
}

bool HasToken(const std::string& list, const std::string& token) {
  size_t i = 0;
  while (i < list.size()) {
    while (i < list.size() && IsSpace(list[i]))
      ++i;
    size_t start = i;
    while (i < list.size() && !IsSpace(list[i]))
      ++i;
    if (LowerAscii(list.substr(start, i - start)) == token)
      return true;
  }
  return false;
}

}  // namespace

std::string ResolveAddress(const std::string& base, const std::string& ref) {
  if (HasScheme(ref))
    return ref;
  const size_t colon = base.find(':');
  const std::string scheme = colon == std::string::npos ? std::string() : base.substr(0, colon);
  if (ref.compare(0, 2, "//") == 0)
    return scheme + ":" + ref;
  // The document's address without its query and fragment.
  std::string path = base.substr(0, base.find_first_of("?#"));
  size_t path_start = colon == std::string::npos ? 0 : colon + 1;
  if (path.compare(path_start, 2, "//") == 0) {
    path_start = path.find('/', path_start + 2);
    if (path_start == std::string::npos) {
      path += "/";
      path_start = path.size() - 1;
    }
  }
  if (!ref.empty() && ref[0] == '/')
    return path.substr(0, path_start) + ref;
  if (!ref.empty() && (ref[0] == '?' || ref[0] == '#'))
    return base.substr(0, base.find(ref[0] == '?' ? "?" : "#")) + ref;
  const size_t last_slash = path.rfind('/');
  if (last_slash == std::string::npos || last_slash < path_start)
    return path.substr(0, path_start) + "/" + ref;
  return path.substr(0, last_slash + 1) + ref;
}

Resource ScanDocument(const CefString& mime_type, const std::string& body, const CefString& url) {
  Resource document;
  if (LowerAscii(mime_type.ToString()) != "text/html")
    return document;
  const std::string base = url.ToString();
  const std::string lower = LowerAscii(body);
  size_t at = 0;
  while ((at = lower.find('<', at)) != std::string::npos) {
    size_t name_end = at + 1;
    while (name_end < lower.size() && std::isalnum(static_cast<unsigned char>(lower[name_end])))
      ++name_end;
    const std::string name = lower.substr(at + 1, name_end - at - 1);
    size_t close = lower.find('>', name_end);
    if (close == std::string::npos)
      break;
    std::map<std::string, std::string> attributes =
        Attributes(body.substr(name_end, close - name_end));
    auto with = [&](const char* attribute, cef_resource_type_t type) {
      auto it = attributes.find(attribute);
      if (it != attributes.end() && !it->second.empty())
        document.subresources.push_back(
            driver::Subresource{ResolveAddress(base, it->second), type});
    };
    if (name == "img") {
      with("src", RT_IMAGE);
    } else if (name == "script") {
      with("src", RT_SCRIPT);
    } else if (name == "link") {
      if (HasToken(attributes["rel"], "stylesheet"))
        with("href", RT_STYLESHEET);
    } else if (name == "iframe") {
      auto it = attributes.find("src");
      if (it != attributes.end() && !it->second.empty())
        document.subframe_urls.push_back(ResolveAddress(base, it->second));
    } else if (name == "title" && document.title.empty()) {
      const size_t end = lower.find("</title", close);
      document.title = body.substr(close + 1, (end == std::string::npos ? body.size() : end) -
                                                  close - 1);
    }
    at = close + 1;
  }
  return document;
}

}  // namespace cefsim
