#ifndef CEFSIM_SRC_PAGE_DOCUMENT_SCAN_H_
#define CEFSIM_SRC_PAGE_DOCUMENT_SCAN_H_

#include <string>

#include "include/cef_base.h"
#include "src/web/web_registry.h"

namespace cefsim {

// What a document that arrived as bytes declares, as the renderer's parser finds it. Only an
// HTML body (type text/html) declares anything: its <title>, its iframes (subframes, in
// document order) and its images (<img src>), style sheets (<link rel="stylesheet" href>)
// and scripts (<script src>), each address resolved against the document's own. Tags and
// attribute names in any case; nothing else of HTML (no comments, no <base>).
Resource ScanDocument(const CefString& mime_type, const std::string& body, const CefString& url);

// `ref` as an absolute address, seen from the document at `base`.
std::string ResolveAddress(const std::string& base, const std::string& ref);

}  // namespace cefsim

#endif  // CEFSIM_SRC_PAGE_DOCUMENT_SCAN_H_
