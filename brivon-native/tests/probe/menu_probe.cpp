// A context menu whose model has no items. The engine never asks for one (it shows nothing
// then), so the probe hands one to the bridge's RunContextMenu itself, as the engine would.
#include <jni.h>

#include <vector>

#include "app/shared_client.h"
#include "browser/browser_tables.h"
#include "browser/my_client.h"
#include "include/cef_menu_model.h"

namespace {

// Only the point is asked for; everything else reads as a plain page.
class PointParams : public CefContextMenuParams {
 public:
  PointParams(int x, int y) : x_(x), y_(y) {}

  int GetXCoord() override { return x_; }
  int GetYCoord() override { return y_; }
  TypeFlags GetTypeFlags() override { return CM_TYPEFLAG_PAGE; }
  CefString GetLinkUrl() override { return CefString(); }
  CefString GetUnfilteredLinkUrl() override { return CefString(); }
  CefString GetSourceUrl() override { return CefString(); }
  bool HasImageContents() override { return false; }
  CefString GetTitleText() override { return CefString(); }
  CefString GetPageUrl() override { return CefString(); }
  CefString GetFrameUrl() override { return CefString(); }
  CefString GetFrameCharset() override { return CefString(); }
  MediaType GetMediaType() override { return CM_MEDIATYPE_NONE; }
  MediaStateFlags GetMediaStateFlags() override { return CM_MEDIAFLAG_NONE; }
  CefString GetSelectionText() override { return CefString(); }
  CefString GetMisspelledWord() override { return CefString(); }
  bool GetDictionarySuggestions(std::vector<CefString>&) override { return false; }
  bool IsEditable() override { return false; }
  bool IsSpellCheckEnabled() override { return false; }
  EditStateFlags GetEditStateFlags() override { return CM_EDITFLAG_NONE; }
  bool IsCustomMenu() override { return false; }
  bool IsPepperMenu() override { return false; }

 private:
  const int x_;
  const int y_;
  IMPLEMENT_REFCOUNTING(PointParams);
};

}  // namespace

extern "C" {

// On the pumping thread. Returns -1 when the browser is unknown, else RunContextMenu's answer
// (1 or 0).
JNIEXPORT jint JNICALL Java_com_velmor_brivon_probe_CallbackProbe_runEmptyContextMenu(
    JNIEnv*, jclass, jlong browser_id, jint x, jint y) {
  CefRefPtr<CefBrowser> browser = brivon::FindBrowser(browser_id);
  CefRefPtr<MyClient> client = brivon::SharedClient();
  if (!browser || !client) return -1;
  return client->RunContextMenu(browser, browser->GetMainFrame(), new PointParams(x, y),
                                CefMenuModel::CreateMenuModel(nullptr), nullptr)
             ? 1
             : 0;
}

}  // extern "C"
