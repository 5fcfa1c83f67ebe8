// Native side of com.velmor.brivon.sim.SimMenus.

#include <jni.h>

#include <vector>

#include "cefsim/menus.h"
#include "jni/jni_values.h"

namespace driver = cefsim::driver;

extern "C" {

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimMenus_request(JNIEnv*, jclass,
                                                                   jint browser_id, jint target,
                                                                   jint x, jint y,
                                                                   jint edit_flags) {
  if (target < 0 || target > static_cast<jint>(driver::MenuTarget::kEditable))
    return 0;
  return driver::RequestContextMenu(browser_id, static_cast<driver::MenuTarget>(target), x, y,
                                    edit_flags);
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimMenus_nativeRecords(JNIEnv* env,
                                                                                 jclass) {
  const std::vector<driver::ContextMenuRecord> records = driver::ContextMenus();
  jclass int_array_class = env->FindClass("[I");
  if (!int_array_class)
    return nullptr;
  jobjectArray out =
      env->NewObjectArray(static_cast<jsize>(records.size()), int_array_class, nullptr);
  env->DeleteLocalRef(int_array_class);
  if (!out)
    return nullptr;
  for (size_t i = 0; i < records.size(); ++i) {
    const driver::ContextMenuRecord& r = records[i];
    // The order matches SimMenus.Record.
    jintArray fields = cefsim_jni::IntArray(
        env, {r.browser_id, r.item_count, r.run_called ? 1 : 0, static_cast<jint>(r.outcome),
              r.command_id, r.commands_delivered});
    if (!fields)
      return nullptr;
    env->SetObjectArrayElement(out, static_cast<jsize>(i), fields);
    env->DeleteLocalRef(fields);
  }
  return out;
}

}  // extern "C"
