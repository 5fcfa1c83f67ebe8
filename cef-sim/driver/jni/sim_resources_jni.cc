// Native side of com.velmor.brivon.sim.SimResources: requests served by scheme handlers.

#include <jni.h>

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

}  // extern "C"
