#include "sub/subprocess.h"

#include "sub/render_app.h"

namespace brivon::sub {

int RunSubprocess(const CefMainArgs& args) {
  // Before any other engine call: the engine reads the DPI setting as it starts up.
  CefEnableHighDPISupport();
  CefRefPtr<RenderApp> app(new RenderApp());
  return CefExecuteProcess(args, app, nullptr);
}

}  // namespace brivon::sub
