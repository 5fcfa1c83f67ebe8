// How many global references the handler registry holds. A real JVM does not show its count
// of global references, so a fake environment keeps the books.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>

#include "jni/registry.h"

namespace {

struct FakeEnv {
  JNINativeInterface_ functions{};
  JNIEnv env{};
  // Live global references and the object each one refers to.
  static inline std::map<jobject, jobject> globals;
  static inline uintptr_t next_ref = 0x1000;
  static inline int find_class_calls = 0;
  static inline char download_item_class = 0;

  FakeEnv() {
    functions.FindClass = [](JNIEnv*, const char*) -> jclass {
      ++find_class_calls;
      return reinterpret_cast<jclass>(&download_item_class);
    };
    functions.NewGlobalRef = [](JNIEnv*, jobject object) -> jobject {
      jobject ref = reinterpret_cast<jobject>(next_ref += 8);
      globals[ref] = object;
      return ref;
    };
    functions.DeleteGlobalRef = [](JNIEnv*, jobject ref) { globals.erase(ref); };
    functions.DeleteLocalRef = [](JNIEnv*, jobject) {};
    functions.ExceptionCheck = [](JNIEnv*) -> jboolean { return JNI_FALSE; };
    env.functions = &functions;
    globals.clear();
    find_class_calls = 0;
  }

  static int LiveTo(const void* object) {
    int count = 0;
    for (const auto& entry : globals) count += entry.second == object;
    return count;
  }
};

class RegistryRefs : public testing::Test {
 protected:
  void TearDown() override {
    brivon::ReleaseHandlers(&fake_.env);
    EXPECT_TRUE(FakeEnv::globals.empty()) << "shutdown leaves no global reference";
  }
  FakeEnv fake_;
  char first_ = 0;
  char second_ = 0;
  jobject first() { return reinterpret_cast<jobject>(&first_); }
  jobject second() { return reinterpret_cast<jobject>(&second_); }
};

TEST_F(RegistryRefs, ReplacingAHandlerReleasesTheOldOne) {
  brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kLoad, first());
  brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kLoad, second());
  EXPECT_EQ(FakeEnv::LiveTo(first()), 0);
  EXPECT_EQ(FakeEnv::LiveTo(second()), 1);
  EXPECT_EQ(FakeEnv::globals.begin()->first, brivon::GetHandler(brivon::HandlerSlot::kLoad));
}

TEST_F(RegistryRefs, NullEmptiesTheSlot) {
  brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kRender, first());
  brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kRender, nullptr);
  EXPECT_TRUE(FakeEnv::globals.empty());
  EXPECT_EQ(brivon::GetHandler(brivon::HandlerSlot::kRender), nullptr);
}

TEST_F(RegistryRefs, DownloadHandlerTwiceKeepsOneClassReference) {
  brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kDownload, first());
  brivon::SetHandler(&fake_.env, brivon::HandlerSlot::kDownload, second());
  EXPECT_EQ(FakeEnv::find_class_calls, 2);
  EXPECT_EQ(FakeEnv::LiveTo(&FakeEnv::download_item_class), 1);
  EXPECT_EQ(FakeEnv::LiveTo(second()), 1);
  EXPECT_EQ(FakeEnv::globals.size(), 2u);
  EXPECT_NE(brivon::GetDownloadItemClass(), nullptr);
}

TEST_F(RegistryRefs, EverySlotIsReleased) {
  for (int slot = 0; slot < 9; ++slot) {
    brivon::SetHandler(&fake_.env, static_cast<brivon::HandlerSlot>(slot), first());
  }
  EXPECT_EQ(FakeEnv::globals.size(), 10u) << "nine handlers and the DownloadItem class";
  // TearDown releases them all and checks that none is left.
}

}  // namespace
