// Context menus: the Java client draws every menu itself, so each request is handed to Java as
// the model's top-level command ids and enabled flags, and the engine is told the menu is taken
// care of. The engine's callback is let go unrun, which ends the engine's side of the menu: no
// choice ever returns to the engine through it.
#include <vector>

#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "jni/java_callback.h"

using brivon::BrowserId;
using brivon::HandlerSlot;
using brivon::JavaCallback;
using brivon::LocalRef;

bool MyClient::RunContextMenu(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                              CefRefPtr<CefContextMenuParams> params,
                              CefRefPtr<CefMenuModel> model,
                              CefRefPtr<CefRunContextMenuCallback>) {
  const int count = model->GetCount();
  std::vector<jint> command_ids(static_cast<size_t>(count));
  std::vector<jboolean> enabled(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    command_ids[static_cast<size_t>(i)] = model->GetCommandIdAt(i);
    enabled[static_cast<size_t>(i)] = model->IsEnabledAt(i) ? JNI_TRUE : JNI_FALSE;
  }

  // Whatever happens with Java, the engine shows no menu of its own.
  JavaCallback call(HandlerSlot::kContextMenu, "runContextMenu", "(JJII[I[Z)V");
  if (!call.ready()) return true;
  JNIEnv* env = call.env();
  const LocalRef<jintArray> java_ids(env, env->NewIntArray(count));
  const LocalRef<jbooleanArray> java_enabled(env, env->NewBooleanArray(count));
  if (!java_ids || !java_enabled) {
    // The OutOfMemoryError goes where a handler's exception would.
    brivon::CatchJavaException(env, false);
    return true;
  }
  env->SetIntArrayRegion(java_ids.get(), 0, count, command_ids.data());
  env->SetBooleanArrayRegion(java_enabled.get(), 0, count, enabled.data());
  call.CallVoid(static_cast<jlong>(BrowserId(browser)), static_cast<jlong>(frame->GetIdentifier()),
                static_cast<jint>(params->GetXCoord()), static_cast<jint>(params->GetYCoord()),
                java_ids.get(), java_enabled.get());
  return true;
}
