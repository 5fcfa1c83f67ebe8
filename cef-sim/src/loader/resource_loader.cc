// The network side of the browser process: requests served by scheme handler factories on
// the engine's loading threads.

#include "cefsim/resources.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <mutex>
#include <thread>
#include <vector>

#include "include/cef_scheme.h"
#include "src/browser/browser_registry.h"
#include "src/browser/browser_impl.h"
#include "src/engine.h"
#include "src/loader/resource_loader.h"
#include "src/loader/response_impl.h"
#include "src/lower_ascii.h"
#include "src/request_impl.h"
#include "src/web/web_registry.h"

namespace cefsim {
namespace {

struct Load {
  std::mutex mutex;
  std::condition_variable changed;
  driver::ResourceReceived received;
  std::atomic<bool> cancel_requested{false};
};

std::mutex g_loads_mutex;
// Never destroyed, as the rest of the engine's state: loading threads may still be ending
// when the process exits.
std::map<int, std::shared_ptr<Load>>& g_loads = *new std::map<int, std::shared_ptr<Load>>();
int g_next_load = 1;
// The requests each browser's pages and navigations made, in order (g_loads_mutex).
std::map<int, std::vector<driver::PageRequest>>& g_page_requests =
    *new std::map<int, std::vector<driver::PageRequest>>();

// The engine's loading threads, kept as its thread pool keeps its workers: a request runs on
// an idle thread, or on a new one when every thread is busy (requests in flight never wait for
// one another), and a thread left idle for kLoaderIdle ends. A thread that ended is joined by
// the next caller of the pool, so that its end (and what runs at it) is over once counted.
constexpr auto kLoaderIdle = std::chrono::milliseconds(100);

struct LoaderPool {
  std::mutex mutex;
  std::condition_variable work;
  std::deque<std::function<void()>> jobs;
  int idle = 0;
  std::map<std::thread::id, std::thread> running;
  std::vector<std::thread> ended;
};

LoaderPool& Pool() {
  static LoaderPool& pool = *new LoaderPool();
  return pool;
}

void JoinEnded(LoaderPool& pool, std::unique_lock<std::mutex>& lock) {
  std::vector<std::thread> ended;
  ended.swap(pool.ended);
  lock.unlock();
  for (std::thread& thread : ended)
    thread.join();
  lock.lock();
}

void LoaderThread() {
  LoaderPool& pool = Pool();
  std::unique_lock<std::mutex> lock(pool.mutex);
  while (true) {
    ++pool.idle;
    const bool woken =
        pool.work.wait_for(lock, kLoaderIdle, [&] { return !pool.jobs.empty(); });
    --pool.idle;
    if (!woken)
      break;
    std::function<void()> job = std::move(pool.jobs.front());
    pool.jobs.pop_front();
    lock.unlock();
    job();
    job = nullptr;
    lock.lock();
  }
  auto self = pool.running.find(std::this_thread::get_id());
  pool.ended.push_back(std::move(self->second));
  pool.running.erase(self);
}

void RunOnLoaderThread(std::function<void()> job) {
  LoaderPool& pool = Pool();
  std::unique_lock<std::mutex> lock(pool.mutex);
  JoinEnded(pool, lock);
  pool.jobs.push_back(std::move(job));
  // Each waiting job has an idle thread of its own, or gets a new one.
  if (pool.idle >= static_cast<int>(pool.jobs.size())) {
    pool.work.notify_one();
    return;
  }
  std::thread thread(LoaderThread);
  const std::thread::id id = thread.get_id();
  pool.running.emplace(id, std::move(thread));
}

CefString SchemeOf(const CefString& url) {
  std::string text = url.ToString();
  size_t colon = text.find(':');
  return colon == std::string::npos ? CefString() : LowerAscii(CefString(text.substr(0, colon)));
}

// The first registration whose scheme and domain match; registrations made with a domain
// for a scheme that is not standard were stored with an empty one.
struct Match {
  CefRefPtr<CefSchemeHandlerFactory> factory;
  CefString scheme;
};
Match FindFactory(const CefString& url) {
  const CefString scheme = SchemeOf(url);
  const CefString host(HostOf(url));
  std::lock_guard<std::mutex> lock(EngineMutex());
  for (const SchemeRegistration& r : State().factories) {
    if (r.scheme == scheme && (r.domain.empty() || r.domain == host))
      return Match{r.factory, r.scheme};
  }
  return Match{};
}

void Publish(Load& load, const std::function<void(driver::ResourceReceived&)>& change) {
  std::lock_guard<std::mutex> lock(load.mutex);
  change(load.received);
  load.changed.notify_all();
}

void Serve(Load& load, const LoadOrder& order) {
  const CefString& url = order.url;
  driver::ResourceReceived got;
  Match match = FindFactory(url);
  CefRefPtr<CefBrowser> browser;
  CefRefPtr<CefFrame> frame = order.frame;
  if (order.browser_id > 0) {
    CefRefPtr<BrowserImpl> found = FindBrowser(order.browser_id);
    browser = found.get();
    if (found && !frame)
      frame = found->GetMainFrame();
  }
  auto wanted = [&] {
    return !load.cancel_requested && !(order.abandoned && order.abandoned());
  };
  CefRefPtr<CefRequest> request = RequestImpl::ForNavigation(url, order.type, TT_LINK).get();
  CefRefPtr<CefResourceHandler> handler =
      match.factory ? match.factory->Create(browser, frame, match.scheme, request) : nullptr;
  if (!handler) {
    // No factory, or one that lets the engine go on: the stand-in's network has nothing more.
    got.error = ERR_FAILED;
  } else {
    got.offered = true;
    bool handle_request = false;
    const bool opened = handler->Open(request, handle_request, nullptr);
    got.handled = opened && handle_request;
    if (!got.handled) {
      // Not served at once: the request is cancelled, as the engine does with an open that
      // neither handles nor continues.
      got.error = ERR_ABORTED;
      handler->Cancel();
      got.canceled = true;
    } else if (!wanted()) {
      // Gone before its headers: the engine cancels the open request.
      handler->Cancel();
      got.canceled = true;
      got.error = ERR_ABORTED;
    } else {
      CefRefPtr<ResponseImpl> response = new ResponseImpl();
      CefString redirect;
      handler->GetResponseHeaders(response.get(), got.length, redirect);
      got.status = response->GetStatus();
      got.mime_type = response->GetMimeType();
      got.charset = response->GetCharset();
      std::vector<char> chunk(driver::kReadChunkBytes);
      while (true) {
        if (!wanted()) {
          handler->Cancel();
          got.canceled = true;
          got.error = ERR_ABORTED;
          break;
        }
        int bytes_read = 0;
        ++got.reads;
        const bool more = handler->Read(chunk.data(), driver::kReadChunkBytes, bytes_read, nullptr);
        if (more && bytes_read > 0) {
          got.body.append(chunk.data(), static_cast<size_t>(bytes_read));
          continue;
        }
        if (!more && bytes_read < 0)
          got.error = bytes_read;
        break;
      }
    }
  }
  // The handler goes on this thread, as its last release does in the engine's loader.
  handler = nullptr;
  request = nullptr;
  frame = nullptr;
  browser = nullptr;
  if (order.finished)
    order.finished(got);
  got.finished = true;
  Publish(load, [&](driver::ResourceReceived& r) { r = got; });
}

std::shared_ptr<Load> Find(int id) {
  std::lock_guard<std::mutex> lock(g_loads_mutex);
  auto it = g_loads.find(id);
  return it == g_loads.end() ? nullptr : it->second;
}

}  // namespace

bool FactoryServes(const CefString& url) {
  return FindFactory(url).factory != nullptr;
}

int StartLoad(LoadOrder order) {
  auto load = std::make_shared<Load>();
  int id;
  {
    std::lock_guard<std::mutex> lock(g_loads_mutex);
    id = g_next_load++;
    g_loads[id] = load;
    if (order.for_page && order.browser_id > 0) {
      const int64 frame_id = order.frame ? order.frame->GetIdentifier() : 0;
      g_page_requests[order.browser_id].push_back(
          driver::PageRequest{id, order.url, order.type, frame_id});
    }
  }
  RunOnLoaderThread([load, order] { Serve(*load, order); });
  return id;
}

namespace driver {

int LoadResource(int browser_id, const CefString& url, cef_resource_type_t type) {
  LoadOrder order;
  order.browser_id = browser_id;
  order.url = url;
  order.type = type;
  return StartLoad(order);
}

std::vector<PageRequest> PageRequests(int browser_id) {
  std::lock_guard<std::mutex> lock(g_loads_mutex);
  auto it = g_page_requests.find(browser_id);
  return it == g_page_requests.end() ? std::vector<PageRequest>() : it->second;
}

void CancelResource(int id) {
  std::shared_ptr<Load> load = Find(id);
  if (load)
    load->cancel_requested = true;
}

bool AwaitResource(int id, int timeout_ms, ResourceReceived* out) {
  std::shared_ptr<Load> load = Find(id);
  if (!load)
    return false;
  bool finished;
  {
    std::unique_lock<std::mutex> lock(load->mutex);
    finished = load->changed.wait_for(lock, std::chrono::milliseconds(timeout_ms),
                                      [&] { return load->received.finished; });
    if (out)
      *out = load->received;
  }
  if (!finished)
    return false;
  std::lock_guard<std::mutex> lock(g_loads_mutex);
  g_loads.erase(id);
  return true;
}

int LoaderThreads() {
  LoaderPool& pool = Pool();
  std::unique_lock<std::mutex> lock(pool.mutex);
  JoinEnded(pool, lock);
  return static_cast<int>(pool.running.size());
}

}  // namespace driver
}  // namespace cefsim
