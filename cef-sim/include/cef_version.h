#ifndef CEF_INCLUDE_CEF_VERSION_H_
#define CEF_INCLUDE_CEF_VERSION_H_

#include "include/internal/cef_export.h"

#define CEF_VERSION_MAJOR 76
#define CEF_VERSION_MINOR 1
#define CEF_VERSION_PATCH 13
#define CEF_COMMIT_NUMBER 2228
#define CHROME_VERSION_MAJOR 76
#define CHROME_VERSION_MINOR 0
#define CHROME_VERSION_BUILD 3809
#define CHROME_VERSION_PATCH 132

#define CEF_API_HASH_PLATFORM "031426ad8eb80ee32fcf3605837cff8d3bbae3a4"

#ifdef __cplusplus
extern "C" {
#endif

// Entries 0 to 7: CEF major, minor, patch, commit number, then Chromium major, minor,
// build, patch. Any other entry is 0.
CEF_EXPORT int cef_version_info(int entry);

#ifdef __cplusplus
}
#endif

#endif  // CEF_INCLUDE_CEF_VERSION_H_
