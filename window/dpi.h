// The library-wide DPI query, whose libraries the DLL entry loads and frees.
#pragma once

#include "dpi_query.h"

namespace panehost {

DpiQuery& libraryDpiQuery();

}  // namespace panehost
