#pragma once
// Fixtures for the Win32 tests of panehost: plain windows with a scriptable procedure,
// bounded message pumping, and a thread that owns windows and pumps for them.

#include <windows.h>

#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace panehost_test {

constexpr DWORD kWaitMs = 5000;

// What a test window does with a message; the default answers with DefWindowProcW.
using Procedure = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

struct Message {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// A top-level or child window of a class whose procedure hands every message to `procedure`.
class TestWindow {
 public:
  explicit TestWindow(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr, RECT rect = {100, 100, 400, 300},
                      Procedure procedure = nullptr);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // The class procedure, as GetWindowLongPtrW reports it before anyone subclassed the window.
  static WNDPROC classProcedure();
  // Messages that reached the class procedure, in order.
  std::vector<Message> received() const;
  void clearReceived();

 private:
  static LRESULT CALLBACK procedureOf(HWND, UINT, WPARAM, LPARAM);
  Procedure procedure_;
  mutable std::mutex mutex_;
  std::vector<Message> received_;
  HWND hwnd_ = nullptr;
};

// Pumps the calling thread's messages until `condition` holds or `timeoutMs` passes.
bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);

// Removes and returns the posted messages in [first, last] waiting in the thread's queue.
std::vector<MSG> takePosted(HWND hwnd, UINT first, UINT last);

// A thread with a message loop; `run` executes a task there and waits for its result.
class UiThread {
 public:
  UiThread();
  ~UiThread();
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;

  template <typename F>
  auto run(F task) -> decltype(task()) {
    using R = decltype(task());
    auto packaged = std::make_shared<std::packaged_task<R()>>(std::move(task));
    auto result = packaged->get_future();
    post([packaged] { (*packaged)(); });
    return result.get();
  }
  DWORD id() const { return id_; }

 private:
  void post(std::function<void()> task);
  void loop(std::promise<DWORD>& started);

  static constexpr UINT kTaskMessage = WM_APP + 0x3F0;
  std::mutex mutex_;
  std::vector<std::function<void()>> tasks_;
  DWORD id_ = 0;
  std::thread thread_;
};

}  // namespace panehost_test
