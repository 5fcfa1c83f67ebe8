// Start-up, pumping, shutdown and the version query of CefLib. Pumping thread only, except
// getVersion, which touches no shared state.
#include <jni.h>

#include <chrono>
#include <vector>

#include "app/command_line_map.h"
#include "app/my_app.h"
#include "app/shared_client.h"
#include "app/startup_settings.h"
#include "browser/browser_tables.h"
#include "query/pending_queries.h"
#include "browser/load_end_scripts.h"
#include "browser/my_client.h"
#include "engine/prelude.h"
#include "handlers/download_item_methods.h"
#include "include/cef_app.h"
#include "include/cef_version.h"
#include "jni/java_exceptions.h"
#include "jni/jvm.h"
#include "jni/refs.h"
#include "jni/registry.h"
#include "osr/view_rects.h"
#include "platform/platform.h"

namespace {

constexpr char kVersionClassName[] = "com/velmor/brivon/jni/CefVersion";
// In the order of the engine's version entries 0 to 7.
constexpr const char* kVersionFields[] = {
    "cefVersionMajor",    "cefVersionMinor",    "cefVersionPatch",    "cefCommitNumber",
    "chromeVersionMajor", "chromeVersionMinor", "chromeVersionBuild", "chromeVersionPatch",
};

// Kept until the library is unloaded: the engine may still call it while it shuts down.
CefRefPtr<MyApp> g_app;
// The engine must not be pumped or shut down unless it started, nor started again while it runs
// or after it stopped.
bool g_engine_running = false;
bool g_engine_stopped = false;

// The engine expects every browser closed before it shuts down; a client that forgot some (or
// was interrupted on its way out) would otherwise leave the engine tearing down live browsers.
// Closing them here costs a correct client nothing: its tables are already empty.
constexpr auto kCloseAtShutdownBound = std::chrono::seconds(5);

void CloseBrowsersLeftOpen() {
  if (brivon::Browsers().empty()) return;
  std::vector<CefRefPtr<CefBrowser>> open;
  for (const auto& entry : brivon::Browsers()) open.push_back(entry.second);
  for (const auto& browser : open) {
    brivon::MarkClosing(brivon::BrowserId(browser));
    browser->GetHost()->CloseBrowser(true);
  }
  open.clear();
  const auto deadline = std::chrono::steady_clock::now() + kCloseAtShutdownBound;
  while (!brivon::Browsers().empty() && std::chrono::steady_clock::now() < deadline) {
    CefDoMessageLoopWork();
  }
}

}  // namespace

CefRefPtr<MyClient> brivon::SharedClient() { return g_app ? g_app->client() : nullptr; }

extern "C" {

JNIEXPORT jobject JNICALL Java_com_velmor_brivon_jni_CefLib_getVersion(JNIEnv* env, jclass) {
  brivon::LocalRef<jclass> cls(env, env->FindClass(kVersionClassName));
  if (!cls) return nullptr;
  const jmethodID constructor = env->GetMethodID(cls.get(), "<init>", "()V");
  if (constructor == nullptr) return nullptr;
  brivon::LocalRef<jobject> version(env, env->NewObject(cls.get(), constructor));
  if (!version) return nullptr;
  jfieldID fields[8];
  for (int i = 0; i < 8; ++i) {
    fields[i] = env->GetFieldID(cls.get(), kVersionFields[i], "I");
    if (fields[i] == nullptr) return nullptr;
  }
  for (int i = 0; i < 8; ++i) env->SetIntField(version.get(), fields[i], cef_version_info(i));
  return version.release();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_init(JNIEnv* env, jclass,
                                                              jobject settings) {
  brivon::NativeCall call(env);
  JavaVM* vm = nullptr;
  if (env->GetJavaVM(&vm) == JNI_OK) brivon::SetJavaVm(vm);
  // A second init must not replace what the running engine still uses: the engine refuses a
  // second CefInitialize without asking the new application anything, so a replaced MyApp would
  // never get its client, and a replaced map would never be read.
  if (g_engine_running || g_engine_stopped) return;

  const brivon::StartupSettings startup = brivon::ReadStartupSettings(env, settings);
  if (env->ExceptionCheck()) return;  // a settings object without the fields
  brivon::KeepCommandLineMap(env, startup.command_lines.get());

  CefEnableHighDPISupport();
  const CefMainArgs args = brivon::platform::MainArgs();
  // A Java process is never one of the engine's child processes, but if it were, the engine
  // would have run it to its end here.
  if (CefExecuteProcess(args, nullptr, nullptr) >= 0) return;

  CefSettings engine_settings;
  brivon::FillEngineSettings(startup, engine_settings);
  g_app = new MyApp();
  if (CefInitialize(args, engine_settings, g_app.get(), nullptr)) g_engine_running = true;
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_doMessageLoopWork(JNIEnv* env, jclass) {
  brivon::NativeCall call(env);
  if (g_engine_running) CefDoMessageLoopWork();
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_jni_CefLib_shutdown(JNIEnv* env, jclass) {
  brivon::NativeCall call(env);
  if (g_engine_running) {
    CloseBrowsersLeftOpen();
    CefShutdown();
    g_engine_running = false;
    g_engine_stopped = true;
  }
  brivon::ReleaseCommandLineMap(env);
  brivon::ReleaseHandlers(env);
  brivon::ForgetDownloadMethods(env);
  brivon::ClearBrowserTables();
  brivon::ClearViewRects();
  brivon::ClearPopupRects();
  brivon::ClearLoadEndScripts();
  brivon::ClearPendingQueries();
}

}  // extern "C"
