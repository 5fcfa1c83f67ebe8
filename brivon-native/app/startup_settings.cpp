#include "app/startup_settings.h"

#include "jni/strings.h"

namespace brivon {
namespace {

constexpr char kStringDescriptor[] = "Ljava/lang/String;";
constexpr char kMapDescriptor[] = "Ljava/util/HashMap;";
// Pages are always offered Chinese first, whatever the client's settings say.
constexpr char kAcceptLanguageList[] = "zh-CN";

CefString ReadString(JNIEnv* env, jobject object, jclass cls, const char* name) {
  const jfieldID field = env->GetFieldID(cls, name, kStringDescriptor);
  if (field == nullptr) return CefString();
  LocalRef<jstring> value(env, static_cast<jstring>(env->GetObjectField(object, field)));
  return ModifiedUtf8ToCef(env, value.get());
}

void Assign(cef_string_t& target, const CefString& value) {
  CefString(&target).FromString(value.c_str(), value.length(), true);
}

}  // namespace

StartupSettings ReadStartupSettings(JNIEnv* env, jobject settings) {
  StartupSettings out;
  if (settings == nullptr) return out;
  LocalRef<jclass> cls(env, env->GetObjectClass(settings));
  // A missing field leaves its NoSuchFieldError pending; stop reading so no JNI call follows it.
  out.browser_subprocess_path = ReadString(env, settings, cls.get(), "browserSubProcessPath");
  if (env->ExceptionCheck()) return out;
  out.log_file = ReadString(env, settings, cls.get(), "logFilePath");
  if (env->ExceptionCheck()) return out;
  const jfieldID severity = env->GetFieldID(cls.get(), "logSeverity", "I");
  if (severity == nullptr) return out;
  out.log_severity = env->GetIntField(settings, severity);
  out.cache_path = ReadString(env, settings, cls.get(), "cachePath");
  if (env->ExceptionCheck()) return out;
  const jfieldID map = env->GetFieldID(cls.get(), "commandLines", kMapDescriptor);
  if (map == nullptr) return out;
  out.command_lines = LocalRef<jobject>(env, env->GetObjectField(settings, map));
  return out;
}

void FillEngineSettings(const StartupSettings& in, CefSettings& out) {
  out.no_sandbox = 1;
  out.windowless_rendering_enabled = 1;
  out.log_severity = static_cast<cef_log_severity_t>(in.log_severity);
  Assign(out.log_file, in.log_file);
  Assign(out.browser_subprocess_path, in.browser_subprocess_path);
  Assign(out.accept_language_list, CefString(kAcceptLanguageList));
  Assign(out.cache_path, in.cache_path);
}

}  // namespace brivon
