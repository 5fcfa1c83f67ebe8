// Test-only entry points built into a probe variant of the bridge. They drive the bridge's own
// callback code the way engine callbacks do: from a thread the virtual machine does not know,
// and from tasks the engine runs inside doMessageLoopWork.
#include <jni.h>

#include <string>
#include <thread>

#include "engine/prelude.h"
#include "include/cef_task.h"
#include "jni/java_callback.h"
#include "jni/jvm.h"

namespace {

enum ProbeResult : jint {
  kWasDetachedBefore = 1,
  kJavaCompleted = 2,
  kAttachedAfter = 4,
};

bool ThreadIsDetached() {
  void* env = nullptr;
  return brivon::GetJavaVm()->GetEnv(&env, JNI_VERSION_1_8) == JNI_EDETACHED;
}

void CallHandler(jint slot, const std::string& method) {
  brivon::JavaCallback call(static_cast<brivon::HandlerSlot>(slot), method.c_str(), "()V");
  call.CallVoid();
}

std::string ToUtf8(JNIEnv* env, jstring text) {
  const char* chars = env->GetStringUTFChars(text, nullptr);
  std::string out = chars != nullptr ? chars : "";
  if (chars != nullptr) env->ReleaseStringUTFChars(text, chars);
  return out;
}

class HandlerTask : public CefTask {
 public:
  HandlerTask(jint slot, std::string method) : slot_(slot), method_(std::move(method)) {}
  void Execute() override { CallHandler(slot_, method_); }

 private:
  jint slot_;
  std::string method_;
  IMPLEMENT_REFCOUNTING(HandlerTask);
};

// A callback written the way the callback rule allows: its argument is a local reference it
// never deletes, left for the JavaCallback's frame to release.
class EchoTask : public CefTask {
 public:
  EchoTask(jint slot, std::string text) : slot_(slot), text_(std::move(text)) {}
  void Execute() override {
    brivon::JavaCallback call(static_cast<brivon::HandlerSlot>(slot_), "echo",
                              "(Ljava/lang/String;)Ljava/lang/String;");
    JNIEnv* env = call.env();
    if (env == nullptr) return;
    jstring argument = env->NewStringUTF(text_.c_str());
    if (argument == nullptr) return;
    call.CallObject([](JNIEnv*, jobject) {}, argument);
  }

 private:
  jint slot_;
  std::string text_;
  IMPLEMENT_REFCOUNTING(EchoTask);
};

}  // namespace

extern "C" {

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_probe_CallbackProbe_postEchoes(JNIEnv* env,
                                                                                jclass,
                                                                                jint slot,
                                                                                jstring text,
                                                                                jint count) {
  const std::string utf = ToUtf8(env, text);
  for (jint i = 0; i < count; ++i) {
    if (!CefPostTask(TID_UI, new EchoTask(slot, utf))) return JNI_FALSE;
  }
  return JNI_TRUE;
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_probe_CallbackProbe_callOnEngineThread(
    JNIEnv* env, jclass, jint slot, jstring method) {
  const std::string name = ToUtf8(env, method);
  jint result = 0;
  std::thread engine_thread([&] {
    if (ThreadIsDetached()) result |= kWasDetachedBefore;
    {
      brivon::JavaCallback call(static_cast<brivon::HandlerSlot>(slot), name.c_str(), "()V");
      if (call.CallVoid()) result |= kJavaCompleted;
    }
    if (!ThreadIsDetached()) result |= kAttachedAfter;
  });
  engine_thread.join();
  return result;
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_probe_CallbackProbe_postToPump(JNIEnv* env,
                                                                                 jclass,
                                                                                 jint slot,
                                                                                 jstring method) {
  return CefPostTask(TID_UI, new HandlerTask(slot, ToUtf8(env, method))) ? JNI_TRUE : JNI_FALSE;
}

}  // extern "C"

// The bridge's string conversions, each way and round trip, for tests with a real JVM.
#include "jni/strings.h"

extern "C" {

JNIEXPORT jcharArray JNICALL Java_com_velmor_brivon_probe_CallbackProbe_toEngineUnits(
    JNIEnv* env, jclass, jstring text) {
  const CefString converted = brivon::JavaToCef(env, text);
  const jsize length = static_cast<jsize>(converted.length());
  jcharArray units = env->NewCharArray(length);
  if (units != nullptr && length > 0) {
    env->SetCharArrayRegion(units, 0, length, reinterpret_cast<const jchar*>(converted.c_str()));
  }
  return units;
}

JNIEXPORT jstring JNICALL Java_com_velmor_brivon_probe_CallbackProbe_fromEngineUnits(
    JNIEnv* env, jclass, jcharArray units) {
  const jsize length = env->GetArrayLength(units);
  jchar* data = env->GetCharArrayElements(units, nullptr);
  CefString engine_string;
  if (length > 0) engine_string.FromString(reinterpret_cast<const char16*>(data), length, true);
  env->ReleaseCharArrayElements(units, data, JNI_ABORT);
  return brivon::CefToJava(env, engine_string).release();
}

}  // extern "C"
