// Drag data: what a drag carries. The stand-in keeps a link, a text and HTML fragment and
// file names; images and file contents it never makes.

#include <mutex>

#include "include/cef_drag_data.h"

namespace cefsim {
namespace {

class DragDataImpl : public CefDragData {
 public:
  DragDataImpl() = default;
  DragDataImpl(const DragDataImpl& other)
      : link_url_(other.link_url_),
        link_title_(other.link_title_),
        link_metadata_(other.link_metadata_),
        fragment_text_(other.fragment_text_),
        fragment_html_(other.fragment_html_),
        fragment_base_url_(other.fragment_base_url_),
        file_names_(other.file_names_) {}

  CefRefPtr<CefDragData> Clone() override {
    std::lock_guard<std::mutex> lock(mutex_);
    return new DragDataImpl(*this);
  }
  bool IsReadOnly() override { return false; }
  bool IsLink() override { return !Get(link_url_).empty(); }
  bool IsFragment() override {
    std::lock_guard<std::mutex> lock(mutex_);
    return link_url_.empty() && file_names_.empty();
  }
  bool IsFile() override {
    std::lock_guard<std::mutex> lock(mutex_);
    return !file_names_.empty();
  }
  CefString GetLinkURL() override { return Get(link_url_); }
  CefString GetLinkTitle() override { return Get(link_title_); }
  CefString GetLinkMetadata() override { return Get(link_metadata_); }
  CefString GetFragmentText() override { return Get(fragment_text_); }
  CefString GetFragmentHtml() override { return Get(fragment_html_); }
  CefString GetFragmentBaseURL() override { return Get(fragment_base_url_); }
  CefString GetFileName() override { return CefString(); }
  size_t GetFileContents(CefRefPtr<CefStreamWriter>) override { return 0; }
  bool GetFileNames(std::vector<CefString>& names) override {
    std::lock_guard<std::mutex> lock(mutex_);
    names.insert(names.end(), file_names_.begin(), file_names_.end());
    return !file_names_.empty();
  }
  void SetLinkURL(const CefString& url) override { Set(link_url_, url); }
  void SetLinkTitle(const CefString& title) override { Set(link_title_, title); }
  void SetLinkMetadata(const CefString& data) override { Set(link_metadata_, data); }
  void SetFragmentText(const CefString& text) override { Set(fragment_text_, text); }
  void SetFragmentHtml(const CefString& html) override { Set(fragment_html_, html); }
  void SetFragmentBaseURL(const CefString& base_url) override { Set(fragment_base_url_, base_url); }
  void ResetFileContents() override {}
  void AddFile(const CefString& path, const CefString&) override {
    std::lock_guard<std::mutex> lock(mutex_);
    file_names_.push_back(path);
  }
  CefRefPtr<CefImage> GetImage() override { return nullptr; }
  CefPoint GetImageHotspot() override { return CefPoint(); }
  bool HasImage() override { return false; }

 private:
  CefString Get(const CefString& field) {
    std::lock_guard<std::mutex> lock(mutex_);
    return field;
  }
  void Set(CefString& field, const CefString& value) {
    std::lock_guard<std::mutex> lock(mutex_);
    field = value;
  }

  std::mutex mutex_;
  CefString link_url_;
  CefString link_title_;
  CefString link_metadata_;
  CefString fragment_text_;
  CefString fragment_html_;
  CefString fragment_base_url_;
  std::vector<CefString> file_names_;

  IMPLEMENT_REFCOUNTING(DragDataImpl);
};

}  // namespace
}  // namespace cefsim

CefRefPtr<CefDragData> CefDragData::Create() {
  return new cefsim::DragDataImpl();
}
