// Native side of com.velmor.brivon.sim.SimDownloads. Java longs carry the engine's unsigned
// 32-bit download ids; a value outside that range names no download.

#include <jni.h>

#include <vector>

#include "cefsim/downloads.h"
#include "jni/jni_values.h"

namespace driver = cefsim::driver;

namespace {

bool ToId(jlong value, uint32_t* id) {
  if (value <= 0 || value > static_cast<jlong>(UINT32_MAX))
    return false;
  *id = static_cast<uint32_t>(value);
  return true;
}

template <class F>
jboolean WithId(jlong value, F step) {
  uint32_t id;
  return ToId(value, &id) && step(id);
}

}  // namespace

extern "C" {

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimDownloads_nativeStart(
    JNIEnv* env, jclass, jint browser_id, jstring url, jstring suggested_name, jlong total) {
  return static_cast<jlong>(driver::StartDownload(browser_id, cefsim_jni::FromJava(env, url),
                                                  cefsim_jni::FromJava(env, suggested_name),
                                                  total));
}

JNIEXPORT void JNICALL Java_com_velmor_brivon_sim_SimDownloads_setNextId(JNIEnv*, jclass,
                                                                        jlong id) {
  driver::SetNextDownloadId(static_cast<uint32_t>(id));
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDownloads_nativeChooseSavePath(
    JNIEnv* env, jclass, jlong id, jstring path) {
  const CefString chosen = cefsim_jni::FromJava(env, path);
  return WithId(id, [&](uint32_t d) { return driver::ChooseSavePath(d, chosen); });
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDownloads_cancelSaveDialog(JNIEnv*,
                                                                                   jclass,
                                                                                   jlong id) {
  return WithId(id, [](uint32_t d) { return driver::CancelSaveDialog(d); });
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDownloads_progress(JNIEnv*, jclass,
                                                                           jlong id,
                                                                           jlong received) {
  return WithId(id, [=](uint32_t d) { return driver::DownloadProgress(d, received); });
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDownloads_complete(JNIEnv*, jclass,
                                                                           jlong id) {
  return WithId(id, [](uint32_t d) { return driver::CompleteDownload(d); });
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDownloads_interrupt(JNIEnv*, jclass,
                                                                            jlong id) {
  return WithId(id, [](uint32_t d) { return driver::InterruptDownload(d); });
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimDownloads_remove(JNIEnv*, jclass,
                                                                         jlong id) {
  return WithId(id, [](uint32_t d) { return driver::RemoveDownload(d); });
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimDownloads_nativeRecord(JNIEnv* env,
                                                                                   jclass,
                                                                                   jlong value) {
  uint32_t id;
  driver::DownloadRecord r;
  if (!ToId(value, &id) || !driver::FindDownload(id, &r))
    return nullptr;
  // The order matches SimDownloads.Record.
  jlongArray numbers = cefsim_jni::LongArray(
      env, {static_cast<jlong>(r.id), r.browser_id, static_cast<jlong>(r.stage),
            r.continued ? 1 : 0, r.show_dialog ? 1 : 0, r.updates, r.cancel_calls});
  std::vector<const CefString*> texts = {&r.url, &r.suggested_name, &r.continue_path,
                                         &r.dialog_name, &r.full_path};
  jobjectArray strings =
      cefsim_jni::StringArray(env, texts, [](const CefString* text) { return text; });
  if (!numbers || !strings)
    return nullptr;
  return cefsim_jni::ObjectArray(env, {numbers, strings});
}

}  // extern "C"
