// The nine registration methods of CefLib.
#include <jni.h>

#include "jni/registry.h"

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
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_setContextMenuHandler(
    JNIEnv* env, jclass, jobject handler) {
  SetHandler(env, HandlerSlot::kContextMenu, handler);
}

}  // extern "C"
