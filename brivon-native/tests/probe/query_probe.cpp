// Test-only entry point for the query benchmark: the cost of one plain up-call from native code
// into Java, the least any engine callback that reaches Java pays.
#include <jni.h>

#include <chrono>

extern "C" {

// Calls target.run() `count` times from native code; returns the nanoseconds it took.
JNIEXPORT jlong JNICALL Java_com_velmor_brivon_probe_QueryProbe_timeUpcalls(JNIEnv* env, jclass,
                                                                           jobject target,
                                                                           jint count) {
  jclass type = env->GetObjectClass(target);
  jmethodID run = env->GetMethodID(type, "run", "()V");
  env->DeleteLocalRef(type);
  if (run == nullptr) return -1;
  const auto start = std::chrono::steady_clock::now();
  for (jint i = 0; i < count; ++i) {
    env->CallVoidMethod(target, run);
    if (env->ExceptionCheck()) return -1;
  }
  const auto end = std::chrono::steady_clock::now();
  return std::chrono::duration_cast<std::chrono::nanoseconds>(end - start).count();
}

}  // extern "C"
