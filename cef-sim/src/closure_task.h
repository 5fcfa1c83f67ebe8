#ifndef CEFSIM_SRC_CLOSURE_TASK_H_
#define CEFSIM_SRC_CLOSURE_TASK_H_

#include <functional>
#include <utility>

#include "include/cef_task.h"

namespace cefsim {

// Engine work posted through the client-facing task API (from engine code that, like
// the wrapper library, only reaches the engine through it).
class ClosureTask : public CefTask {
 public:
  explicit ClosureTask(std::function<void()> work) : work_(std::move(work)) {}

  // CefTask methods:
  void Execute() override { work_(); }

 private:
  std::function<void()> work_;

  IMPLEMENT_REFCOUNTING(ClosureTask);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_CLOSURE_TASK_H_
