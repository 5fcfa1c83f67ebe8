#include "test_windows.h"

namespace panehost_test {
namespace {

constexpr wchar_t kClassName[] = L"PanehostTestWindow";

void registerClassOnce() {
  static const ATOM atom = [] {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass);
  }();
  (void)atom;
}

// Without a window manager on the test display, Wine waits two seconds for each managed
// window it hides. Unmanaged windows behave the same for every test here and hide at once.
// The driver reads this when it starts, which is at the program's first window.
const bool unmanagedWindows = [] {
  const wchar_t no[] = L"N";
  return RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", L"Managed", REG_SZ, no, sizeof no) ==
         ERROR_SUCCESS;
}();

}  // namespace

WNDPROC TestWindow::classProcedure() { return &TestWindow::procedureOf; }

TestWindow::TestWindow(DWORD style, HWND parent, RECT rect, Procedure procedure) : procedure_(std::move(procedure)) {
  registerClassOnce();
  hwnd_ = CreateWindowExW(0, kClassName, L"test", style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  // The class procedure is DefWindowProcW, so creation messages are not recorded; from
  // here on every message comes through procedureOf.
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TestWindow::procedureOf));
}

TestWindow::~TestWindow() {
  if (IsWindow(hwnd_)) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

std::vector<Message> TestWindow::received() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return received_;
}

void TestWindow::clearReceived() {
  std::lock_guard<std::mutex> lock(mutex_);
  received_.clear();
}

LRESULT CALLBACK TestWindow::procedureOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  {
    std::lock_guard<std::mutex> lock(self->mutex_);
    self->received_.push_back({hwnd, message, wParam, lParam});
  }
  if (self->procedure_) return self->procedure_(hwnd, message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool pumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    if (condition()) return true;
    const ULONGLONG now = GetTickCount64();
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
  }
}

std::vector<MSG> takePosted(HWND hwnd, UINT first, UINT last) {
  std::vector<MSG> posted;
  MSG message;
  while (PeekMessageW(&message, hwnd, first, last, PM_REMOVE)) posted.push_back(message);
  return posted;
}

UiThread::UiThread() {
  std::promise<DWORD> started;
  auto id = started.get_future();
  thread_ = std::thread([this, &started] { loop(started); });
  id_ = id.get();
}

UiThread::~UiThread() {
  PostThreadMessageW(id_, WM_QUIT, 0, 0);
  thread_.join();
}

void UiThread::post(std::function<void()> task) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    tasks_.push_back(std::move(task));
  }
  PostThreadMessageW(id_, kTaskMessage, 0, 0);
}

void UiThread::loop(std::promise<DWORD>& started) {
  MSG message;
  PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts
  started.set_value(GetCurrentThreadId());
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.hwnd == nullptr && message.message == kTaskMessage) {
      std::vector<std::function<void()>> tasks;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        tasks.swap(tasks_);
      }
      for (auto& task : tasks) task();
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace panehost_test
