#ifndef CEFSIM_SRC_VALUES_PROCESS_MESSAGE_IMPL_H_
#define CEFSIM_SRC_VALUES_PROCESS_MESSAGE_IMPL_H_

#include "include/cef_process_message.h"
#include "src/values/list_value_impl.h"

namespace cefsim {

// A named message with its argument list; writable until the engine sends it.
class ProcessMessageImpl : public CefProcessMessage {
 public:
  explicit ProcessMessageImpl(const CefString& name,
                              CefRefPtr<ListValueImpl> arguments = new ListValueImpl());

  // Called when the message is sent: the receiver gets it read-only.
  void Freeze();

  // CefProcessMessage methods:
  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<CefProcessMessage> Copy() override;
  CefString GetName() override;
  CefRefPtr<CefListValue> GetArgumentList() override;

 private:
  const CefString name_;
  CefRefPtr<ListValueImpl> arguments_;

  IMPLEMENT_REFCOUNTING(ProcessMessageImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_VALUES_PROCESS_MESSAGE_IMPL_H_
