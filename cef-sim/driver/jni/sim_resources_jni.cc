// Native side of com.velmor.brivon.sim.SimResources: requests served by scheme handlers.

#include <jni.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "cefsim/resources.h"
#include "jni/jni_values.h"

using cefsim_jni::FromJava;
using cefsim_jni::ToJava;

namespace driver = cefsim::driver;

extern "C" {

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimResources_nativeLoad(JNIEnv* env,
                                                                         jclass,
                                                                         jint browser_id,
                                                                         jstring url,
                                                                         jint type) {
  return driver::LoadResource(browser_id, FromJava(env, url),
                              static_cast<cef_resource_type_t>(type));
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimResources_loaderThreads(JNIEnv*, jclass) {
  return driver::LoaderThreads();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimResources_cancel(JNIEnv*, jclass, jint id) {
  driver::CancelResource(id);
}

JNIEXPORT jobject JNICALL Java_com_velmor_brivon_sim_SimResources_nativeAwait(JNIEnv* env,
                                                                             jclass cls,
                                                                             jint id,
                                                                             jint timeout_ms) {
  driver::ResourceReceived got;
  if (!driver::AwaitResource(id, timeout_ms, &got))
    return nullptr;
  jclass received = env->FindClass("com/velmor/brivon/sim/SimResources$Received");
  if (!received)
    return nullptr;
  jmethodID make = env->GetMethodID(received, "<init>",
                                    "(ZZILjava/lang/String;Ljava/lang/String;J[BIIZ)V");
  jstring mime = make ? ToJava(env, got.mime_type) : nullptr;
  jstring charset = mime ? ToJava(env, got.charset) : nullptr;
  jbyteArray body = charset ? env->NewByteArray(static_cast<jsize>(got.body.size())) : nullptr;
  jobject out = nullptr;
  if (body) {
    env->SetByteArrayRegion(body, 0, static_cast<jsize>(got.body.size()),
                            reinterpret_cast<const jbyte*>(got.body.data()));
    out = env->NewObject(received, make, static_cast<jboolean>(got.offered),
                         static_cast<jboolean>(got.handled), got.status, mime, charset,
                         static_cast<jlong>(got.length), body, got.error, got.reads,
                         static_cast<jboolean>(got.canceled));
  }
  (void)cls;
  return out;
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimResources_nativePageRequests(
    JNIEnv* env, jclass, jint browser_id) {
  const std::vector<driver::PageRequest> requests = driver::PageRequests(browser_id);
  jclass item = env->FindClass("com/velmor/brivon/sim/SimResources$PageRequest");
  if (!item)
    return nullptr;
  jmethodID make = env->GetMethodID(item, "<init>", "(ILjava/lang/String;IJ)V");
  jobjectArray out =
      make ? env->NewObjectArray(static_cast<jsize>(requests.size()), item, nullptr) : nullptr;
  for (size_t i = 0; out && i < requests.size(); ++i) {
    jstring url = ToJava(env, requests[i].url);
    jobject one = url ? env->NewObject(item, make, requests[i].id, url,
                                       static_cast<jint>(requests[i].type),
                                       static_cast<jlong>(requests[i].frame_id))
                      : nullptr;
    if (one)
      env->SetObjectArrayElement(out, static_cast<jsize>(i), one);
    if (url)
      env->DeleteLocalRef(url);
    if (!one)
      return nullptr;
    env->DeleteLocalRef(one);
  }
  env->DeleteLocalRef(item);
  return out;
}

}  // extern "C"

// Yardsticks for the resource benchmark, measured on a thread of their own.

extern "C" {

// Nanoseconds per AttachCurrentThread + DetachCurrentThread pair on a fresh native thread.
JNIEXPORT jdouble JNICALL Java_com_velmor_brivon_sim_SimResources_attachDetachNanos(JNIEnv* env,
                                                                                   jclass,
                                                                                   jint times) {
  JavaVM* vm = nullptr;
  if (env->GetJavaVM(&vm) != JNI_OK || times <= 0)
    return -1;
  double nanos = -1;
  std::thread measure([&] {
    const auto start = std::chrono::steady_clock::now();
    for (jint i = 0; i < times; ++i) {
      void* thread_env = nullptr;
      if (vm->AttachCurrentThread(&thread_env, nullptr) != JNI_OK)
        return;
      vm->DetachCurrentThread();
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    nanos = spent.count() / times;
  });
  measure.join();
  return nanos;
}

// Nanoseconds for one memcpy of `bytes` bytes, in engine-sized chunks, best of `times`.
JNIEXPORT jdouble JNICALL Java_com_velmor_brivon_sim_SimResources_memcpyNanos(JNIEnv*,
                                                                             jclass,
                                                                             jint bytes,
                                                                             jint times) {
  if (bytes <= 0 || times <= 0)
    return -1;
  std::vector<char> from(static_cast<size_t>(bytes), 'x');
  std::vector<char> chunk(cefsim::driver::kReadChunkBytes);
  double best = -1;
  volatile char sink = 0;
  for (jint t = 0; t < times; ++t) {
    const auto start = std::chrono::steady_clock::now();
    for (size_t offset = 0; offset < from.size(); offset += chunk.size()) {
      const size_t count = std::min(chunk.size(), from.size() - offset);
      std::memcpy(chunk.data(), from.data() + offset, count);
      sink = sink + chunk[0];
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    if (best < 0 || spent.count() < best)
      best = spent.count();
  }
  return best;
}

}  // extern "C"
