// Native side of com.velmor.brivon.sim.SimWeb and SimPage: what addresses serve and what
// pages do.

#include <jni.h>

#include <vector>

#include "cefsim/driver.h"
#include "jni/jni_values.h"

using cefsim_jni::FromJava;

namespace driver = cefsim::driver;

extern "C" {

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_nativeServePage(JNIEnv* env,
                                                                        jclass,
                                                                        jstring url,
                                                                        jstring title,
                                                                        jint status,
                                                                        jobjectArray subframes) {
  std::vector<CefString> subframe_urls;
  jsize count = subframes ? env->GetArrayLength(subframes) : 0;
  for (jsize i = 0; i < count; ++i) {
    jstring s = static_cast<jstring>(env->GetObjectArrayElement(subframes, i));
    if (env->ExceptionCheck())
      return;
    subframe_urls.push_back(FromJava(env, s));
    env->DeleteLocalRef(s);
  }
  driver::ServePage(FromJava(env, url), FromJava(env, title), subframe_urls, status);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_nativeServePageWithSubresources(
    JNIEnv* env, jclass, jstring url, jstring title, jobjectArray urls, jintArray types) {
  const jsize count = env->GetArrayLength(urls);
  if (env->GetArrayLength(types) != count)
    return;
  std::vector<jint> type_values(static_cast<size_t>(count));
  if (count > 0)
    env->GetIntArrayRegion(types, 0, count, type_values.data());
  std::vector<driver::Subresource> subresources;
  for (jsize i = 0; i < count; ++i) {
    jstring s = static_cast<jstring>(env->GetObjectArrayElement(urls, i));
    if (env->ExceptionCheck())
      return;
    subresources.push_back(driver::Subresource{
        FromJava(env, s), static_cast<cef_resource_type_t>(type_values[static_cast<size_t>(i)])});
    env->DeleteLocalRef(s);
  }
  driver::ServePage(FromJava(env, url), FromJava(env, title), {}, 200, subresources);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_nativeServeResponse(
    JNIEnv* env, jclass, jstring url, jstring mime_type, jstring content_disposition,
    jlong content_length) {
  driver::ServeResponse(FromJava(env, url), FromJava(env, mime_type),
                        FromJava(env, content_disposition), content_length);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_nativeUnreachableHost(JNIEnv* env,
                                                                              jclass,
                                                                              jstring host) {
  driver::UnreachableHost(FromJava(env, host));
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_holdLoads(JNIEnv*, jclass, jboolean hold) {
  driver::HoldLoads(hold);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_releaseLoads(JNIEnv*, jclass) {
  driver::ReleaseLoads();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimWeb_reset(JNIEnv*, jclass) {
  driver::ResetWeb();
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimPage_nativeWindowOpen(JNIEnv* env,
                                                                              jclass,
                                                                              jint id,
                                                                              jstring url,
                                                                              jboolean features) {
  return driver::WindowOpen(id, FromJava(env, url), features);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimPage_nativeConsoleLog(JNIEnv* env,
                                                                              jclass,
                                                                              jint id,
                                                                              jint level,
                                                                              jstring message,
                                                                              jstring source,
                                                                              jint line) {
  return driver::ConsoleLog(id, level, FromJava(env, message), FromJava(env, source), line);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimPage_fullscreen(JNIEnv*,
                                                                        jclass,
                                                                        jint id,
                                                                        jboolean on) {
  return driver::Fullscreen(id, on);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimPage_nativeNavigateSubframe(JNIEnv* env,
                                                                                    jclass,
                                                                                    jint id,
                                                                                    jint index,
                                                                                    jstring url) {
  return driver::NavigateSubframe(id, index, FromJava(env, url));
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimPage_nativeSetTitle(JNIEnv* env,
                                                                            jclass,
                                                                            jint id,
                                                                            jstring title) {
  return driver::SetTitle(id, FromJava(env, title));
}

}  // extern "C"
