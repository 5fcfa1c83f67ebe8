// The legacy build's type table at the edges the engine cannot reach: addresses shorter than
// an ending, and endings at the very end or just before "?".
#include <gtest/gtest.h>

#include <string>

#include "resources/legacy_mime.h"

namespace {

struct Case {
  cef_resource_type_t type;
  const char* url;
  const char* mime;
  const char* charset;
};

TEST(LegacyMime, ShortAddressesAndQueryStrings) {
  const Case cases[] = {
      {RT_IMAGE, "png", "application/octet-stream", nullptr},
      {RT_IMAGE, ".png", "image/png", nullptr},
      {RT_IMAGE, "", "application/octet-stream", nullptr},
      {RT_MAIN_FRAME, "htm", "application/octet-stream", nullptr},
      {RT_MAIN_FRAME, ".htm?", "text/html", "utf-8"},
      {RT_MAIN_FRAME, "?.html", "application/octet-stream", nullptr},
      {RT_SUB_FRAME, "x.vue?a?b.html", "text/plain", nullptr},
  };
  for (const Case& c : cases) {
    const brivon::resources::MimeChoice got = brivon::resources::LegacyMimeFor(c.type, c.url);
    EXPECT_STREQ(got.mime_type, c.mime) << c.url;
    EXPECT_STREQ(got.charset, c.charset) << c.url;
  }
}

}  // namespace
