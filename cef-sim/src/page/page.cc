#include "src/page/page.h"

namespace cefsim {

Page::Page(const CefString& url, const Resource& served)
    : url_(url), served_(served), title_(served.title) {}

CefString Page::url() const {
  return url_;
}

int Page::status() const {
  return served_.status;
}

std::vector<CefString> Page::subframe_urls() const {
  return served_.subframe_urls;
}

std::vector<driver::Subresource> Page::subresources() const {
  return served_.subresources;
}

CefString Page::title() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return title_;
}

bool Page::SetTitle(const CefString& title) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (title_ == title)
    return false;
  title_ = title;
  return true;
}

void Page::RunScript(const CefString& code, const CefString& url, int line) {
  std::lock_guard<std::mutex> lock(mutex_);
  scripts_.push_back(ScriptRun{code, url, line});
}

std::vector<Page::ScriptRun> Page::scripts() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return scripts_;
}

bool Page::RequestFullscreen(bool on) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (fullscreen_ == on)
    return false;
  fullscreen_ = on;
  return true;
}

}  // namespace cefsim
