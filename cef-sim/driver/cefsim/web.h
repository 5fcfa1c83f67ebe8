#ifndef CEFSIM_DRIVER_CEFSIM_WEB_H_
#define CEFSIM_DRIVER_CEFSIM_WEB_H_

// The stand-in's network: what each address serves. An address nobody registered
// serves an empty document (no title, no subframes, status 200); hosts under the
// .invalid top-level domain never resolve. Every function may be called from any thread.

#include <cstdint>
#include <vector>

#include "include/cef_base.h"
#include "include/internal/cef_types.h"

namespace cefsim {
namespace driver {

// What a document declares it needs: an image, a style sheet, a script.
struct Subresource {
  CefString url;
  cef_resource_type_t type;
};

// The address serves a document with this title (empty: the document has none) and these
// subframes in document order, with the given HTTP status. Once committed, the document
// requests those of its subresources that a scheme handler factory serves (resources.h).
void ServePage(const CefString& url,
               const CefString& title,
               const std::vector<CefString>& subframe_urls,
               int status = 200,
               const std::vector<Subresource>& subresources = {});

// The address answers with a body of this MIME type, this Content-Disposition header
// (empty: none) and this Content-Length (negative: none). The engine shows a type it
// renders (text, images, XML, JSON, PDF; an empty type is sniffed as a document) as a
// document without title or subframes. An attachment, or a type it does not render, it
// downloads instead: the navigation ends before it commits, with OnLoadError ERR_ABORTED
// between the two loading-state changes, the page that was showing stays, and the client
// is asked about the download in a later loop iteration, with the name the response
// suggests and its length as the total size.
void ServeResponse(const CefString& url,
                   const CefString& mime_type,
                   const CefString& content_disposition,
                   int64_t content_length);

// Navigations to this host fail before they commit with ERR_NAME_NOT_RESOLVED.
void UnreachableHost(const CefString& host);

// While held, each new navigation stops after its main frame's OnLoadStart and stays
// loading until ReleaseLoads lets the held ones finish in later loop iterations.
void HoldLoads(bool hold);
void ReleaseLoads();

// Forgets pages, unreachable hosts and holds (held navigations are released).
void ResetWeb();

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_WEB_H_
