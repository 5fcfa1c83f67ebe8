#ifndef CEF_INCLUDE_CEF_VALUES_H_
#define CEF_INCLUDE_CEF_VALUES_H_

#include <vector>

#include "include/cef_base.h"

class CefBinaryValue;
class CefDictionaryValue;
class CefListValue;

typedef cef_value_type_t CefValueType;

// A value of any kind. The project reads list entries by type instead.
class CefValue : public virtual CefBaseRefCounted {};

// A block of bytes. Not used by the project.
class CefBinaryValue : public virtual CefBaseRefCounted {};

// A map of named values. The project passes none.
class CefDictionaryValue : public virtual CefBaseRefCounted {};

// An ordered list of values; a new message's list is writable until it is sent.
class CefListValue : public virtual CefBaseRefCounted {
 public:
  static CefRefPtr<CefListValue> Create();

  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(CefRefPtr<CefListValue> that) = 0;
  virtual bool IsEqual(CefRefPtr<CefListValue> that) = 0;
  virtual CefRefPtr<CefListValue> Copy() = 0;
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(size_t index) = 0;
  virtual CefValueType GetType(size_t index) = 0;
  virtual CefRefPtr<CefValue> GetValue(size_t index) = 0;
  virtual bool GetBool(size_t index) = 0;
  virtual int GetInt(size_t index) = 0;
  virtual double GetDouble(size_t index) = 0;
  virtual CefString GetString(size_t index) = 0;
  virtual CefRefPtr<CefBinaryValue> GetBinary(size_t index) = 0;
  virtual CefRefPtr<CefDictionaryValue> GetDictionary(size_t index) = 0;
  virtual CefRefPtr<CefListValue> GetList(size_t index) = 0;
  virtual bool SetValue(size_t index, CefRefPtr<CefValue> value) = 0;
  virtual bool SetNull(size_t index) = 0;
  virtual bool SetBool(size_t index, bool value) = 0;
  virtual bool SetInt(size_t index, int value) = 0;
  virtual bool SetDouble(size_t index, double value) = 0;
  virtual bool SetString(size_t index, const CefString& value) = 0;
  virtual bool SetBinary(size_t index, CefRefPtr<CefBinaryValue> value) = 0;
  virtual bool SetDictionary(size_t index, CefRefPtr<CefDictionaryValue> value) = 0;
  virtual bool SetList(size_t index, CefRefPtr<CefListValue> value) = 0;
};

#endif  // CEF_INCLUDE_CEF_VALUES_H_
