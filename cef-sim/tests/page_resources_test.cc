// Pages and navigations whose addresses a scheme handler factory serves: what a document
// declares, where the factory is asked, the events of a main frame fetched through it, a
// fetched response the engine downloads, and a factory that lets the engine go on without it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cefsim/downloads.h"
#include "cefsim/driver.h"
#include "cefsim/resources.h"
#include "include/cef_scheme.h"
#include "include/cef_task.h"
#include "src/page/document_scan.h"
#include "tests/recording_client.h"

namespace driver = cefsim::driver;
using cefsim_test::NewBrowser;
using cefsim_test::Pump;
using cefsim_test::PumpUntil;
using cefsim_test::RecordingClient;
using Lines = std::vector<std::string>;

namespace {

constexpr int kWaitMs = 5000;

struct ResolveCase {
  const char* base;
  const char* ref;
  const char* resolved;
};

TEST(DocumentScanTest, AddressesResolveAgainstTheDocuments) {
  const ResolveCase cases[] = {
      {"brivon://app/dir/page.html?q=1#f", "img/a.png", "brivon://app/dir/img/a.png"},
      {"brivon://app/dir/page.html", "/top.css", "brivon://app/top.css"},
      {"brivon://app", "a.js", "brivon://app/a.js"},
      {"brivon://app", "/a.js", "brivon://app/a.js"},
      {"https://platform/x/y", "//cdn.test/z.js", "https://cdn.test/z.js"},
      {"https://platform/x/y", "jar://file/lib/q.png", "jar://file/lib/q.png"},
      {"https://platform/x/y?old", "?new", "https://platform/x/y?new"},
      {"file:///home/u/page.html", "b.png", "file:///home/u/b.png"},
  };
  for (const ResolveCase& c : cases)
    EXPECT_EQ(cefsim::ResolveAddress(c.base, c.ref), c.resolved) << c.base << " + " << c.ref;
}

TEST(DocumentScanTest, AnHtmlBodyDeclaresItsTitleFramesAndSubresourcesInDocumentOrder) {
  const std::string body =
      "<!doctype html><HTML><head><Title>Served</Title>"
      "<link rel=\"icon stylesheet\" href=\"a.css\"><link rel=preload href=not.css>"
      "<SCRIPT SRC='/s.js'></SCRIPT><script>inline()</script></head>"
      "<body><img alt=\"x\" src=i.png><iframe src=\"f.html\"></iframe><img src=\"\"></body>";
  cefsim::Resource doc = cefsim::ScanDocument("text/html", body, "brivon://app/p/index.html");
  EXPECT_EQ(doc.title.ToString(), "Served");
  ASSERT_EQ(doc.subframe_urls.size(), 1u);
  EXPECT_EQ(doc.subframe_urls[0].ToString(), "brivon://app/p/f.html");
  std::vector<std::string> declared;
  for (const driver::Subresource& s : doc.subresources)
    declared.push_back(std::to_string(s.type) + " " + s.url.ToString());
  EXPECT_EQ(declared, (Lines{std::to_string(RT_STYLESHEET) + " brivon://app/p/a.css",
                             std::to_string(RT_SCRIPT) + " brivon://app/s.js",
                             std::to_string(RT_IMAGE) + " brivon://app/p/i.png"}));
  // Any other type is not a document the parser reads.
  cefsim::Resource text = cefsim::ScanDocument("text/plain", body, "brivon://app/p/index.html");
  EXPECT_TRUE(text.title.empty());
  EXPECT_TRUE(text.subresources.empty());
}

// What one request's handler did, kept by the factory for the test.
struct Served {
  std::string url;
  cef_resource_type_t type = RT_SUB_RESOURCE;
  bool main_frame = false;
  bool on_ui_thread = false;
};

class Handler : public CefResourceHandler {
 public:
  Handler(int status, std::string mime, std::string body, int64 length, int fail_with)
      : status_(status),
        mime_(std::move(mime)),
        body_(std::move(body)),
        length_(length),
        fail_with_(fail_with) {}

  bool Open(CefRefPtr<CefRequest>, bool& handle_request, CefRefPtr<CefCallback>) override {
    handle_request = true;
    return true;
  }
  void GetResponseHeaders(CefRefPtr<CefResponse> response,
                          int64& response_length,
                          CefString&) override {
    response->SetStatus(status_);
    response->SetMimeType(mime_);
    response_length = length_;
  }
  bool Read(void* data_out,
            int bytes_to_read,
            int& bytes_read,
            CefRefPtr<CefResourceReadCallback>) override {
    if (fail_with_ != 0) {
      bytes_read = fail_with_;
      return false;
    }
    bytes_read = static_cast<int>(std::min<size_t>(bytes_to_read, body_.size() - offset_));
    std::memcpy(data_out, body_.data() + offset_, static_cast<size_t>(bytes_read));
    offset_ += static_cast<size_t>(bytes_read);
    return bytes_read > 0;
  }
  void Cancel() override {}

 private:
  const int status_;
  const std::string mime_;
  const std::string body_;
  const int64 length_;
  const int fail_with_;
  size_t offset_ = 0;
  IMPLEMENT_REFCOUNTING(Handler);
};

// Serves every address with one answer; `decline` addresses get no handler.
class Factory : public CefSchemeHandlerFactory {
 public:
  CefRefPtr<CefResourceHandler> Create(CefRefPtr<CefBrowser>,
                                       CefRefPtr<CefFrame> frame,
                                       const CefString&,
                                       CefRefPtr<CefRequest> request) override {
    std::lock_guard<std::mutex> lock(mutex);
    served.push_back(Served{request->GetURL().ToString(), request->GetResourceType(),
                            frame && frame->IsMain(), CefCurrentlyOn(TID_UI)});
    if (request->GetURL().ToString() == decline)
      return nullptr;
    return new Handler(status, mime, body, length, fail_with);
  }

