#ifndef CEFSIM_SRC_IPC_WIRE_H_
#define CEFSIM_SRC_IPC_WIRE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "cefsim/script.h"
#include "include/cef_values.h"

namespace cefsim {

// What the browser process and a renderer say to each other. Each message is one frame
// on the channel: a kind, then the kind's fields in order.
enum class WireKind : uint8_t {
  // Browser to renderer.
  kBrowserCreated = 1,  // browser id, is popup, main frame id
  kCommit,              // frame id, parent frame id (0: main frame), url, title
  kDetach,              // frame id
  kToRenderer,          // frame id, process message name, arguments
  kCall,                // call id, frame id, function name, arguments
  kHasProperty,         // call id, frame id, property name
  kPageAction,          // call id, PageAction, then its fields
  kBrowserClosing,      // browser id
  // Renderer to browser.
  kToBrowser = 64,      // frame id, process message name, arguments
  kCallResult,          // call id, threw, value or exception text
  kPropertyResult,      // call id, known frame, has property
  kPageEvent,           // PageAction, then its fields
  kFunctionCalled,      // recorder name, arguments

  // A frame's ExecuteJavaScript: the renderer runs the code in the frame's current
  // document and reports the run; a sync call returns once everything sent before it
  // has been handled, so that what the renderer reported has reached the browser side.
  kExecuteScript = 32,  // frame id, code, script url, start line
  kSync,                // call id
  kScriptRan = 96,      // frame id, code, script url, start line, document url
};

// What a page does on its own, sent to the renderer by the driver and reported back.
enum class PageAction : uint8_t {
  kWindowOpen = 1,  // url, with features
  kConsole,         // level, message, source, line
  kFullscreen,      // on
  kTitle,           // title
};

class WireWriter {
 public:
  explicit WireWriter(WireKind kind);

  WireWriter& U8(uint8_t value);
  WireWriter& Bool(bool value) { return U8(value ? 1 : 0); }
  WireWriter& I32(int32_t value);
  WireWriter& I64(int64_t value);
  WireWriter& F64(double value);
  WireWriter& Str(const CefString& value);
  // Null, bool, int, double, string and nested lists; other kinds travel as null.
  WireWriter& List(CefRefPtr<CefListValue> list);
  WireWriter& Js(const driver::JsValue& value);
  WireWriter& JsList(const std::vector<driver::JsValue>& values);

  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Reads one frame; every read past the end gives a zero value and sets failed().
class WireReader {
 public:
  explicit WireReader(const std::string& bytes);

  WireKind kind() const { return kind_; }
  bool failed() const { return failed_; }

  uint8_t U8();
  bool Bool() { return U8() != 0; }
  int32_t I32();
  int64_t I64();
  double F64();
  CefString Str();
  // Fills list (which must be writable).
  void List(CefRefPtr<CefListValue> list);
  driver::JsValue Js();
  std::vector<driver::JsValue> JsList();

 private:
  bool Take(void* out, size_t size);

  const std::string& bytes_;
  size_t offset_ = 0;
  WireKind kind_;
  bool failed_ = false;
  int depth_ = 0;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_IPC_WIRE_H_
