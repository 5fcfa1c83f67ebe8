#ifndef CEFSIM_DRIVER_CEFSIM_SCRIPT_H_
#define CEFSIM_DRIVER_CEFSIM_SCRIPT_H_

// Script in a browser's renderer process: calling the functions a page's window has,
// reading whether it has one, the process messages the browser side received, and the
// renderer process itself. Only browsers created while a subprocess program is set
// (CefSettings::browser_subprocess_path) have a renderer; without one the stand-in keeps
// the browser's pages in the browser process and these functions report that.
// Every function may be called from any thread; the calls wait (bounded) for the
// renderer's answer.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "include/cef_base.h"

namespace cefsim {
namespace driver {

// A JavaScript value as the driver hands it to a page, or a returned one. A function
// value stands for a function of the page's own that returns undefined; an unnamed one
// records nothing. kList is only for process-message arguments.
struct JsValue {
  enum Type { kUndefined, kNull, kBool, kInt, kDouble, kString, kObject, kFunction, kList };

  Type type = kUndefined;
  bool boolean = false;
  int integer = 0;
  double number = 0;
  CefString string;
  // Object members in order, or list items (their first is empty).
  std::vector<std::pair<CefString, JsValue>> members;

  static JsValue Undefined() { return JsValue(); }
  static JsValue Null();
  static JsValue Bool(bool value);
  static JsValue Int(int value);
  static JsValue Double(double value);
  static JsValue String(const CefString& value);
  static JsValue Function();
  // A page function that records every call with its arguments under `name`, in the order
  // the page made them (see FunctionCalls); it returns undefined.
  static JsValue Recorder(const CefString& name);
  static JsValue Object(std::vector<std::pair<CefString, JsValue>> members);
};

struct CallOutcome {
  bool threw = false;
  JsValue value;        // what the function returned, when it did not throw
  CefString exception;  // the thrown text, when it threw
};

// The document in that frame calls window.<name>(arguments...). False when the browser
// has no live renderer, the frame has no document there, or the renderer did not answer.
bool CallWindowFunction(int browser_id,
                        int64_t frame_id,
                        const CefString& name,
                        const std::vector<JsValue>& arguments,
                        CallOutcome* outcome);

// 1 when window.<name> exists in the frame's current context, 0 when not, -1 when the
// browser has no live renderer or the frame no context.
int WindowHasProperty(int browser_id, int64_t frame_id, const CefString& name);

struct ReceivedMessage {
  int64_t frame_id;
  CefString name;
  std::vector<JsValue> arguments;  // null, bool, int, double, string or list values
};

// The messages the renderer sent to the browser process, in the order they reached the
// client's OnProcessMessageReceived (UI thread).
std::vector<ReceivedMessage> ReceivedProcessMessages(int browser_id);

struct FunctionCall {
  CefString name;                  // the Recorder's name
  std::vector<JsValue> arguments;  // functions among them come back as plain functions
};

// Every call the browser's pages made to Recorder functions, in the order the renderer made
// them, for as long as the browser lives.
std::vector<FunctionCall> FunctionCalls(int browser_id);
// How many there are so far, without copying them.
size_t FunctionCallCount(int browser_id);

// The renderer's process id; 0 when the browser has none (or no longer a live one).
int RendererProcessId(int browser_id);
// Kills the browser's renderer (SIGKILL); the engine notices it as the engine would.
bool KillRenderer(int browser_id);
// Renderer processes started and not yet reaped.
int LiveRenderers();

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_SCRIPT_H_
