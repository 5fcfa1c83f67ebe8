#include "resources/my_resource_handler.h"

#include "jni/java_exceptions.h"
#include "jni/registry.h"
#include "jni/strings.h"
#include "jni/thread_env.h"
#include "resources/response_methods.h"

using brivon::LocalFrame;
using brivon::LocalRef;
using brivon::resources::Method;
using brivon::resources::ResponseMethod;

namespace {

// Each step's own local references, released when it returns.
constexpr jint kStepLocals = 8;

// One step's Java environment: the thread (attached once, see ThreadEnv) and a local frame.
class Step {
 public:
  Step() : frame_(thread_.env(), kStepLocals) {
    if (thread_.env() != nullptr && !frame_.ok()) Failed();
  }
  JNIEnv* env() const { return frame_.ok() ? thread_.env() : nullptr; }
  // True when a Java exception was pending: it has been printed and cleared.
  bool Failed() { return brivon::CatchJavaException(thread_.env(), true); }

 private:
  brivon::ThreadEnv thread_;
  LocalFrame frame_;
};

}  // namespace

bool MyResourceHandler::Open(CefRefPtr<CefRequest> request, bool& handle_request,
                             CefRefPtr<CefCallback>) {
  handle_request = false;
  Step step;
  JNIEnv* env = step.env();
  if (env == nullptr) return false;
  // Without a resource handler, or with any failure below, the request is still served at
  // once: GetResponseHeaders then answers 500.
  LocalRef<jobject> handler(env, brivon::NewHandlerRef(env, brivon::HandlerSlot::kResource));
  if (handler) {
    const jmethodID create = brivon::resources::CreateRequestMethod(env, handler.get());
    LocalRef<jstring> url = create != nullptr ? brivon::CefToJava(env, request->GetURL())
                                              : LocalRef<jstring>();
    LocalRef<jobject> response;
    if (url) response = LocalRef<jobject>(env, env->CallObjectMethod(handler.get(), create, url.get()));
    if (!step.Failed() && response) {
      const jmethodID open = ResponseMethod(env, Method::kOpen);
      if (open != nullptr) env->CallVoidMethod(response.get(), open);
      if (open != nullptr && !step.Failed()) {
        const jmethodID status = ResponseMethod(env, Method::kGetHttpStatusCode);
        const jint code = status != nullptr ? env->CallIntMethod(response.get(), status) : 0;
        if (status != nullptr && !step.Failed()) {
          status_code_ = code;
          response_.Reset(env, response.get());
        }
      }
    }
  }
  step.Failed();
  handle_request = true;
  return true;
}

void MyResourceHandler::GetResponseHeaders(CefRefPtr<CefResponse> response,
                                           int64& response_length, CefString&) {
  if (!response_) {
    response_length = -1;
    response->SetStatus(500);
    return;
  }
  Step step;
  JNIEnv* env = step.env();
  if (env == nullptr) return;
  const jobject target = response_.get();
  const jmethodID length_id = ResponseMethod(env, Method::kGetContentLength);
  const jmethodID type_id = ResponseMethod(env, Method::kGetContentType);
  jlong length = -1;
  LocalRef<jstring> type;
  bool ok = length_id != nullptr && type_id != nullptr;
  if (ok) {
    length = env->CallLongMethod(target, length_id);
    ok = !step.Failed();
  }
  if (ok) {
    type = LocalRef<jstring>(env, static_cast<jstring>(env->CallObjectMethod(target, type_id)));
    ok = !step.Failed();
  }
  step.Failed();
  if (!ok) {
    response_length = -1;
    response->SetStatus(500);
    return;
  }
  response->SetStatus(status_code_);
  response->SetMimeType(brivon::JavaToCef(env, type.get()));
  response_length = length;
}

bool MyResourceHandler::Read(void* data_out, int bytes_to_read, int& bytes_read,
                             CefRefPtr<CefResourceReadCallback>) {
  if (!response_) {
    bytes_read = -2;
    return false;
  }
  Step step;
  JNIEnv* env = step.env();
  if (env == nullptr) return false;
  const jobject target = response_.get();
  const jmethodID read = ResponseMethod(env, Method::kRead);
  // Java writes into the engine's own memory; the buffer is valid only during this call.
  LocalRef<jobject> buffer(env, read != nullptr ? env->NewDirectByteBuffer(data_out, bytes_to_read)
                                                : nullptr);
  jint count = 0;
  bool ok = static_cast<bool>(buffer);
  if (ok) {
    count = env->CallIntMethod(target, read, buffer.get());
    ok = !step.Failed();
  }
  if (!ok) {
    step.Failed();
    bytes_read = -2;
    return false;
  }
  bytes_read = count;
  return count > 0;
}

void MyResourceHandler::Cancel() {
  if (!response_) return;
  Step step;
  JNIEnv* env = step.env();
  if (env == nullptr) return;
  const jmethodID cancel = ResponseMethod(env, Method::kCancel);
  if (cancel != nullptr) env->CallVoidMethod(response_.get(), cancel);
  step.Failed();
}

MyResourceHandler::~MyResourceHandler() {
  if (!response_) return;
  Step step;
  JNIEnv* env = step.env();
  // Without an environment the response can be neither closed nor released.
  if (env == nullptr) return;
  const jmethodID close = ResponseMethod(env, Method::kClose);
  if (close != nullptr) env->CallVoidMethod(response_.get(), close);
  step.Failed();
  response_.Release(env);
}
