// What the download-update path keeps between updates: looked up once, renewed for a handler of
// another class, and let go of at shutdown so that a later engine looks everything up again.
// A fake environment keeps the books of weak references and lookups, which a JVM does not show.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "handlers/download_item_methods.h"
#include "jni/registry.h"

namespace {

struct FakeEnv {
  JNINativeInterface_ functions{};
  JNIEnv env{};
  // Live references and what each refers to.
  static inline std::map<jobject, jobject> globals;
  static inline std::map<jobject, jobject> weaks;
  // The class of each fake object.
  static inline std::map<jobject, jclass> classes;
  // "class-address name" of every GetMethodID call, in order.
  static inline std::vector<std::string> lookups;
  static inline uintptr_t next_ref = 0x1000;
  static inline char item_class = 0;

  FakeEnv() {
    functions.FindClass = [](JNIEnv*, const char*) -> jclass {
      return reinterpret_cast<jclass>(&item_class);
    };
    functions.NewGlobalRef = [](JNIEnv*, jobject object) -> jobject {
      return Add(globals, object);
    };
    functions.DeleteGlobalRef = [](JNIEnv*, jobject ref) { globals.erase(ref); };
    functions.NewWeakGlobalRef = [](JNIEnv*, jobject object) -> jweak {
      return Add(weaks, object);
    };
    functions.DeleteWeakGlobalRef = [](JNIEnv*, jweak ref) { weaks.erase(ref); };
    functions.DeleteLocalRef = [](JNIEnv*, jobject) {};
    functions.ExceptionCheck = [](JNIEnv*) -> jboolean { return JNI_FALSE; };
    functions.IsSameObject = [](JNIEnv*, jobject a, jobject b) -> jboolean {
      return Target(a) == Target(b);
    };
    functions.GetObjectClass = [](JNIEnv*, jobject object) -> jclass {
      return classes.at(Target(object));
    };
    functions.GetMethodID = [](JNIEnv*, jclass cls, const char* name, const char*) -> jmethodID {
      lookups.push_back(std::to_string(reinterpret_cast<uintptr_t>(Target(cls))) + " " + name);
      return reinterpret_cast<jmethodID>(next_ref += 8);
    };
    env.functions = &functions;
    globals.clear();
    weaks.clear();
    classes.clear();
    lookups.clear();
  }

  static jobject Add(std::map<jobject, jobject>& refs, jobject object) {
    jobject ref = reinterpret_cast<jobject>(next_ref += 8);
    refs[ref] = object;
    return ref;
  }
  // What a reference refers to; a fake object stands for itself.
  static jobject Target(jobject ref) {
    auto global = globals.find(ref);
    if (global != globals.end()) return global->second;
    auto weak = weaks.find(ref);
    return weak != weaks.end() ? weak->second : ref;
  }
  static size_t LookupsOf(const std::string& name) {
    size_t count = 0;
    for (const std::string& lookup : lookups) count += lookup.size() >= name.size() &&
        lookup.compare(lookup.size() - name.size(), name.size(), name) == 0;
    return count;
  }
};

class DownloadMethods : public testing::Test {
 protected:
  DownloadMethods() {
    FakeEnv::classes[handler()] = reinterpret_cast<jclass>(&handler_class_);
    FakeEnv::classes[other()] = reinterpret_cast<jclass>(&other_class_);
  }
  void TearDown() override { Shutdown(); }

  // What shutdown does with the registry and the kept methods.
  void Shutdown() {
    brivon::ReleaseHandlers(&fake_.env);
    brivon::ForgetDownloadMethods(&fake_.env);
  }
  // An update to the registered handler; the ids it used.
  brivon::DownloadItemMethods Update(jobject registered) {
    brivon::DownloadItemMethods methods;
    EXPECT_TRUE(brivon::ResolveDownloadMethods(&fake_.env, registered, &methods));
    return methods;
  }

  FakeEnv fake_;
  char handler_ = 0;
  char other_ = 0;
  char handler_class_ = 0;
  char other_class_ = 0;
  jobject handler() { return reinterpret_cast<jobject>(&handler_); }
  jobject other() { return reinterpret_cast<jobject>(&other_); }
};

TEST_F(DownloadMethods, LookedUpOnceRenewedForAnotherClassAndForgottenAtShutdown) {
  for (int engine = 0; engine < 2; ++engine) {
    SCOPED_TRACE(engine == 0 ? "first engine" : "engine after shutdown");
    FakeEnv::lookups.clear();
    brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kDownload, handler());
    const brivon::DownloadItemMethods first = Update(handler());
    EXPECT_EQ(FakeEnv::lookups.size(), 9u) << "constructor, seven setters, onDownloadUpdated";
    EXPECT_EQ(first.item_class, brivon::GetDownloadItemClass());
    EXPECT_EQ(FakeEnv::weaks.size(), 1u);

    const brivon::DownloadItemMethods again = Update(handler());
    EXPECT_EQ(FakeEnv::lookups.size(), 9u) << "the same class: nothing looked up again";
    EXPECT_EQ(again.set_state, first.set_state);
    EXPECT_EQ(again.on_download_updated, first.on_download_updated);

    const brivon::DownloadItemMethods renewed = Update(other());
    EXPECT_EQ(FakeEnv::LookupsOf("onDownloadUpdated"), 2u);
    EXPECT_EQ(FakeEnv::lookups.back(),
              std::to_string(reinterpret_cast<uintptr_t>(&other_class_)) + " onDownloadUpdated");
    EXPECT_NE(renewed.on_download_updated, first.on_download_updated);
    EXPECT_EQ(renewed.set_state, first.set_state) << "the DownloadItem ids stay";
    EXPECT_EQ(FakeEnv::weaks.size(), 1u) << "the first class's weak reference is freed";

    Shutdown();
    EXPECT_TRUE(FakeEnv::weaks.empty()) << "shutdown frees the weak reference";
    EXPECT_TRUE(FakeEnv::globals.empty());
  }
}

TEST_F(DownloadMethods, WithoutTheDownloadItemClassNothingIsLookedUpOrKept) {
  brivon::DownloadItemMethods methods;
  EXPECT_FALSE(brivon::ResolveDownloadMethods(&fake_.env, handler(), &methods));
  EXPECT_TRUE(FakeEnv::lookups.empty());
  EXPECT_TRUE(FakeEnv::weaks.empty());
}

}  // namespace
