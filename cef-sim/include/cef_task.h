#ifndef CEF_INCLUDE_CEF_TASK_H_
#define CEF_INCLUDE_CEF_TASK_H_

#include "include/cef_base.h"

typedef cef_thread_id_t CefThreadId;

// Work to run on one of the engine's threads.
class CefTask : public virtual CefBaseRefCounted {
 public:
  virtual void Execute() = 0;
};

// Posts tasks to one thread. The project posts through CefPostTask instead.
class CefTaskRunner : public virtual CefBaseRefCounted {};

// True when the calling thread is the engine's thread threadId.
bool CefCurrentlyOn(CefThreadId threadId);

// Queues task for threadId; tasks of one thread run in the order they were posted.
bool CefPostTask(CefThreadId threadId, CefRefPtr<CefTask> task);

// As CefPostTask, but not before delay_ms milliseconds have passed.
bool CefPostDelayedTask(CefThreadId threadId, CefRefPtr<CefTask> task, int64 delay_ms);

#endif  // CEF_INCLUDE_CEF_TASK_H_
