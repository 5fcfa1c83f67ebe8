#ifndef CEFSIM_DRIVER_CEFSIM_RESOURCES_H_
#define CEFSIM_DRIVER_CEFSIM_RESOURCES_H_

// Requests served by scheme handler factories, as the network side of the browser process
// loads them: each on a loader thread of its own (a real thread the Java VM does not know),
// several at once. The factory whose scheme and domain match the address (an empty domain
// matches every host, the host compared case-insensitively) is asked for a handler, which
// is opened, asked for its headers and read in chunks of kReadChunkBytes until it ends or
// fails; the handler is released on the loader thread at the end.
//
// Pages make such requests too: a document requests the subresources it declares (see
// ServePage) whose addresses a factory serves, once it has committed, and a main-frame
// navigation to a factory's address is fetched through the factory before its document
// commits. Those requests are cancelled when their page goes (the frame's next document,
// the frame's removal, the browser's close) or their navigation is overtaken or stopped.

#include <string>
#include <vector>

#include "include/cef_base.h"
#include "include/internal/cef_types.h"

namespace cefsim {
namespace driver {

// What the engine offers each Read.
inline constexpr int kReadChunkBytes = 32 * 1024;

// What a page received for one request.
struct ResourceReceived {
  bool finished = false;   // the loader thread has ended
  bool offered = false;    // a factory matched and gave a handler
  bool handled = false;    // Open returned true with handle_request true
  int status = 0;
  CefString mime_type;
  CefString charset;
  int64 length = -1;       // as GetResponseHeaders gave it
  std::string body;
  int error = 0;           // 0, or the load's error code
  int reads = 0;           // Read calls made
  bool canceled = false;   // Cancel was called
};

// One request a browser's page or main-frame navigation made through a factory.
struct PageRequest {
  int id;  // for AwaitResource
  CefString url;
  cef_resource_type_t type;
  int64 frame_id;
};

// The browser's page requests so far, in the order they were made.
std::vector<PageRequest> PageRequests(int browser_id);

// Starts loading `url` for the browser (0: none) as a request of `type`; returns its id.
int LoadResource(int browser_id, const CefString& url, cef_resource_type_t type);
// Cancels the request, as a page that goes away does: Cancel is called before the next Read.
void CancelResource(int id);
// Waits up to timeout_ms for the request to end (its handler released); fills `out` either way.
// A finished request's result is taken: a second await of it finds nothing.
bool AwaitResource(int id, int timeout_ms, ResourceReceived* out);

// The engine's loading threads alive now. Threads idle for a while end, as the engine's pool
// lets its idle workers go; one counted as ended has fully ended.
int LoaderThreads();

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_RESOURCES_H_
