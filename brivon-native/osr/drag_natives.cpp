// The drop-target methods of CefLib: Java drives a drag over a browser as it drives the mouse,
// either one that started in the page (StartDragging) or text of its own. Every drag event
// holds the left button and allows every operation. Pumping thread only.
#include <jni.h>

#include "engine/prelude.h"
#include "include/cef_browser.h"
#include "include/cef_drag_data.h"
#include "jni/java_exceptions.h"
#include "jni/strings.h"
#include "osr/input_host.h"

using brivon::InputHost;

namespace {

CefMouseEvent DragEvent(jint x, jint y) {
  return brivon::MouseEvent(x, y, EVENTFLAG_LEFT_MOUSE_BUTTON);
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_dragTargetDragEnter(JNIEnv* env, jclass,
                                                                             jlong id, jint x,
                                                                             jint y,
                                                                             jstring text) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (!host) return;
  // Null text gives an empty fragment; the data goes with the engine's last reference.
  CefRefPtr<CefDragData> data = CefDragData::Create();
  data->SetFragmentText(brivon::JavaToCef(env, text));
  host->DragTargetDragEnter(data, DragEvent(x, y), DRAG_OPERATION_EVERY);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_dragTargetDragOver(JNIEnv* env, jclass,
                                                                            jlong id, jint x,
                                                                            jint y) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (host) host->DragTargetDragOver(DragEvent(x, y), DRAG_OPERATION_EVERY);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_dragTargetDrop(JNIEnv* env, jclass,
                                                                        jlong id, jint x,
                                                                        jint y) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowserHost> host = InputHost(id);
  if (!host) return;
  host->DragTargetDrop(DragEvent(x, y));
  // Ends a drag that started in the page; the engine ignores it for Java's own.
  host->DragSourceSystemDragEnded();
}

}  // extern "C"
