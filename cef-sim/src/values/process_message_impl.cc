#include "src/values/process_message_impl.h"

namespace cefsim {

ProcessMessageImpl::ProcessMessageImpl(const CefString& name, CefRefPtr<ListValueImpl> arguments)
    : name_(name), arguments_(arguments) {}

void ProcessMessageImpl::Freeze() {
  arguments_->Freeze();
}

bool ProcessMessageImpl::IsValid() {
  return true;
}

bool ProcessMessageImpl::IsReadOnly() {
  return arguments_->IsReadOnly();
}

CefRefPtr<CefProcessMessage> ProcessMessageImpl::Copy() {
  CefRefPtr<CefListValue> copy = arguments_->Copy();
  return new ProcessMessageImpl(name_, static_cast<ListValueImpl*>(copy.get()));
}

CefString ProcessMessageImpl::GetName() {
  return name_;
}

CefRefPtr<CefListValue> ProcessMessageImpl::GetArgumentList() {
  return arguments_;
}

}  // namespace cefsim

CefRefPtr<CefProcessMessage> CefProcessMessage::Create(const CefString& name) {
  if (name.empty())
    return nullptr;
  return new cefsim::ProcessMessageImpl(name);
}