  std::mutex mutex;
  std::vector<Served> served;
  std::string decline;
  int status = 200;
  std::string mime = "text/html";
  std::string body;
  int64 length = -1;
  int fail_with = 0;

 private:
  IMPLEMENT_REFCOUNTING(Factory);
};

class PageResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cefsim_test::StartEngineWithContext());
    factory = new Factory();
    ASSERT_TRUE(CefRegisterSchemeHandlerFactory("brivon", "", factory.get()));
    client = new RecordingClient();
    browser = NewBrowser(client.get());
    ASSERT_TRUE(browser);
    id = std::to_string(browser->GetIdentifier());
    Pump(2);
    client->clear();
  }

  // Loads the address, waits for every page request it makes to end, and pumps until the
  // load has ended.
  void Load(const std::string& url) {
    const size_t before = driver::PageRequests(browser->GetIdentifier()).size();
    browser->GetMainFrame()->LoadURL(url);
    ASSERT_TRUE(PumpUntil([&] { return browser->IsLoading(); }));
    for (size_t awaited = before;;) {
      std::vector<driver::PageRequest> made = driver::PageRequests(browser->GetIdentifier());
      if (awaited == made.size())
        break;
      ASSERT_TRUE(driver::AwaitResource(made[awaited].id, kWaitMs, nullptr)) << made[awaited].url.ToString();
      ++awaited;
      Pump(2);
    }
    ASSERT_TRUE(PumpUntil([&] { return !browser->IsLoading(); })) << url;
  }

  CefRefPtr<Factory> factory;
  CefRefPtr<RecordingClient> client;
  CefRefPtr<CefBrowser> browser;
  std::string id;
};

TEST_F(PageResourcesTest, AMainFrameFetchedThroughTheFactoryCommitsWithTheResponsesStatusAndDeclarations) {
  factory->status = 404;
  factory->body = "<title>Missing</title><img src=a.png>";
  Load("brivon://app/page");
  EXPECT_EQ(client->lines(), (Lines{
      "before-browse " + id + " main brivon://app/page",
      "loading " + id + " true",
      "address " + id + " main brivon://app/page",
      "load-start " + id + " main",
      "title " + id + " Missing",
      "load-end " + id + " main 404",
      "loading " + id + " false",
  }));
  std::lock_guard<std::mutex> lock(factory->mutex);
  ASSERT_EQ(factory->served.size(), 2u);
  EXPECT_EQ(factory->served[0].type, RT_MAIN_FRAME);
  EXPECT_EQ(factory->served[1].url, "brivon://app/a.png");
  EXPECT_EQ(factory->served[1].type, RT_IMAGE);
  for (const Served& s : factory->served) {
    EXPECT_TRUE(s.main_frame) << s.url;
    EXPECT_FALSE(s.on_ui_thread) << s.url << ": handlers run on loader threads";
  }
}

TEST_F(PageResourcesTest, AFetchThatFailsGivesTheLoadErrorAndNoCommit) {
  factory->fail_with = -7;
  Load("brivon://app/broken");
  EXPECT_EQ(client->lines(), (Lines{
      "before-browse " + id + " main brivon://app/broken",
      "loading " + id + " true",
      "load-error " + id + " main -7 net::ERR_TIMED_OUT brivon://app/broken",
      "loading " + id + " false",
  }));
  EXPECT_FALSE(browser->HasDocument());
}

TEST_F(PageResourcesTest, AFetchedResponseOfATypeTheEngineDoesNotRenderIsDownloaded) {
  factory->body = "<title>Home</title>";
  Load("brivon://app/home.html");
  client->clear();
  const size_t downloads_before = driver::Downloads().size();
  factory->mime = "application/zip";
  factory->body = "PK\x03\x04 and more";
  factory->length = static_cast<int64>(factory->body.size());
  Load("brivon://app/files/archive.zip");
  const std::string back = browser->CanGoBack() ? " back" : "";
  EXPECT_EQ(client->lines(), (Lines{
      "before-browse " + id + " main brivon://app/files/archive.zip",
      "loading " + id + " true" + back,
      "load-error " + id + " main -3 net::ERR_ABORTED brivon://app/files/archive.zip",
      "loading " + id + " false" + back,
  }));
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), "brivon://app/home.html")
      << "the page that was showing stays";
  const std::vector<driver::DownloadRecord> downloads = driver::Downloads();
  ASSERT_EQ(downloads.size(), downloads_before + 1);
  EXPECT_EQ(downloads.back().url.ToString(), "brivon://app/files/archive.zip");
  EXPECT_EQ(downloads.back().suggested_name.ToString(), "archive.zip");
}

TEST_F(PageResourcesTest, AFactoryWithoutAHandlerLetsTheNavigationGoOnWithoutIt) {
  factory->decline = "brivon://app/elsewhere";
  driver::ServePage("brivon://app/elsewhere", "From the network", {});
  Load("brivon://app/elsewhere");
  const Lines lines = client->lines();
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[4], "title " + id + " From the network");
  EXPECT_EQ(lines[5], "load-end " + id + " main 200");
}

}  // namespace
