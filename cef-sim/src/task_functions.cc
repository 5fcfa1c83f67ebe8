#include <chrono>

#include "include/cef_task.h"
#include "src/engine.h"

// Only the UI thread exists in the stand-in's browser process; the engine's other
// threads are neither current nor reachable.

bool CefCurrentlyOn(CefThreadId threadId) {
  if (threadId != TID_UI)
    return false;
  std::lock_guard<std::mutex> lock(cefsim::EngineMutex());
  return cefsim::State().on_ui_thread();
}

bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task) {
  return CefPostDelayedTask(threadId, task, 0);
}

bool CefPostDelayedTask(CefThreadId threadId, CefRefPtr<CefTask> task, int64 delay_ms) {
  if (threadId != TID_UI)
    return false;
  return cefsim::UiQueue().Post(std::move(task), std::chrono::milliseconds(delay_ms));
}
