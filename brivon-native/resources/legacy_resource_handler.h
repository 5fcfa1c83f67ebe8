// The legacy build's resource handler: the whole body fetched from Java at once, as the byte
// array that the resource handler's read(String) answers, then handed to the engine chunk by
// chunk. The MIME type comes from the address (see legacy_mime.h), not from Java.
#pragma once

#include <string>
#include <vector>

#include "engine/prelude.h"
#include "include/cef_resource_handler.h"

class LegacyResourceHandler : public CefResourceHandler {
 public:
  // CefResourceHandler methods:
  bool Open(CefRefPtr<CefRequest> request, bool& handle_request,
            CefRefPtr<CefCallback> callback) override;
  void GetResponseHeaders(CefRefPtr<CefResponse> response, int64& response_length,
                          CefString& redirect_url) override;
  bool Read(void* data_out, int bytes_to_read, int& bytes_read,
            CefRefPtr<CefResourceReadCallback> callback) override;
  void Cancel() override {}

 private:
  std::vector<char> body_;
  size_t offset_ = 0;
  cef_resource_type_t resource_type_ = RT_SUB_RESOURCE;
  std::string url_;
  // No Java handler answered: status 500 with an empty body, as the other build does.
  bool unanswered_ = false;

  IMPLEMENT_REFCOUNTING(LegacyResourceHandler);
};
