// Which responses the engine downloads, and the name it suggests for them. The engine
// shows what its renderer can display and downloads everything else, and any response
// the server marks as an attachment.

#include "src/download/response_download.h"

#include <cctype>
#include <string>
#include <vector>

#include "src/lower_ascii.h"

namespace cefsim {
namespace {

std::string Trim(const std::string& s) {
  const char* space = " \t";
  const size_t first = s.find_first_not_of(space);
  if (first == std::string::npos)
    return std::string();
  return s.substr(first, s.find_last_not_of(space) - first + 1);
}

// The type without parameters, lower-cased: "Text/HTML; charset=x" is "text/html".
std::string EssenceOf(const CefString& mime_type) {
  const std::string text = mime_type.ToString();
  return LowerAscii(Trim(text.substr(0, text.find(';'))));
}

bool StartsWith(const std::string& s, const std::string& head) {
  return s.compare(0, head.size(), head) == 0;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool Renders(const std::string& type) {
  // Text the renderer does not display, but hands to another program.
  static const char* const kTextDownloaded[] = {
      "text/csv", "text/calendar", "text/vcard", "text/x-vcard", "text/rtf",
      "text/tab-separated-values",
  };
  static const char* const kShown[] = {
      "image/png", "image/jpeg", "image/gif", "image/webp", "image/bmp", "image/svg+xml",
      "image/x-icon", "image/vnd.microsoft.icon", "application/xhtml+xml", "application/xml",
      "application/json", "application/javascript", "application/x-javascript",
      "application/ecmascript", "application/pdf", "video/webm", "audio/webm", "video/ogg",
      "audio/ogg", "audio/wav",
  };
  if (type.empty())
    return true;
  if (StartsWith(type, "text/")) {
    for (const char* t : kTextDownloaded) {
      if (type == t)
        return false;
    }
    return true;
  }
  for (const char* t : kShown) {
    if (type == t)
      return true;
  }
  return EndsWith(type, "+xml");
}

// The header's parts between semicolons, a quoted semicolon kept inside its part.
std::vector<std::string> SplitParameters(const std::string& header) {
  std::vector<std::string> parts(1);
  bool quoted = false;
  for (size_t i = 0; i < header.size(); ++i) {
    const char c = header[i];
    if (quoted && c == '\\' && i + 1 < header.size()) {
      parts.back() += c;
      parts.back() += header[++i];
      continue;
    }
    if (c == '"')
      quoted = !quoted;
    if (c == ';' && !quoted) {
      parts.emplace_back();
      continue;
    }
    parts.back() += c;
  }
  for (std::string& part : parts)
    part = Trim(part);
  return parts;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

std::string PercentDecode(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '%' && i + 2 < s.size() && HexValue(s[i + 1]) >= 0 &&
        HexValue(s[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(s[i + 1]) * 16 + HexValue(s[i + 2]));
      i += 2;
      continue;
    }
    out += s[i];
  }
  return out;
}

std::string Unquote(const std::string& value) {
  if (value.size() < 2 || value.front() != '"' || value.back() != '"')
    return value;
  std::string out;
  for (size_t i = 1; i + 1 < value.size(); ++i) {
    if (value[i] == '\\' && i + 2 < value.size())
      ++i;
    out += value[i];
  }
  return out;
}

// The filename the header names, empty when it names none the engine can read.
std::string DispositionName(const std::string& header) {
  std::string plain;
  std::string extended;
  const std::vector<std::string> parts = SplitParameters(header);
  for (size_t i = 1; i < parts.size(); ++i) {
    const size_t equals = parts[i].find('=');
    if (equals == std::string::npos)
      continue;
    const std::string name = LowerAscii(Trim(parts[i].substr(0, equals)));
    const std::string value = Trim(parts[i].substr(equals + 1));
    if (name == "filename") {
      plain = Unquote(value);
    } else if (name == "filename*") {
      // charset'language'percent-encoded; the engine reads the UTF-8 form.
      const size_t first = value.find('\'');
      const size_t second = first == std::string::npos ? first : value.find('\'', first + 1);
      if (second != std::string::npos && LowerAscii(value.substr(0, first)) == "utf-8")
        extended = PercentDecode(value.substr(second + 1));
    }
  }
  return extended.empty() ? plain : extended;
}

std::string LastPathSegment(const std::string& url) {
  std::string path = url.substr(0, url.find_first_of("?#"));
  const size_t scheme_end = path.find("://");
  if (scheme_end != std::string::npos) {
    const size_t path_start = path.find('/', scheme_end + 3);
    path = path_start == std::string::npos ? std::string() : path.substr(path_start);
  }
  return PercentDecode(path.substr(path.rfind('/') + 1));
}

std::string BaseName(const std::string& name) {
  const size_t separator = name.find_last_of("/\\");
  const std::string base =
      Trim(separator == std::string::npos ? name : name.substr(separator + 1));
  return base == "." || base == ".." ? std::string() : base;
}

}  // namespace

bool ServedAsDownload(const Resource& served) {
  if (served.unreachable)
    return false;
  const std::string disposition = served.content_disposition.ToString();
  if (LowerAscii(SplitParameters(disposition)[0]) == "attachment")
    return true;
  return !Renders(EssenceOf(served.mime_type));
}

CefString MimeTypeOf(const Resource& served) {
  return CefString(EssenceOf(served.mime_type));
}

CefString SuggestedFileName(const CefString& url, const CefString& content_disposition) {
  std::string name = BaseName(DispositionName(content_disposition.ToString()));
  if (name.empty())
    name = BaseName(LastPathSegment(url.ToString()));
  return CefString(name.empty() ? std::string("download") : name);
}

}  // namespace cefsim
