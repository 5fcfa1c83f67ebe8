// How the commandLines iteration meets a lookup that throws. A real JVM finds java.util's
// classes and methods every time, so a fake environment makes each lookup fail in turn and
// records any JNI call made while the exception is pending, which the JNI allows only for the
// few functions that inspect, clear or release.
#include <gtest/gtest.h>

#include <cstdarg>
#include <map>
#include <string>
#include <vector>

#include "app/command_line_map.h"
#include "jni/jvm.h"

namespace {

struct FakeJava {
  JNINativeInterface_ functions{};
  JNIEnv env{};
  JNIInvokeInterface_ vm_functions{};
  JavaVM vm{};

  // The class or method whose lookup throws; empty for none.
  static inline std::string failing_lookup;
  static inline bool pending = false;
  static inline std::vector<std::string> calls_while_pending;
  static inline int frames_pushed = 0;
  static inline int frames_popped = 0;
  static inline int entries_left = 0;
  static inline std::map<jmethodID, std::string> method_names;
  static inline char objects[8] = {};
  static inline char method_ids[16] = {};
  static inline JNIEnv* the_env = nullptr;

  static jobject Object(int i) { return reinterpret_cast<jobject>(&objects[i]); }

  // Every call but the ones allowed with an exception pending passes through here.
  static void Use(const std::string& what) {
    if (pending) calls_while_pending.push_back(what);
  }
  static bool Throws(const std::string& lookup) {
    if (lookup != failing_lookup) return false;
    pending = true;
    return true;
  }
  static std::string NameOf(jmethodID method) {
    const auto found = method_names.find(method);
    return found == method_names.end() ? "?" : found->second;
  }

  FakeJava() {
    pending = false;
    calls_while_pending.clear();
    frames_pushed = frames_popped = 0;
    entries_left = 1;
    method_names.clear();

    functions.PushLocalFrame = [](JNIEnv*, jint) -> jint {
      ++frames_pushed;
      return JNI_OK;
    };
    functions.PopLocalFrame = [](JNIEnv*, jobject) -> jobject {
      ++frames_popped;
      return nullptr;
    };
    functions.ExceptionCheck = [](JNIEnv*) -> jboolean { return pending ? JNI_TRUE : JNI_FALSE; };
    functions.ExceptionOccurred = [](JNIEnv*) -> jthrowable {
      return pending ? static_cast<jthrowable>(Object(7)) : nullptr;
    };
    functions.ExceptionDescribe = [](JNIEnv*) { pending = false; };
    functions.ExceptionClear = [](JNIEnv*) { pending = false; };
    functions.DeleteLocalRef = [](JNIEnv*, jobject) {};
    functions.DeleteGlobalRef = [](JNIEnv*, jobject) {};
    functions.NewGlobalRef = [](JNIEnv*, jobject object) -> jobject {
      Use("NewGlobalRef");
      return object;
    };
    functions.GetObjectClass = [](JNIEnv*, jobject) -> jclass {
      Use("GetObjectClass");
      return static_cast<jclass>(Object(1));
    };
    functions.FindClass = [](JNIEnv*, const char* name) -> jclass {
      Use(std::string("FindClass ") + name);
      if (Throws(name)) return nullptr;
      return static_cast<jclass>(Object(2));
    };
    functions.GetMethodID = [](JNIEnv*, jclass, const char* name, const char*) -> jmethodID {
      Use(std::string("GetMethodID ") + name);
      if (Throws(name)) return nullptr;
      // One id per method name, as a virtual machine answers.
      for (const auto& known : method_names) {
        if (known.second == name) return known.first;
      }
      const auto id = reinterpret_cast<jmethodID>(&method_ids[method_names.size()]);
      method_names[id] = name;
      return id;
    };
    functions.CallObjectMethodV = [](JNIEnv*, jobject, jmethodID method, va_list) -> jobject {
      const std::string name = NameOf(method);
      Use("CallObjectMethod " + name);
      if (name == "getValue") return nullptr;  // a switch without value
      if (name == "getKey") return Object(3);
      return Object(4);
    };
    functions.CallBooleanMethodV = [](JNIEnv*, jobject, jmethodID method, va_list) -> jboolean {
      Use("CallBooleanMethod " + NameOf(method));
      return entries_left-- > 0 ? JNI_TRUE : JNI_FALSE;
    };
    functions.IsInstanceOf = [](JNIEnv*, jobject, jclass) -> jboolean {
      Use("IsInstanceOf");
      return JNI_TRUE;
    };
    functions.GetStringLength = [](JNIEnv*, jstring) -> jsize {
      Use("GetStringLength");
      return 1;
    };
    functions.GetStringChars = [](JNIEnv*, jstring, jboolean*) -> const jchar* {
      Use("GetStringChars");
      static const jchar key[] = {u'k', 0};
      return key;
    };
    functions.ReleaseStringChars = [](JNIEnv*, jstring, const jchar*) {};
    env.functions = &functions;

    the_env = &env;
    vm_functions.GetEnv = [](JavaVM*, void** env, jint) -> jint {
      *env = the_env;
      return JNI_OK;
    };
    vm.functions = &vm_functions;
  }
};

class CommandLineMapLookups : public testing::Test {
 protected:
  void SetUp() override {
    brivon::SetJavaVm(&fake_.vm);
    brivon::KeepCommandLineMap(&fake_.env, FakeJava::Object(0));
  }
  void TearDown() override {
    brivon::ReleaseCommandLineMap(&fake_.env);
    brivon::SetJavaVm(nullptr);
    FakeJava::failing_lookup.clear();
  }

  // Runs the iteration and says which switches it appended.
  std::string Iterate() {
    CefRefPtr<CefCommandLine> command_line = CefCommandLine::CreateCommandLine();
    brivon::AppendSwitchesFromMap(command_line);
    return command_line->GetCommandLineString().ToString();
  }

  FakeJava fake_;
};

TEST_F(CommandLineMapLookups, EveryLookupSucceeding) {
  EXPECT_NE(Iterate().find("--k"), std::string::npos) << "the fake map's one entry is a switch";
  EXPECT_TRUE(FakeJava::calls_while_pending.empty());
  EXPECT_EQ(FakeJava::frames_pushed, FakeJava::frames_popped);
  EXPECT_GT(FakeJava::frames_pushed, 1) << "the iteration and each entry have a frame";
}

TEST_F(CommandLineMapLookups, AFailedLookupStopsTheIterationBeforeAnyOtherCall) {
  for (const char* lookup : {"entrySet", "java/util/Set", "iterator", "java/util/Iterator",
                             "hasNext", "next", "java/util/Map$Entry", "getKey", "getValue",
                             "java/lang/String"}) {
    SCOPED_TRACE(lookup);
    FakeJava::failing_lookup = lookup;
    FakeJava::calls_while_pending.clear();
    FakeJava::frames_pushed = FakeJava::frames_popped = 0;
    FakeJava::entries_left = 1;
    const std::string command_line = Iterate();
    EXPECT_EQ(command_line.find("--k"), std::string::npos);
    EXPECT_TRUE(FakeJava::calls_while_pending.empty())
        << "first call with the exception pending: " << FakeJava::calls_while_pending.front();
    EXPECT_FALSE(FakeJava::pending) << "the exception is caught";
    EXPECT_EQ(FakeJava::frames_pushed, FakeJava::frames_popped);
  }
}

}  // namespace
