#ifndef CEFSIM_SRC_DOWNLOAD_RESPONSE_DOWNLOAD_H_
#define CEFSIM_SRC_DOWNLOAD_RESPONSE_DOWNLOAD_H_

// Responses a navigation receives that the engine downloads instead of showing.

#include <cstdint>

#include "include/cef_base.h"
#include "src/web/web_registry.h"

namespace cefsim {

class BrowserImpl;

// Whether the engine hands this response to its download manager: an attachment, or a
// type it cannot render.
bool ServedAsDownload(const Resource& served);

// The response's type as the engine reports it: lower-cased, without parameters.
CefString MimeTypeOf(const Resource& served);

// The file name the engine offers for url: the Content-Disposition's filename (its
// UTF-8 filename* first), else the address's last path segment, else "download". Only
// a name, never a path: anything up to the last slash or backslash is dropped.
CefString SuggestedFileName(const CefString& url, const CefString& content_disposition);

// Starts downloading what a navigation of the browser received (downloads.cc); the
// client is asked in a later loop iteration. The download id, 0 for a closed browser.
uint32_t StartResponseDownload(CefRefPtr<BrowserImpl> browser,
                               const CefString& url,
                               const Resource& served);

}  // namespace cefsim

#endif  // CEFSIM_SRC_DOWNLOAD_RESPONSE_DOWNLOAD_H_
