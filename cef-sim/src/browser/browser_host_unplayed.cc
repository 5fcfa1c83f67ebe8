// Host operations of printing, finding, IME and the like, which the stand-in does
// not play (input and drags are in src/view/browser_view.cc): they do nothing, on any browser.

#include "src/browser/browser_impl.h"

namespace cefsim {

void BrowserImpl::SetFocus(bool) {}
void BrowserImpl::RunFileDialog(FileDialogMode,
                                const CefString&,
                                const CefString&,
                                const std::vector<CefString>&,
                                int,
                                CefRefPtr<CefRunFileDialogCallback>) {}
void BrowserImpl::StartDownload(const CefString&) {}
void BrowserImpl::DownloadImage(const CefString&,
                                bool,
                                uint32,
                                bool,
                                CefRefPtr<CefDownloadImageCallback>) {}
void BrowserImpl::Print() {}
void BrowserImpl::PrintToPDF(const CefString&,
                             const CefPdfPrintSettings&,
                             CefRefPtr<CefPdfPrintCallback>) {}
void BrowserImpl::Find(int, const CefString&, bool, bool, bool) {}
void BrowserImpl::StopFinding(bool) {}
void BrowserImpl::GetNavigationEntries(CefRefPtr<CefNavigationEntryVisitor>, bool) {}
void BrowserImpl::SetMouseCursorChangeDisabled(bool) {}
bool BrowserImpl::IsMouseCursorChangeDisabled() {
  return false;
}
void BrowserImpl::ReplaceMisspelling(const CefString&) {}
void BrowserImpl::AddWordToDictionary(const CefString&) {}
void BrowserImpl::WasHidden(bool) {}
void BrowserImpl::NotifyScreenInfoChanged() {}
void BrowserImpl::SendExternalBeginFrame() {}
void BrowserImpl::SendTouchEvent(const CefTouchEvent&) {}
void BrowserImpl::SendFocusEvent(bool) {}
void BrowserImpl::SendCaptureLostEvent() {}
void BrowserImpl::NotifyMoveOrResizeStarted() {}
void BrowserImpl::ImeSetComposition(const CefString&,
                                    const std::vector<CefCompositionUnderline>&,
                                    const CefRange&,
                                    const CefRange&) {}
void BrowserImpl::ImeCommitText(const CefString&, const CefRange&, int) {}
void BrowserImpl::ImeFinishComposingText(bool) {}
void BrowserImpl::ImeCancelComposition() {}
CefRefPtr<CefNavigationEntry> BrowserImpl::GetVisibleNavigationEntry() {
  return nullptr;
}
void BrowserImpl::SetAccessibilityState(cef_state_t) {}
void BrowserImpl::SetAutoResizeEnabled(bool, const CefSize&, const CefSize&) {}
CefRefPtr<CefExtension> BrowserImpl::GetExtension() {
  return nullptr;
}
bool BrowserImpl::IsBackgroundHost() {
  return false;
}
void BrowserImpl::SetAudioMuted(bool) {}
bool BrowserImpl::IsAudioMuted() {
  return false;
}

}  // namespace cefsim
