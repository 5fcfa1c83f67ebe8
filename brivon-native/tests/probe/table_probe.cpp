// Test-only entry points that read the bridge's per-browser tables, capture what the bridge
// writes to standard output, and put a browser the engine has already closed back into the
// browser table (as a browser being destroyed looks: its engine answers no main frame).
#include <jni.h>

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "browser/browser_tables.h"
#include "browser/load_end_scripts.h"
#include "engine/prelude.h"
#include "jni/strings.h"
#include "osr/view_rects.h"
#include "query/pending_queries.h"

namespace {

int g_saved_stdout = -1;
std::string g_capture_path;
CefRefPtr<CefBrowser> g_kept;

}  // namespace

extern "C" {

JNIEXPORT jint JNICALL Java_com_velmor_brivon_probe_TableProbe_pendingQueries(JNIEnv*, jclass) {
  return static_cast<jint>(brivon::PendingQueryCount());
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_probe_TableProbe_tables(JNIEnv*, jclass, jlong id) {
  jint bits = 0;
  if (brivon::Browsers().count(id) != 0) bits |= 1;
  if (brivon::ManagedBrowsers().count(id) != 0) bits |= 2;
  if (brivon::HasViewRect(id)) bits |= 4;
  if (brivon::HasLoadEndScript(id)) bits |= 8;
  return bits;
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_probe_TableProbe_viewRect(JNIEnv* env, jclass,
                                                                             jlong id) {
  if (!brivon::HasViewRect(id)) return nullptr;
  const CefRect rect = brivon::ViewRect(id);
  const jint values[4] = {rect.x, rect.y, rect.width, rect.height};
  jintArray out = env->NewIntArray(4);
  if (out != nullptr) env->SetIntArrayRegion(out, 0, 4, values);
  return out;
}

JNIEXPORT jstring JNICALL Java_com_velmor_brivon_probe_TableProbe_loadEndScript(JNIEnv* env,
                                                                                jclass,
                                                                                jlong id) {
  if (!brivon::HasLoadEndScript(id)) return nullptr;
  return brivon::CefToJava(env, brivon::LoadEndScript(id)).release();
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_probe_TableProbe_keep(JNIEnv*, jclass,
                                                                        jlong id) {
  g_kept = brivon::FindBrowser(id);
  return g_kept ? JNI_TRUE : JNI_FALSE;
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_probe_TableProbe_restoreKept(JNIEnv*, jclass) {
  if (g_kept) brivon::StoreBrowser(brivon::Browsers(), g_kept);
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_probe_TableProbe_dropKept(JNIEnv*, jclass) {
  if (g_kept) brivon::ForgetBrowser(brivon::BrowserId(g_kept));
  g_kept = nullptr;
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_probe_TableProbe_beginStdoutCapture(
    JNIEnv*, jclass) {
  if (g_saved_stdout >= 0) return JNI_FALSE;
  char path[] = "/tmp/brivon-stdout-XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return JNI_FALSE;
  std::fflush(stdout);
  g_saved_stdout = dup(STDOUT_FILENO);
  dup2(fd, STDOUT_FILENO);
  close(fd);
  g_capture_path = path;
  return JNI_TRUE;
}

JNIEXPORT jstring JNICALL Java_com_velmor_brivon_probe_TableProbe_endStdoutCapture(JNIEnv* env,
                                                                                   jclass) {
  if (g_saved_stdout < 0) return nullptr;
  std::fflush(stdout);
  dup2(g_saved_stdout, STDOUT_FILENO);
  close(g_saved_stdout);
  g_saved_stdout = -1;
  std::ifstream in(g_capture_path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  unlink(g_capture_path.c_str());
  return env->NewStringUTF(text.c_str());
}

}  // extern "C"
