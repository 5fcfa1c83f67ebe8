#include "resources/legacy_resource_handler.h"

#include <algorithm>
#include <cstring>

#include "jni/java_callback.h"
#include "jni/strings.h"
#include "resources/legacy_mime.h"

bool LegacyResourceHandler::Open(CefRefPtr<CefRequest> request, bool& handle_request,
                                 CefRefPtr<CefCallback>) {
  resource_type_ = request->GetResourceType();
  const CefString url = request->GetURL();
  url_ = url.ToString();
  brivon::JavaCallback call(brivon::HandlerSlot::kResource, "read", "(Ljava/lang/String;)[B");
  JNIEnv* env = call.env();
  if (env == nullptr) return false;
  handle_request = true;
  if (!call.ready()) {
    unanswered_ = true;
    return true;
  }
  brivon::LocalRef<jstring> text = brivon::CefToJava(env, url);
  if (!text) return false;
  // A null array is an empty body.
  const auto keep_body = [this](JNIEnv* e, jobject answer) {
    const auto array = static_cast<jbyteArray>(answer);
    const jsize length = array != nullptr ? e->GetArrayLength(array) : 0;
    body_.resize(static_cast<size_t>(length));
    if (length > 0) e->GetByteArrayRegion(array, 0, length, reinterpret_cast<jbyte*>(body_.data()));
  };
  // A throwing read cancels the request at once (its exception printed and cleared).
  return call.CallObject(keep_body, text.get());
}

void LegacyResourceHandler::GetResponseHeaders(CefRefPtr<CefResponse> response,
                                               int64& response_length, CefString&) {
  if (unanswered_) {
    response->SetStatus(500);
    response_length = 0;
    return;
  }
  const brivon::resources::MimeChoice choice = brivon::resources::LegacyMimeFor(resource_type_, url_);
  response->SetStatus(200);
  response->SetMimeType(choice.mime_type);
  if (choice.charset != nullptr) response->SetCharset(choice.charset);
  response_length = static_cast<int64>(body_.size());
}

bool LegacyResourceHandler::Read(void* data_out, int bytes_to_read, int& bytes_read,
                                 CefRefPtr<CefResourceReadCallback>) {
  const size_t left = body_.size() - offset_;
  if (left == 0 || bytes_to_read <= 0) {
    bytes_read = 0;
    return false;
  }
  const size_t count = std::min(left, static_cast<size_t>(bytes_to_read));
  std::memcpy(data_out, body_.data() + offset_, count);
  offset_ += count;
  bytes_read = static_cast<int>(count);
  return true;
}
