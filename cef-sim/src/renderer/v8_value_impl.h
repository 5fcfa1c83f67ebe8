#ifndef CEFSIM_SRC_RENDERER_V8_VALUE_IMPL_H_
#define CEFSIM_SRC_RENDERER_V8_VALUE_IMPL_H_

#include <utility>
#include <vector>

#include "include/cef_v8.h"

namespace cefsim {

// A JavaScript value of the emulated script engine: the primitive kinds, plain objects
// with an ordered property map, arrays, and functions backed by a V8 handler. There is
// no interpreter; the page's code is played by the driver. Renderer thread only.
class V8ValueImpl : public CefV8Value {
 public:
  enum class Kind { kUndefined, kNull, kBool, kInt, kUInt, kDouble, kString, kObject, kArray,
                    kFunction };

  explicit V8ValueImpl(Kind kind) : kind_(kind) {}

  static CefRefPtr<V8ValueImpl> Make(Kind kind);
  Kind kind() const { return kind_; }

  // Calls a function value as the page would: true with *retval set, or false with
  // the thrown text in *exception. this_object null means the current window.
  bool Call(CefRefPtr<CefV8Value> this_object,
            const CefV8ValueList& arguments,
            CefRefPtr<CefV8Value>* retval,
            CefString* exception);

  // CefV8Value methods:
  bool IsValid() override { return true; }
  bool IsUndefined() override { return kind_ == Kind::kUndefined; }
  bool IsNull() override { return kind_ == Kind::kNull; }
  bool IsBool() override { return kind_ == Kind::kBool; }
  bool IsInt() override;
  bool IsUInt() override;
  bool IsDouble() override;
  bool IsDate() override { return false; }
  bool IsString() override { return kind_ == Kind::kString; }
  bool IsObject() override;
  bool IsArray() override { return kind_ == Kind::kArray; }
  bool IsArrayBuffer() override { return false; }
  bool IsFunction() override { return kind_ == Kind::kFunction; }
  bool IsSame(CefRefPtr<CefV8Value> that) override;
  bool GetBoolValue() override;
  int32 GetIntValue() override;
  uint32 GetUIntValue() override;
  double GetDoubleValue() override;
  CefTime GetDateValue() override { return CefTime(); }
  CefString GetStringValue() override;
  bool IsUserCreated() override { return true; }
  bool HasException() override { return has_exception_; }
  CefRefPtr<CefV8Exception> GetException() override;
  bool ClearException() override;
  bool WillRethrowExceptions() override { return rethrow_; }
  bool SetRethrowExceptions(bool rethrow) override;
  bool HasValue(const CefString& key) override;
  bool HasValue(int index) override;
  bool DeleteValue(const CefString& key) override;
  bool DeleteValue(int index) override;
  CefRefPtr<CefV8Value> GetValue(const CefString& key) override;
  CefRefPtr<CefV8Value> GetValue(int index) override;
  bool SetValue(const CefString& key,
                CefRefPtr<CefV8Value> value,
                PropertyAttribute attribute) override;
  bool SetValue(int index, CefRefPtr<CefV8Value> value) override;
  bool SetValue(const CefString& key, AccessControl settings, PropertyAttribute attribute) override;
  bool GetKeys(std::vector<CefString>& keys) override;
  bool SetUserData(CefRefPtr<CefBaseRefCounted> user_data) override;
  CefRefPtr<CefBaseRefCounted> GetUserData() override { return user_data_; }
  int GetExternallyAllocatedMemory() override { return 0; }
  int AdjustExternallyAllocatedMemory(int) override { return 0; }
  int GetArrayLength() override;
  CefString GetFunctionName() override;
  CefRefPtr<CefV8Handler> GetFunctionHandler() override { return handler_; }
  CefRefPtr<CefV8Value> ExecuteFunction(CefRefPtr<CefV8Value> object,
                                        const CefV8ValueList& arguments) override;
  CefRefPtr<CefV8Value> ExecuteFunctionWithContext(CefRefPtr<CefV8Context> context,
                                                   CefRefPtr<CefV8Value> object,
                                                   const CefV8ValueList& arguments) override;

  // Construction (the Create functions).
  bool bool_value = false;
  double number = 0;
  CefString string;
  CefString function_name;

  void set_handler(CefRefPtr<CefV8Handler> handler) { handler_ = handler; }

 private:
  struct Property {
    CefString key;
    CefRefPtr<CefV8Value> value;
    PropertyAttribute attribute;
  };
  Property* Find(const CefString& key);
  bool is_container() const;

  const Kind kind_;
  std::vector<Property> properties_;
  std::vector<CefRefPtr<CefV8Value>> elements_;
  CefRefPtr<CefV8Handler> handler_;
  CefRefPtr<CefBaseRefCounted> user_data_;
  bool has_exception_ = false;
  CefString exception_text_;
  bool rethrow_ = false;

  IMPLEMENT_REFCOUNTING(V8ValueImpl);
};

// A thrown exception's text (the rest of its record is unknown to the emulation).
class V8ExceptionImpl : public CefV8Exception {
 public:
  explicit V8ExceptionImpl(const CefString& message) : message_(message) {}

  CefString GetMessage() override { return message_; }
  CefString GetSourceLine() override { return CefString(); }
  CefString GetScriptResourceName() override { return CefString(); }
  int GetLineNumber() override { return 0; }
  int GetStartPosition() override { return 0; }
  int GetEndPosition() override { return 0; }
  int GetStartColumn() override { return 0; }
  int GetEndColumn() override { return 0; }

 private:
  const CefString message_;

  IMPLEMENT_REFCOUNTING(V8ExceptionImpl);
};

}  // namespace cefsim

#endif  // CEFSIM_SRC_RENDERER_V8_VALUE_IMPL_H_
