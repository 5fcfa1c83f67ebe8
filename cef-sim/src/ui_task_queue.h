#ifndef CEFSIM_SRC_UI_TASK_QUEUE_H_
#define CEFSIM_SRC_UI_TASK_QUEUE_H_

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "include/cef_task.h"
#include "src/clock.h"

namespace cefsim {

// The UI thread's work: tasks posted from any thread, run on the UI thread by
// RunDueTasks in the order of their due time, then of posting. One run takes only the
// tasks that were already queued when it began, so work posted while it runs (a task
// that posts another, the engine reacting to a callback) waits for a later loop
// iteration, as in the engine.
class UiTaskQueue {
 public:
  using Work = std::function<void()>;

  // False once the queue is closed; the work is then dropped at once.
  bool Post(Work work, Clock::duration delay);
  bool Post(CefRefPtr<CefTask> task, Clock::duration delay);

  void RunDueTasks();

  // Waits until a task is due or Wake is called, at most until deadline.
  void WaitForWork(Clock::time_point deadline);
  void Wake();

  // Opens the queue for posting; before that and after Close, posting fails.
  void Open();
  // Refuses further work and drops what is queued; the work is released outside the
  // lock, since releasing a client task may run client code that posts again.
  void Close();

  size_t Pending() const;
  size_t PendingClientTasks() const;

 private:
  struct Entry {
    Clock::time_point due;
    uint64_t seq;
    Work work;
    CefRefPtr<CefTask> client_task;
  };

  bool Push(Entry entry, Clock::duration delay);

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool open_ = false;
  bool woken_ = false;
  uint64_t next_seq_ = 0;
  // Few entries at a time: a plain list, searched for the next one to run.
  std::vector<Entry> entries_;
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_UI_TASK_QUEUE_H_
