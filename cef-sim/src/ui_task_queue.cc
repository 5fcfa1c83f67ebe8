#include "src/ui_task_queue.h"

#include <algorithm>
#include <utility>

namespace cefsim {
namespace {

template <class Entry>
bool Later(const Entry& a, const Entry& b) {
  if (a.due != b.due)
    return a.due > b.due;
  return a.seq > b.seq;
}

}  // namespace

bool UiTaskQueue::Post(Work work, Clock::duration delay) {
  if (!work)
    return false;
  return Push(Entry{{}, 0, std::move(work), nullptr}, delay);
}

bool UiTaskQueue::Post(CefRefPtr<CefTask> task, Clock::duration delay) {
  if (!task)
    return false;
  return Push(Entry{{}, 0, nullptr, std::move(task)}, delay);
}

bool UiTaskQueue::Push(Entry entry, Clock::duration delay) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (open_) {
      entry.due = Clock::Now() + std::max(delay, Clock::duration::zero());
      entry.seq = next_seq_++;
      entries_.push_back(std::move(entry));
      // A heap with the earliest entry in front: a loop iteration that runs thousands of
      // queued tasks (a burst of process messages) stays linear.
      std::push_heap(entries_.begin(), entries_.end(), Later<Entry>);
      wake_.notify_all();
      return true;
    }
  }
  // Refused: the entry (and a client task in it) is released here, outside the lock.
  return false;
}

void UiTaskQueue::RunDueTasks() {
  uint64_t limit;
  Clock::time_point now = Clock::Now();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    limit = next_seq_;
  }
  for (;;) {
    Entry entry;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      // Entries posted during this run are passed over, however early they are due. One
      // posted now is due no earlier than `now`, so it never sorts before a runnable older one:
      // the front decides.
      if (entries_.empty() || entries_.front().seq >= limit || entries_.front().due > now)
        return;
      std::pop_heap(entries_.begin(), entries_.end(), Later<Entry>);
      entry = std::move(entries_.back());
      entries_.pop_back();
    }
    if (entry.client_task)
      entry.client_task->Execute();
    else
      entry.work();
  }
}

void UiTaskQueue::WaitForWork(Clock::time_point deadline) {
  std::unique_lock<std::mutex> lock(mutex_);
  for (;;) {
    if (woken_) {
      woken_ = false;
      return;
    }
    Clock::time_point now = Clock::Now();
    if (now >= deadline)
      return;
    Clock::time_point until = deadline;
    for (const Entry& e : entries_) {
      if (e.due <= now)
        return;
      until = std::min(until, e.due);
    }
    // The virtual clock may jump ahead, so wake up now and then to look again.
    until = std::min(until, now + std::chrono::milliseconds(10));
    wake_.wait_for(lock, until - now);
  }
}

void UiTaskQueue::Wake() {
  std::lock_guard<std::mutex> lock(mutex_);
  woken_ = true;
  wake_.notify_all();
}

void UiTaskQueue::Open() {
  std::lock_guard<std::mutex> lock(mutex_);
  open_ = true;
}

void UiTaskQueue::Close() {
  std::vector<Entry> dropped;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = false;
    dropped.swap(entries_);
    wake_.notify_all();
  }
}

size_t UiTaskQueue::Pending() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_.size();
}

size_t UiTaskQueue::PendingClientTasks() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::count_if(entries_.begin(), entries_.end(),
                       [](const Entry& e) { return e.client_task.get() != nullptr; });
}

}  // namespace cefsim
