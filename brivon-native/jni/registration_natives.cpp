// The nine registration methods of CefLib.
#include <jni.h>

#include "jni/registry.h"
#include "resources/response_methods.h"

using brivon::HandlerSlot;
using brivon::SetHandler;

extern "C" {

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setLoadHandler(JNIEnv* env, jclass,
                                                                        jobject handler) {
  SetHandler(env, HandlerSlot::kLoad, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setRenderHandler(JNIEnv* env, jclass,
                                                                          jobject handler) {
  SetHandler(env, HandlerSlot::kRender, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setMessageRouterHandler(
    JNIEnv* env, jclass, jobject handler) {
  SetHandler(env, HandlerSlot::kMessageRouter, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setDisplayHandler(JNIEnv* env, jclass,
                                                                           jobject handler) {
  SetHandler(env, HandlerSlot::kDisplay, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setDownloadHandler(JNIEnv* env, jclass,
                                                                            jobject handler) {
  SetHandler(env, HandlerSlot::kDownload, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setLifeSpanHandler(JNIEnv* env, jclass,
                                                                            jobject handler) {
  SetHandler(env, HandlerSlot::kLifeSpan, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setRequestHandler(JNIEnv* env, jclass,
                                                                           jobject handler) {
  SetHandler(env, HandlerSlot::kRequest, handler);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setResourceHandler(JNIEnv* env, jclass,
                                                                            jobject handler) {
  SetHandler(env, HandlerSlot::kResource, handler);
  // Loader threads look the response methods up on this class; their class loader may not
  // know it, this call's does.
#if !defined(BRIVON_LEGACY)
  if (handler != nullptr) brivon::resources::TakeResponseClass(env);
#endif
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setContextMenuHandler(
    JNIEnv* env, jclass, jobject handler) {
  SetHandler(env, HandlerSlot::kContextMenu, handler);
}

}  // extern "C"
