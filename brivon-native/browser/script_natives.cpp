// executeJavaScript and addCss of CefLib: a script run once in the main frame, and the script
// every frame of a browser runs when its load ends. Pumping thread only.
#include <jni.h>

#include "browser/browser_tables.h"
#include "browser/load_end_scripts.h"
#include "engine/prelude.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "jni/java_exceptions.h"
#include "jni/strings.h"

extern "C" {

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_executeJavaScript(JNIEnv* env, jclass,
                                                                           jlong id,
                                                                           jstring script) {
  brivon::NativeCall call(env);
  const CefRefPtr<CefBrowser> browser = brivon::FindBrowser(id);
  if (!browser) return;
  const CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  if (!frame) return;
  frame->ExecuteJavaScript(brivon::JavaToCef(env, script), frame->GetURL(), 0);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_addCss(JNIEnv* env, jclass, jlong id,
                                                                jstring script) {
  // Stored whether or not the id names a browser yet: it takes effect at the next load end.
  brivon::SetLoadEndScript(id, brivon::JavaToCef(env, script));
}

}  // extern "C"
