#include <gtest/gtest.h>

#include <atomic>

#include "cefsim/driver.h"
#include "tests/recording_app.h"

namespace driver = cefsim::driver;

namespace {

class Factory : public CefSchemeHandlerFactory {
 public:
  explicit Factory(std::atomic<int>* deleted) : deleted_(deleted) {}
  ~Factory() override { ++*deleted_; }

  // CefSchemeHandlerFactory methods:
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser>,
                                       CefRefPtr<CefFrame>,
                                       const CefString&,
                                       CefRefPtr<CefRequest>) override {
    return nullptr;
  }

 private:
  std::atomic<int>* deleted_;
  IMPLEMENT_REFCOUNTING(Factory);
};

TEST(SchemeFactoryTest, RegistrationsNeedARunningEngine) {
  std::atomic<int> deleted{0};
  EXPECT_FALSE(CefRegisterSchemeHandlerFactory("http", "", new Factory(&deleted)));
  EXPECT_EQ(deleted, 1);
  EXPECT_TRUE(driver::SchemeHandlerFactories().empty());
}

TEST(SchemeFactoryTest, RegistrationsAreKeptInOrderUntilCleared) {
  ASSERT_TRUE(cefsim_test::StartEngine(new cefsim_test::RecordingApp()));
  std::atomic<int> deleted{0};
  CefRefPtr<Factory> first = new Factory(&deleted);
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("JAR", "file", first));
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("http", "platform", new Factory(&deleted)));
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("Jar", "file", new Factory(&deleted)))
      << "replaces the first registration";
  EXPECT_FALSE(CefRegisterSchemeHandlerFactory("", "x", new Factory(&deleted)));
  EXPECT_FALSE(CefRegisterSchemeHandlerFactory("https", "", nullptr));
  EXPECT_EQ(deleted, 1) << "only the refused factory is gone; the replaced one is still ours";

  std::vector<driver::SchemeHandlerFactory> registered = driver::SchemeHandlerFactories();
  ASSERT_EQ(registered.size(), 2u);
  EXPECT_EQ(registered[0].scheme.ToString(), "jar") << "schemes are kept lower-cased";
  EXPECT_EQ(registered[0].domain.ToString(), "file");
  EXPECT_NE(registered[0].identity, reinterpret_cast<uintptr_t>(first.get()));
  EXPECT_EQ(registered[1].scheme.ToString(), "http");
  EXPECT_EQ(driver::HeldClientObjects(), 3u) << "the application and two factories";

  first = nullptr;
  EXPECT_EQ(deleted, 2) << "the engine let the replaced factory go";
  EXPECT_TRUE(CefClearSchemeHandlerFactories());
  EXPECT_EQ(deleted, 4);
  EXPECT_TRUE(driver::SchemeHandlerFactories().empty());
  CefShutdown();
}

TEST(SchemeFactoryTest, ShutdownReleasesTheFactories) {
  ASSERT_TRUE(cefsim_test::StartEngine(new cefsim_test::RecordingApp()));
  std::atomic<int> deleted{0};
  CefRegisterSchemeHandlerFactory("brivon", "", new Factory(&deleted));
  CefShutdown();
  EXPECT_EQ(deleted, 1);
  EXPECT_TRUE(driver::SchemeHandlerFactories().empty());
}

}  // namespace
