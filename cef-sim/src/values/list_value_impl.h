#ifndef CEFSIM_SRC_VALUES_LIST_VALUE_IMPL_H_
#define CEFSIM_SRC_VALUES_LIST_VALUE_IMPL_H_

#include <mutex>
#include <vector>

#include "include/cef_values.h"

namespace cefsim {

// A list of the simple value kinds (null, bool, int, double, string) and of nested
// lists. Binary values and dictionaries are kept as the objects given. Once frozen
// (a sent message's arguments) every change is refused.
class ListValueImpl : public CefListValue {
 public:
  ListValueImpl() = default;

  void Freeze();

  // CefListValue methods:
  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(CefRefPtr<CefListValue> that) override;
  bool IsEqual(CefRefPtr<CefListValue> that) override;
  CefRefPtr<CefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Clear() override;
  bool Remove(size_t index) override;
  CefValueType GetType(size_t index) override;
  CefRefPtr<CefValue> GetValue(size_t index) override;
  bool GetBool(size_t index) override;
  int GetInt(size_t index) override;
  double GetDouble(size_t index) override;
  CefString GetString(size_t index) override;
  CefRefPtr<CefBinaryValue> GetBinary(size_t index) override;
  CefRefPtr<CefDictionaryValue> GetDictionary(size_t index) override;
  CefRefPtr<CefListValue> GetList(size_t index) override;
  bool SetValue(size_t index, CefRefPtr<CefValue> value) override;
  bool SetNull(size_t index) override;
  bool SetBool(size_t index, bool value) override;
  bool SetInt(size_t index, int value) override;
  bool SetDouble(size_t index, double value) override;
  bool SetString(size_t index, const CefString& value) override;
  bool SetBinary(size_t index, CefRefPtr<CefBinaryValue> value) override;
  bool SetDictionary(size_t index, CefRefPtr<CefDictionaryValue> value) override;
  bool SetList(size_t index, CefRefPtr<CefListValue> value) override;

 private:
  struct Entry {
    CefValueType type = VTYPE_NULL;
    bool b = false;
    int i = 0;
    double d = 0;
    CefString s;
    CefRefPtr<CefBinaryValue> binary;
    CefRefPtr<CefDictionaryValue> dictionary;
    CefRefPtr<CefListValue> list;
  };

  // Stores entry at index, growing the list with nulls; false when frozen.
  bool Put(size_t index, Entry entry);
  bool Get(size_t index, Entry* entry);

  std::mutex mutex_;
  bool frozen_ = false;
  std::vector<Entry> entries_;

  IMPLEMENT_REFCOUNTING(ListValueImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_VALUES_LIST_VALUE_IMPL_H_
