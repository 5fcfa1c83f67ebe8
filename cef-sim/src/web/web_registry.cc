#include "src/web/web_registry.h"

#include <utility>


namespace cefsim {
namespace {

std::string LowerAscii(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void WebRegistry::Serve(const CefString& url, Resource resource) {
  std::lock_guard<std::mutex> lock(mutex_);
  pages_[url.ToString16()] = std::move(resource);
}

void WebRegistry::AddUnreachableHost(const std::string& host) {
  std::lock_guard<std::mutex> lock(mutex_);
  unreachable_hosts_.insert(LowerAscii(host));
}

Resource WebRegistry::Lookup(const CefString& url) const {
  std::string host = HostOf(url);
  std::lock_guard<std::mutex> lock(mutex_);
  if (!host.empty() &&
      (unreachable_hosts_.count(host) || host == "invalid" || EndsWith(host, ".invalid"))) {
    Resource unreachable;
    unreachable.unreachable = true;
    return unreachable;
  }
  auto it = pages_.find(url.ToString16());
  return it == pages_.end() ? Resource() : it->second;
}

void WebRegistry::SetHolding(bool hold) {
  std::lock_guard<std::mutex> lock(mutex_);
  holding_ = hold;
}

bool WebRegistry::Hold(std::function<void()> resume) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!holding_)
    return false;
  held_.push_back(std::move(resume));
  return true;
}

std::vector<std::function<void()>> WebRegistry::Release() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::function<void()>> out;
  out.swap(held_);
  return out;
}

std::vector<std::function<void()>> WebRegistry::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  pages_.clear();
  unreachable_hosts_.clear();
  holding_ = false;
  std::vector<std::function<void()>> out;
  out.swap(held_);
  return out;
}

WebRegistry& Web() {
  // Never destroyed, as the rest of the engine's state.
  static WebRegistry* web = new WebRegistry();
  return *web;
}

std::string HostOf(const CefString& url) {
  std::string text = url.ToString();
  size_t scheme_end = text.find("://");
  if (scheme_end == std::string::npos)
    return std::string();
  size_t start = scheme_end + 3;
  size_t end = text.find_first_of("/?#", start);
  std::string authority = text.substr(start, end == std::string::npos ? end : end - start);
  size_t at = authority.rfind('@');
  if (at != std::string::npos)
    authority.erase(0, at + 1);
  if (!authority.empty() && authority[0] == '[') {
    size_t close = authority.find(']');
    return LowerAscii(authority.substr(0, close == std::string::npos ? close : close + 1));
  }
  size_t colon = authority.find(':');
  if (colon != std::string::npos)
    authority.erase(colon);
  return LowerAscii(authority);
}

}  // namespace cefsim
