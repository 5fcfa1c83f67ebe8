#include "jni/java_callback.h"

namespace brivon {

JavaCallback::JavaCallback(HandlerSlot slot, const char* name, const char* signature)
    : frame_(thread_.env(), kLocalCapacity) {
  JNIEnv* e = thread_.env();
  if (e == nullptr) return;
  // No frame: its OutOfMemoryError goes where a handler's exception would, and Java is skipped.
  if (!frame_.ok()) {
    CatchJavaException(e, thread_.attached_here());
    return;
  }
  handler_ = LocalRef<jobject>(e, NewHandlerRef(e, slot));
  if (!handler_) return;
  class_ = LocalRef<jclass>(e, e->GetObjectClass(handler_.get()));
  method_ = e->GetMethodID(class_.get(), name, signature);
  // A handler without the method: its NoSuchMethodError is kept like any other exception.
  if (method_ == nullptr) CatchJavaException(e, thread_.attached_here());
}

}  // namespace brivon
