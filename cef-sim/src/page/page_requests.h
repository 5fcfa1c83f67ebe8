#ifndef CEFSIM_SRC_PAGE_PAGE_REQUESTS_H_
#define CEFSIM_SRC_PAGE_PAGE_REQUESTS_H_

#include <memory>

#include "include/cef_frame.h"
#include "src/page/page.h"

namespace cefsim {

// A document that has just committed in `frame` requests the subresources it declares,
// those whose addresses a scheme handler factory serves, each on a loader thread; they are
// cancelled when the page leaves. Any thread; takes no lock of the browser's.
void RequestSubresources(int browser_id, CefRefPtr<CefFrame> frame, std::shared_ptr<Page> page);

}  // namespace cefsim

#endif  // CEFSIM_SRC_PAGE_PAGE_REQUESTS_H_
