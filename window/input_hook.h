#pragma once
// The input hook's entry points for the rest of the library.

#include <windows.h>

namespace panehost {

// Tests only: whether the library still keeps an input-hook record for the handle.
bool hasInputHookRecordForTesting(HWND hwnd);

}  // namespace panehost
