// Native side of com.velmor.brivon.sim.SimView: windowless views played and read back, and
// the two reference costs the paint benchmark compares the bridge with.

#include <jni.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "cefsim/driver.h"
#include "jni/jni_values.h"

using cefsim_jni::FromJava;
using cefsim_jni::IntArray;
using cefsim_jni::LongArray;
using cefsim_jni::ObjectArray;
using cefsim_jni::StringArray;

namespace driver = cefsim::driver;

namespace {

std::vector<CefRect> Rects(JNIEnv* env, jintArray flat) {
  std::vector<CefRect> rects;
  if (!flat)
    return rects;
  const jsize n = env->GetArrayLength(flat);
  std::vector<jint> values(static_cast<size_t>(n));
  if (n > 0)
    env->GetIntArrayRegion(flat, 0, n, values.data());
  for (jsize i = 0; i + 3 < n; i += 4)
    rects.push_back(CefRect(values[i], values[i + 1], values[i + 2], values[i + 3]));
  return rects;
}

jlong Nanos(std::chrono::steady_clock::duration d) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
}

}  // namespace

extern "C" {

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimView_paint(JNIEnv* env, jclass, jint id,
                                                                   jboolean popup,
                                                                   jintArray dirty, jint count,
                                                                   jint width, jint height) {
  return driver::Paint(id, popup == JNI_TRUE, Rects(env, dirty), count, width, height);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimView_openPopupWidget(
    JNIEnv*, jclass, jint id, jint x, jint y, jint width, jint height) {
  return driver::OpenPopupWidget(id, CefRect(x, y, width, height));
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimView_movePopupWidget(
    JNIEnv*, jclass, jint id, jint x, jint y, jint width, jint height) {
  return driver::MovePopupWidget(id, CefRect(x, y, width, height));
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimView_closePopupWidget(JNIEnv*, jclass,
                                                                              jint id) {
  return driver::ClosePopupWidget(id);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimView_changeCursor(JNIEnv*, jclass,
                                                                          jint id, jint type) {
  return driver::ChangeCursor(id, type);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimView_nativeStartDrag(
    JNIEnv* env, jclass, jint id, jstring text, jint allowed_ops, jint x, jint y) {
  return driver::StartDrag(id, FromJava(env, text), static_cast<uint32_t>(allowed_ops), x, y);
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimView_inputsSnapshot(JNIEnv* env, jclass,
                                                                             jint id) {
  std::vector<jint> flat;
  for (const driver::InputEvent& e : driver::InputEvents(id)) {
    // The order matches SimView.Input.
    flat.insert(flat.end(), {e.kind, e.x, e.y, static_cast<jint>(e.modifiers), e.button,
                             e.mouse_up ? 1 : 0, e.click_count, e.mouse_leave ? 1 : 0, e.delta_x,
                             e.delta_y, e.key_type, e.windows_key_code, e.native_key_code,
                             e.is_system_key, e.character, e.unmodified_character,
                             e.focus_on_editable_field});
  }
  return IntArray(env, flat);
}

JNIEXPORT jobjectArray JNICALL Java_com_velmor_brivon_sim_SimView_dragsSnapshot(JNIEnv* env,
                                                                               jclass, jint id) {
  std::vector<driver::DragCall> calls = driver::DragCalls(id);
  std::vector<jint> flat;
  for (const driver::DragCall& c : calls) {
    // The order matches SimView.DragCall.
    flat.insert(flat.end(), {c.kind, c.x, c.y, static_cast<jint>(c.modifiers),
                             static_cast<jint>(c.allowed_ops), c.has_data ? 1 : 0,
                             c.engine_data ? 1 : 0});
  }
  jintArray numbers = IntArray(env, flat);
  jobjectArray texts = StringArray(env, calls, [](const driver::DragCall& c) { return &c.text; });
  if (!numbers || !texts)
    return nullptr;
  return ObjectArray(env, {numbers, texts});
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimView_startDraggingAnswersSnapshot(
    JNIEnv* env, jclass, jint id) {
  std::vector<jint> flat;
  for (bool answer : driver::StartDraggingAnswers(id))
    flat.push_back(answer ? 1 : 0);
  return IntArray(env, flat);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimView_invalidations(JNIEnv*, jclass, jint id,
                                                                       jboolean popup) {
  return driver::Invalidations(id, popup == JNI_TRUE);
}

JNIEXPORT jintArray JNICALL Java_com_velmor_brivon_sim_SimView_screenInfoAnswersSnapshot(
    JNIEnv* env, jclass, jint id) {
  std::vector<jint> flat;
  for (bool answer : driver::ScreenInfoAnswers(id))
    flat.push_back(answer ? 1 : 0);
  return IntArray(env, flat);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimView_frameByte(JNIEnv*, jclass, jint id,
                                                                   jboolean popup, jlong offset) {
  return driver::FrameByte(id, popup == JNI_TRUE, offset);
}

JNIEXPORT jlongArray JNICALL Java_com_velmor_brivon_sim_SimView_paintTimesSnapshot(JNIEnv* env,
                                                                                  jclass,
                                                                                  jint id) {
  driver::PaintTiming timing = driver::PaintTimes(id);
  return LongArray(env, {static_cast<jlong>(timing.paints), static_cast<jlong>(timing.nanoseconds)});
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimView_paintSerial(JNIEnv*, jclass, jint id) {
  return driver::PaintSerial(id);
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimView_timePlainUpcalls(JNIEnv* env, jclass,
                                                                           jobject target,
                                                                           jint times) {
  jclass target_class = env->GetObjectClass(target);
  jmethodID run = env->GetMethodID(target_class, "run", "()V");
  env->DeleteLocalRef(target_class);
  if (!run)
    return -1;
  const auto start = std::chrono::steady_clock::now();
  for (jint i = 0; i < times; ++i) {
    env->CallVoidMethod(target, run);
    if (env->ExceptionCheck())
      return -1;
  }
  return Nanos(std::chrono::steady_clock::now() - start);
}

JNIEXPORT jlong JNICALL Java_com_velmor_brivon_sim_SimView_timeFrameCopies(JNIEnv*, jclass,
                                                                          jint width, jint height,
                                                                          jint times) {
  const size_t size = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  std::vector<uint8_t> from(size, 0x5a);
  std::vector<uint8_t> to(size);
  const auto start = std::chrono::steady_clock::now();
  for (jint i = 0; i < times; ++i) {
    from[static_cast<size_t>(i) % size] = static_cast<uint8_t>(i);
    std::memcpy(to.data(), from.data(), size);
    // Keeps the copy from being dropped as unused.
    asm volatile("" : : "r"(to.data()) : "memory");
  }
  return Nanos(std::chrono::steady_clock::now() - start);
}

}  // extern "C"
