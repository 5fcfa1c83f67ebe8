#ifndef CEFSIM_DRIVER_CEFSIM_DOWNLOADS_H_
#define CEFSIM_DRIVER_CEFSIM_DOWNLOADS_H_

// Downloads a page starts, the user's answer to the engine's Save dialog, the network's
// progress, and what the client made of each download. Every step reaches the client in a
// later loop iteration, as the engine's own download events do. Every function may be
// called from any thread; those returning bool return false for an unknown download, or
// one that cannot take the step (not started, or already ended).

#include <cstdint>
#include <vector>

#include "include/cef_base.h"

namespace cefsim {
namespace driver {

// Navigations start downloads too, for responses the engine does not show (web.h,
// ServeResponse); they appear here like these.

// The main frame's page starts downloading url, which the server names suggested_name;
// total_bytes < 0: the size is unknown. The download id, or 0 for an unknown or closed
// browser.
uint32_t StartDownload(int browser_id,
                       const CefString& url,
                       const CefString& suggested_name,
                       int64_t total_bytes);

// The id the next download gets; ids then count up from it (wrapping past 0xFFFFFFFF to 1).
void SetNextDownloadId(uint32_t id);

// The user picks a path in the Save dialog, or cancels the dialog (which cancels the
// download).
bool ChooseSavePath(uint32_t id, const CefString& path);
bool CancelSaveDialog(uint32_t id);

// More of the body arrived: received bytes so far. Also while the Save dialog is open, as
// the engine goes on receiving meanwhile: those updates carry no path yet. The same count
// again is no change and brings no update; a smaller one is refused.
bool DownloadProgress(uint32_t id, int64_t received_bytes);
// The body is complete (received becomes the total; an unknown total becomes known).
bool CompleteDownload(uint32_t id);
// The connection breaks: the download stops, neither complete nor cancelled.
bool InterruptDownload(uint32_t id);
// The user removes the download from the engine's list while it runs: its last update
// carries an item that is no longer valid.
bool RemoveDownload(uint32_t id);

struct DownloadRecord {
  enum Stage {
    kAsking,      // OnBeforeDownload not yet answered (or not yet called)
    kNotStarted,  // no Continue: the engine dropped the download
    kSaveDialog,  // the Save dialog is open
    kInProgress,
    kComplete,
    kCanceled,
    kInterrupted,
    kRemoved,
  };
  uint32_t id = 0;
  int browser_id = 0;
  CefString url;
  CefString suggested_name;
  Stage stage = kAsking;
  bool continued = false;
  CefString continue_path;  // what Continue was given
  bool show_dialog = false;
  CefString dialog_name;  // the name the Save dialog offered
  CefString full_path;    // where the file is written, once known
  int updates = 0;        // OnDownloadUpdated calls
  int cancel_calls = 0;   // Cancel on an update callback
};

// Every download, in the order they were started.
std::vector<DownloadRecord> Downloads();
// The download with that id; false when there is none.
bool FindDownload(uint32_t id, DownloadRecord* record);

}  // namespace driver
}  // namespace cefsim

#endif  // CEFSIM_DRIVER_CEFSIM_DOWNLOADS_H_
