#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

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

// Starts the engine with "jar" as a standard scheme and "brivon" as one that is not.
bool StartWithCustomSchemes() {
  CefRefPtr<cefsim_test::RecordingApp> app = new cefsim_test::RecordingApp();
  app->on_schemes = [](CefRawPtr<CefSchemeRegistrar> registrar) {
    registrar->AddCustomScheme("jar", CEF_SCHEME_OPTION_STANDARD);
    registrar->AddCustomScheme("brivon", CEF_SCHEME_OPTION_CORS_ENABLED);
  };
  return cefsim_test::StartEngine(app);
}

std::vector<std::string> Registered() {
  std::vector<std::string> out;
  for (const driver::SchemeHandlerFactory& f : driver::SchemeHandlerFactories())
    out.push_back(f.scheme.ToString() + "|" + f.domain.ToString());
  return out;
}

TEST(SchemeFactoryTest, RegistrationsNeedARunningEngine) {
  std::atomic<int> deleted{0};
  EXPECT_FALSE(CefRegisterSchemeHandlerFactory("http", "", new Factory(&deleted)));
  EXPECT_FALSE(CefRegisterSchemeHandlerFactory("http", "", nullptr));
  EXPECT_EQ(deleted, 1);
  EXPECT_TRUE(driver::SchemeHandlerFactories().empty());
}

struct KeyCase {
  const char* scheme;
  const char* domain;
  const char* kept;  // scheme|domain as the engine keeps the registration
};

TEST(SchemeFactoryTest, NamesAreLowerCasedAndOnlyStandardSchemesKeepADomain) {
  ASSERT_TRUE(StartWithCustomSchemes());
  const KeyCase cases[] = {
      {"JAR", "FILE", "jar|file"},            // a custom standard scheme
      {"HTTP", "Platform", "http|platform"},  // a built-in standard scheme
      {"file", "", "file|"},
      {"Brivon", "AnyHost", "brivon|"},   // a custom scheme that is not standard
      {"javaclass", "x", "javaclass|"},   // not registered, so not standard
      {"data", "x", "data|"},             // built in, not standard
  };
  std::atomic<int> deleted{0};
  std::vector<std::string> expected;
  for (const KeyCase& c : cases) {
    EXPECT_TRUE(CefRegisterSchemeHandlerFactory(c.scheme, c.domain, new Factory(&deleted)))
        << c.scheme;
    expected.push_back(c.kept);
  }
  EXPECT_EQ(Registered(), expected);
  EXPECT_EQ(deleted, 0);
  CefShutdown();
}

TEST(SchemeFactoryTest, ALaterFactoryReplacesInPlaceAndANullOneRemoves) {
  ASSERT_TRUE(StartWithCustomSchemes());
  std::atomic<int> deleted{0};
  CefRefPtr<Factory> first = new Factory(&deleted);
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("jar", "file", first));
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("http", "platform", new Factory(&deleted)));
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("brivon", "a", new Factory(&deleted)));
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("Jar", "File", new Factory(&deleted)));
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("brivon", "b", new Factory(&deleted)))
      << "the domain of a scheme that is not standard does not tell registrations apart";
  EXPECT_FALSE(CefRegisterSchemeHandlerFactory("", "x", new Factory(&deleted)));
  EXPECT_EQ(deleted, 2) << "the refused factory and the replaced brivon one";
  EXPECT_EQ(Registered(), (std::vector<std::string>{"jar|file", "http|platform", "brivon|"}));
  EXPECT_NE(driver::SchemeHandlerFactories()[0].identity, reinterpret_cast<uintptr_t>(first.get()));
  first = nullptr;
  EXPECT_EQ(deleted, 3) << "the engine let the replaced jar factory go";

  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("HTTP", "PLATFORM", nullptr));
  EXPECT_EQ(deleted, 4);
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("https", "", nullptr)) << "nothing to remove";
  EXPECT_TRUE(CefRegisterSchemeHandlerFactory("brivon", "other", nullptr));
  EXPECT_EQ(Registered(), (std::vector<std::string>{"jar|file"}));
  EXPECT_EQ(driver::HeldClientObjects(), 2u) << "the application and one factory";

  EXPECT_TRUE(CefClearSchemeHandlerFactories());
  EXPECT_EQ(deleted, 6);
  EXPECT_TRUE(driver::SchemeHandlerFactories().empty());
  CefShutdown();
}

struct CustomSchemeCase {
  const char* name;
  bool added;
};

TEST(SchemeFactoryTest, CustomSchemesAreLowerCasedOnceAndNeverTheEnginesOwn) {
  const CustomSchemeCase cases[] = {
      {"Jar", true},          {"jar", false},        {"JAR", false},
      {"", false},            {"about", false},      {"blob", false},
      {"chrome", false},      {"chrome-devtools", false}, {"chrome-extension", false},
      {"data", false},        {"file", false},       {"filesystem", false},
      {"ftp", false},         {"http", false},       {"HTTPS", false},
      {"javascript", false},  {"ws", false},         {"wss", false},
      {"Brivon", true},
  };
  CefRefPtr<cefsim_test::RecordingApp> app = new cefsim_test::RecordingApp();
  app->on_schemes = [&](CefRawPtr<CefSchemeRegistrar> registrar) {
    for (const CustomSchemeCase& c : cases)
      EXPECT_EQ(registrar->AddCustomScheme(c.name, CEF_SCHEME_OPTION_STANDARD), c.added) << c.name;
  };
  ASSERT_TRUE(cefsim_test::StartEngine(app));
  std::vector<std::string> names;
  for (const driver::CustomScheme& s : driver::CustomSchemes())
    names.push_back(s.name.ToString());
  EXPECT_EQ(names, (std::vector<std::string>{"jar", "brivon"}));
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
