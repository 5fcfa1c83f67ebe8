// Serves one request from the Java ResourceResponse that the Java resource handler makes for
// its URL: status, type and length first, then the body, which Java writes straight into the
// engine's read buffer. Runs on the engine's loader threads; one request's calls come one
// after the other.
#pragma once

#include "engine/prelude.h"
#include "include/cef_resource_handler.h"
#include "jni/refs.h"

class MyResourceHandler : public CefResourceHandler {
 public:
  MyResourceHandler() = default;
  ~MyResourceHandler() override;

  // CefResourceHandler methods:
  bool Open(CefRefPtr<CefRequest> request, bool& handle_request,
            CefRefPtr<CefCallback> callback) override;
  void GetResponseHeaders(CefRefPtr<CefResponse> response, int64& response_length,
                          CefString& redirect_url) override;
  bool Read(void* data_out, int bytes_to_read, int& bytes_read,
            CefRefPtr<CefResourceReadCallback> callback) override;
  void Cancel() override;

 private:
  // Set once Open has had the response opened and its status read; released by the
  // destructor after close.
  brivon::GlobalRef response_;
  int status_code_ = 200;

  IMPLEMENT_REFCOUNTING(MyResourceHandler);
};
