// Included by every bridge file before its first engine header.
//
// The engine's public string header calls strlen without including <cstring>; some standard
// libraries (MinGW-w64's among them) bring it in through none of the headers the engine does
// include, so without this the bridge would compile only where the include order happens to
// provide it.
#pragma once

#include <cstring>
