// The legacy build's choice of MIME type and charset, from the request's resource type and how
// its address ends.
#pragma once

#include <string>

#include "engine/prelude.h"
#include "include/internal/cef_types.h"

namespace brivon::resources {

struct MimeChoice {
  const char* mime_type;
  const char* charset;  // null: none
};

// Endings compare bytes, case-sensitively: for images against the whole address, for every
// other type against the address in front of its first "?". The first matching row wins.
MimeChoice LegacyMimeFor(cef_resource_type_t type, const std::string& url_utf8);

}  // namespace brivon::resources
