#pragma once
// The custom frame's entry points for the rest of the library.

#include <windows.h>

#include <cstddef>

namespace panehost {

// detach, with the choice of showing the window afterwards: a window about to be destroyed is
// not shown for the moment before it goes.
void detachFrame(HWND hwnd, bool showAfterwards);

// Tests only: whether the library still keeps a frame record for the handle.
bool hasFrameRecordForTesting(HWND hwnd);
// Tests only: how many windows the library keeps frame records for.
std::size_t frameRecordCountForTesting();

}  // namespace panehost
