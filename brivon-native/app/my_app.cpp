#include "app/my_app.h"

#include "app/command_line_map.h"
#include "browser/my_client.h"
#include "engine/prelude.h"
#include "include/cef_scheme.h"
#include "resources/my_scheme_handler_factory.h"

namespace {

constexpr int kCustomSchemeOptions = CEF_SCHEME_OPTION_STANDARD | CEF_SCHEME_OPTION_CORS_ENABLED;
constexpr const char* kCustomSchemes[] = {"jar", "platform", "brivon"};

struct FactoryRegistration {
  const char* scheme;
  const char* domain;  // empty: every host
};

// What the Java resource handler serves: the custom schemes, every file address, and web
// addresses of the three reserved hosts.
constexpr FactoryRegistration kFactoryRegistrations[] = {
    {"jar", "file"},        {"platform", ""},        {"brivon", ""},
    {"javaclass", ""},      {"file", ""},            {"http", "jar"},
    {"https", "jar"},       {"http", "platform"},    {"https", "platform"},
    {"http", "javaclass"},  {"https", "javaclass"},
};

}  // namespace

MyApp::MyApp() = default;
MyApp::~MyApp() = default;

void MyApp::OnBeforeCommandLineProcessing(const CefString&,
                                          CefRefPtr<CefCommandLine> command_line) {
  brivon::AppendSwitchesFromMap(command_line);
}

void MyApp::OnRegisterCustomSchemes(CefRawPtr<CefSchemeRegistrar> registrar) {
  for (const char* scheme : kCustomSchemes) registrar->AddCustomScheme(scheme, kCustomSchemeOptions);
}

CefRefPtr<CefBrowserProcessHandler> MyApp::GetBrowserProcessHandler() { return this; }

void MyApp::OnContextInitialized() {
  client_ = new MyClient();
  for (const FactoryRegistration& entry : kFactoryRegistrations) {
    CefRegisterSchemeHandlerFactory(entry.scheme, entry.domain, new MySchemeHandlerFactory());
  }
}

CefRefPtr<MyClient> MyApp::client() const { return client_; }
