// The Java methods a resource request calls, each looked up once per process and shared by
// every loader thread.
//
// The response methods are looked up on ResourceResponse itself, so that one ID dispatches
// to whatever subclass a response is (an ID taken from one subclass's override is not valid
// on another). createRequest is looked up on the registered handler's class and kept with
// that class; a handler of another class has it looked up for itself.
#pragma once

#include <jni.h>

namespace brivon::resources {

enum class Method {
  kOpen,
  kGetHttpStatusCode,
  kGetContentLength,
  kGetContentType,
  kRead,
  kCancel,
  kClose,
};

inline constexpr char kResponseClassName[] = "com/velmor/brivon/jni/ResourceResponse";

// Takes the ResourceResponse class the first time, from a Java thread whose class loader
// knows it (the registering native call); a ClassNotFoundError then stays pending for that
// caller. Kept for the process's life.
void TakeResponseClass(JNIEnv* env);

// The response method's ID, or null (with an exception pending when the lookup threw) when
// ResourceResponse is unknown or lacks it.
jmethodID ResponseMethod(JNIEnv* env, Method method);

// createRequest on the handler's class, or null with its NoSuchMethodError pending.
jmethodID CreateRequestMethod(JNIEnv* env, jobject handler);

}  // namespace brivon::resources
