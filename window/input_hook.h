#pragma once
// The input hook's entry points for the rest of the library.

#include <windows.h>

#include <cstddef>

namespace panehost {

// Tests only: whether the library still keeps an input-hook record for the handle.
bool hasInputHookRecordForTesting(HWND hwnd);
// Tests only: how many windows the library keeps input-hook records for.
std::size_t inputHookRecordCountForTesting();

}  // namespace panehost
