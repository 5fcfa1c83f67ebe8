// What a callback does when the virtual machine will not give it an environment. A real JVM
// always attaches, so a fake JavaVM stands in for one that refuses.
#include <gtest/gtest.h>

#include "jni/java_callback.h"
#include "jni/jvm.h"

namespace {

struct FakeVm {
  JNIInvokeInterface_ functions{};
  JavaVM vm{};
  static inline jint get_env_answer = JNI_EDETACHED;
  static inline jint attach_answer = JNI_ERR;
  static inline int attach_calls = 0;
  static inline int detach_calls = 0;

  FakeVm() {
    functions.GetEnv = [](JavaVM*, void** env, jint) -> jint {
      *env = nullptr;
      return get_env_answer;
    };
    functions.AttachCurrentThread = [](JavaVM*, void** env, void*) -> jint {
      ++attach_calls;
      *env = nullptr;
      return attach_answer;
    };
    // Engine threads are attached as daemons.
    functions.AttachCurrentThreadAsDaemon = functions.AttachCurrentThread;
    functions.DetachCurrentThread = [](JavaVM*) -> jint {
      ++detach_calls;
      return JNI_OK;
    };
    vm.functions = &functions;
    attach_calls = 0;
    detach_calls = 0;
  }
};

class AttachFailure : public testing::Test {
 protected:
  void SetUp() override { brivon::SetJavaVm(&fake_.vm); }
  void TearDown() override { brivon::SetJavaVm(nullptr); }
  FakeVm fake_;
};

TEST_F(AttachFailure, EachSkippedCallWritesOneLine) {
  FakeVm::get_env_answer = JNI_EDETACHED;
  FakeVm::attach_answer = JNI_ERR;
  testing::internal::CaptureStdout();
  for (int i = 0; i < 3; ++i) {
    brivon::JavaCallback call(brivon::HandlerSlot::kLoad, "onLoadEnd", "(JJI)V");
    EXPECT_FALSE(call.ready());
    EXPECT_FALSE(call.CallVoid(jlong{1}, jlong{2}, jint{200}));
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "c++ attach thread fail\nc++ attach thread fail\nc++ attach thread fail\n");
  EXPECT_EQ(FakeVm::attach_calls, 3);
  EXPECT_EQ(FakeVm::detach_calls, 0) << "a thread that was never attached is not detached";
}

TEST_F(AttachFailure, OtherGetEnvErrorsSkipQuietlyWithoutAttaching) {
  FakeVm::get_env_answer = JNI_EVERSION;
  testing::internal::CaptureStdout();
  brivon::JavaCallback call(brivon::HandlerSlot::kRender, "onPaint", "()V");
  EXPECT_FALSE(call.CallVoid());
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(FakeVm::attach_calls, 0);
}

TEST(NoVirtualMachine, CallbacksBeforeInitSkipQuietly) {
  brivon::SetJavaVm(nullptr);
  testing::internal::CaptureStdout();
  brivon::JavaCallback call(brivon::HandlerSlot::kLoad, "onLoadEnd", "(JJI)V");
  EXPECT_FALSE(call.CallVoid(jlong{1}, jlong{2}, jint{200}));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
