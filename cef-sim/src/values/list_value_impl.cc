#include "src/values/list_value_impl.h"

#include <utility>

namespace cefsim {

void ListValueImpl::Freeze() {
  std::vector<CefRefPtr<CefListValue>> nested;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    frozen_ = true;
    for (const Entry& e : entries_) {
      if (e.list)
        nested.push_back(e.list);
    }
  }
  for (const CefRefPtr<CefListValue>& list : nested) {
    if (auto* impl = dynamic_cast<ListValueImpl*>(list.get()))
      impl->Freeze();
  }
}

bool ListValueImpl::IsValid() {
  return true;
}

bool ListValueImpl::IsOwned() {
  return false;
}

bool ListValueImpl::IsReadOnly() {
  std::lock_guard<std::mutex> lock(mutex_);
  return frozen_;
}

bool ListValueImpl::IsSame(CefRefPtr<CefListValue> that) {
  return that.get() == this;
}

bool ListValueImpl::IsEqual(CefRefPtr<CefListValue> that) {
  if (!that)
    return false;
  if (that.get() == this)
    return true;
  size_t size = GetSize();
  if (that->GetSize() != size)
    return false;
  for (size_t i = 0; i < size; ++i) {
    Entry mine;
    Get(i, &mine);
    if (that->GetType(i) != mine.type)
      return false;
    switch (mine.type) {
      case VTYPE_BOOL:
        if (that->GetBool(i) != mine.b)
          return false;
        break;
      case VTYPE_INT:
        if (that->GetInt(i) != mine.i)
          return false;
        break;
      case VTYPE_DOUBLE:
        if (that->GetDouble(i) != mine.d)
          return false;
        break;
      case VTYPE_STRING:
        if (that->GetString(i) != mine.s)
          return false;
        break;
      case VTYPE_LIST:
        if (!mine.list->IsEqual(that->GetList(i)))
          return false;
        break;
      case VTYPE_BINARY:
        if (that->GetBinary(i) != mine.binary)
          return false;
        break;
      case VTYPE_DICTIONARY:
        if (that->GetDictionary(i) != mine.dictionary)
          return false;
        break;
      default:
        break;
    }
  }
  return true;
}

CefRefPtr<CefListValue> ListValueImpl::Copy() {
  CefRefPtr<ListValueImpl> copy = new ListValueImpl();
  std::lock_guard<std::mutex> lock(mutex_);
  copy->entries_ = entries_;
  for (Entry& e : copy->entries_) {
    if (e.list)
      e.list = e.list->Copy();
  }
  return copy;
}

bool ListValueImpl::SetSize(size_t size) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (frozen_)
    return false;
  entries_.resize(size);
  return true;
}

size_t ListValueImpl::GetSize() {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_.size();
}

bool ListValueImpl::Clear() {
  return SetSize(0);
}

bool ListValueImpl::Remove(size_t index) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (frozen_ || index >= entries_.size())
    return false;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

bool ListValueImpl::Put(size_t index, Entry entry) {
  Entry replaced;
  std::lock_guard<std::mutex> lock(mutex_);
  if (frozen_)
    return false;
  if (index >= entries_.size())
    entries_.resize(index + 1);
  replaced = std::move(entries_[index]);
  entries_[index] = std::move(entry);
  return true;
}

bool ListValueImpl::Get(size_t index, Entry* entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (index >= entries_.size())
    return false;
  *entry = entries_[index];
  return true;
}

CefValueType ListValueImpl::GetType(size_t index) {
  Entry e;
  return Get(index, &e) ? e.type : VTYPE_INVALID;
}

CefRefPtr<CefValue> ListValueImpl::GetValue(size_t) {
  // Generic values are not modelled; callers read entries by their type.
  return nullptr;
}

bool ListValueImpl::GetBool(size_t index) {
  Entry e;
  return Get(index, &e) && e.type == VTYPE_BOOL && e.b;
}

int ListValueImpl::GetInt(size_t index) {
  Entry e;
  return Get(index, &e) && e.type == VTYPE_INT ? e.i : 0;
}

double ListValueImpl::GetDouble(size_t index) {
  Entry e;
  if (!Get(index, &e))
    return 0;
  if (e.type == VTYPE_INT)
    return e.i;
  return e.type == VTYPE_DOUBLE ? e.d : 0;
}

CefString ListValueImpl::GetString(size_t index) {
  Entry e;
  return Get(index, &e) && e.type == VTYPE_STRING ? e.s : CefString();
}

CefRefPtr<CefBinaryValue> ListValueImpl::GetBinary(size_t index) {
  Entry e;
  return Get(index, &e) ? e.binary : nullptr;
}

CefRefPtr<CefDictionaryValue> ListValueImpl::GetDictionary(size_t index) {
  Entry e;
  return Get(index, &e) ? e.dictionary : nullptr;
}

CefRefPtr<CefListValue> ListValueImpl::GetList(size_t index) {
  Entry e;
  return Get(index, &e) ? e.list : nullptr;
}

bool ListValueImpl::SetValue(size_t, CefRefPtr<CefValue>) {
  return false;
}

bool ListValueImpl::SetNull(size_t index) {
  return Put(index, Entry());
}

bool ListValueImpl::SetBool(size_t index, bool value) {
  Entry e;
  e.type = VTYPE_BOOL;
  e.b = value;
  return Put(index, std::move(e));
}

bool ListValueImpl::SetInt(size_t index, int value) {
  Entry e;
  e.type = VTYPE_INT;
  e.i = value;
  return Put(index, std::move(e));
}

bool ListValueImpl::SetDouble(size_t index, double value) {
  Entry e;
  e.type = VTYPE_DOUBLE;
  e.d = value;
  return Put(index, std::move(e));
}

bool ListValueImpl::SetString(size_t index, const CefString& value) {
  Entry e;
  e.type = VTYPE_STRING;
  e.s = value;
  return Put(index, std::move(e));
}

bool ListValueImpl::SetBinary(size_t index, CefRefPtr<CefBinaryValue> value) {
  if (!value)
    return false;
  Entry e;
  e.type = VTYPE_BINARY;
  e.binary = value;
  return Put(index, std::move(e));
}

bool ListValueImpl::SetDictionary(size_t index, CefRefPtr<CefDictionaryValue> value) {
  if (!value)
    return false;
  Entry e;
  e.type = VTYPE_DICTIONARY;
  e.dictionary = value;
  return Put(index, std::move(e));
}

bool ListValueImpl::SetList(size_t index, CefRefPtr<CefListValue> value) {
  // A list cannot hold itself; the engine would copy it, the stand-in refuses.
  if (!value || value.get() == this)
    return false;
  Entry e;
  e.type = VTYPE_LIST;
  e.list = value;
  return Put(index, std::move(e));
}

}  // namespace cefsim

CefRefPtr<CefListValue> CefListValue::Create() {
  return new cefsim::ListValueImpl();
}
