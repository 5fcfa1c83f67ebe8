// The client every browser is created with, once the engine has reported its context
// initialised; null before that (and when init did not start the engine).
#pragma once

#include "engine/prelude.h"
#include "include/internal/cef_ptr.h"

class MyClient;

namespace brivon {

CefRefPtr<MyClient> SharedClient();

}  // namespace brivon
