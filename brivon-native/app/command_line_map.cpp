#include "app/command_line_map.h"

#include "jni/java_exceptions.h"
#include "jni/refs.h"
#include "jni/strings.h"
#include "jni/thread_env.h"

namespace brivon {
namespace {

GlobalRef g_command_lines;

// The java.util methods the iteration needs, looked up once per iteration. A lookup that fails
// leaves its exception pending, after which no further lookup may run: each is checked before
// the next.
struct MapIteration {
  jmethodID has_next = nullptr;
  jmethodID next = nullptr;
  jmethodID get_key = nullptr;
  jmethodID get_value = nullptr;

  bool Lookup(JNIEnv* env) {
    const auto found = [env](const void* looked_up) {
      return looked_up != nullptr && !env->ExceptionCheck();
    };
    LocalRef<jclass> iterator(env, env->FindClass("java/util/Iterator"));
    if (!found(iterator.get())) return false;
    has_next = env->GetMethodID(iterator.get(), "hasNext", "()Z");
    if (!found(has_next)) return false;
    next = env->GetMethodID(iterator.get(), "next", "()Ljava/lang/Object;");
    if (!found(next)) return false;
    LocalRef<jclass> entry(env, env->FindClass("java/util/Map$Entry"));
    if (!found(entry.get())) return false;
    get_key = env->GetMethodID(entry.get(), "getKey", "()Ljava/lang/Object;");
    if (!found(get_key)) return false;
    get_value = env->GetMethodID(entry.get(), "getValue", "()Ljava/lang/Object;");
    return found(get_value);
  }
};

LocalRef<jobject> CallObject(JNIEnv* env, jobject target, jclass cls, const char* name,
                             const char* signature) {
  const jmethodID method = env->GetMethodID(cls, name, signature);
  if (method == nullptr) return LocalRef<jobject>();
  return LocalRef<jobject>(env, env->CallObjectMethod(target, method));
}

}  // namespace

void KeepCommandLineMap(JNIEnv* env, jobject map) { g_command_lines.Reset(env, map); }

void ReleaseCommandLineMap(JNIEnv* env) { g_command_lines.Release(env); }

void AppendSwitchesFromMap(CefRefPtr<CefCommandLine> command_line) {
  ThreadEnv thread;
  JNIEnv* env = thread.env();
  if (env == nullptr || !g_command_lines) return;
  // Whatever throws ends the iteration: the switches added so far stay, the exception is
  // handed back to the caller of init.
  const auto failed = [&] { return CatchJavaException(env, thread.attached_here()); };

  // The engine calls this from inside init's native frame; what the iteration creates is
  // released here, not left to pile up there.
  LocalFrame frame(env, 16);
  if (!frame.ok()) {
    failed();
    return;
  }

  const jobject map = g_command_lines.get();
  LocalRef<jclass> map_class(env, env->GetObjectClass(map));
  LocalRef<jobject> entries =
      CallObject(env, map, map_class.get(), "entrySet", "()Ljava/util/Set;");
  if (failed() || !entries) return;
  LocalRef<jclass> set_class(env, env->FindClass("java/util/Set"));
  if (failed()) return;
  LocalRef<jobject> iterator =
      CallObject(env, entries.get(), set_class.get(), "iterator", "()Ljava/util/Iterator;");
  if (failed() || !iterator) return;
  MapIteration methods;
  const bool found = methods.Lookup(env);
  if (failed() || !found) return;
  LocalRef<jclass> string_class(env, env->FindClass("java/lang/String"));
  if (failed()) return;
  // Only text can become a switch; anything else in the map is passed over rather than read
  // as a string, which the virtual machine does not allow.
  const auto is_text = [&](const LocalRef<jobject>& object) {
    return env->IsInstanceOf(object.get(), string_class.get()) == JNI_TRUE;
  };

  while (true) {
    // One frame per entry: a map of any size holds no more than one entry's references.
    LocalFrame entry_frame(env, 4);
    if (!entry_frame.ok()) {
      failed();
      return;
    }
    const jboolean more = env->CallBooleanMethod(iterator.get(), methods.has_next);
    if (failed() || !more) return;
    LocalRef<jobject> entry(env, env->CallObjectMethod(iterator.get(), methods.next));
    if (failed()) return;
    if (!entry) continue;  // a map of the client's own making may yield null entries
    LocalRef<jobject> key(env, env->CallObjectMethod(entry.get(), methods.get_key));
    if (failed()) return;
    LocalRef<jobject> value(env, env->CallObjectMethod(entry.get(), methods.get_value));
    if (failed()) return;
    if (!key || !is_text(key) || (value && !is_text(value))) continue;
    const CefString name = JavaToCef(env, static_cast<jstring>(key.get()));
    if (value) {
      command_line->AppendSwitchWithValue(name,
                                          JavaToCef(env, static_cast<jstring>(value.get())));
    } else {
      command_line->AppendSwitch(name);
    }
  }
}

}  // namespace brivon
