// JavaScript values of the emulated engine. Numbers are kept as doubles, as JavaScript
// keeps them; IsInt and IsUInt tell whether one fits the integer type, as V8 does.

#include "src/renderer/v8_value_impl.h"

#include <cmath>
#include <cstdint>

namespace cefsim {
namespace {

const char kNotAFunction[] = "TypeError: value is not a function";

bool IsNumberKind(V8ValueImpl::Kind kind) {
  return kind == V8ValueImpl::Kind::kInt || kind == V8ValueImpl::Kind::kUInt ||
         kind == V8ValueImpl::Kind::kDouble;
}

// Values are made only where script may run, as in the engine.
bool MayCreate() {
  return CefV8Context::InContext();
}

CefRefPtr<V8ValueImpl> Number(V8ValueImpl::Kind kind, double value) {
  if (!MayCreate())
    return nullptr;
  CefRefPtr<V8ValueImpl> made = new V8ValueImpl(kind);
  made->number = value;
  return made;
}

}  // namespace

CefRefPtr<V8ValueImpl> V8ValueImpl::Make(Kind kind) {
  return new V8ValueImpl(kind);
}

bool V8ValueImpl::IsInt() {
  return IsNumberKind(kind_) && std::floor(number) == number && number >= INT32_MIN &&
         number <= INT32_MAX;
}

bool V8ValueImpl::IsUInt() {
  return IsNumberKind(kind_) && std::floor(number) == number && number >= 0 &&
         number <= UINT32_MAX;
}

bool V8ValueImpl::IsDouble() {
  return IsNumberKind(kind_);
}

bool V8ValueImpl::IsObject() {
  return kind_ == Kind::kObject || kind_ == Kind::kArray || kind_ == Kind::kFunction;
}

bool V8ValueImpl::is_container() const {
  return kind_ == Kind::kObject || kind_ == Kind::kArray || kind_ == Kind::kFunction;
}

bool V8ValueImpl::IsSame(CefRefPtr<CefV8Value> that) {
  if (!that)
    return false;
  if (that.get() == this)
    return true;
  // Primitives are values, not identities.
  V8ValueImpl* other = static_cast<V8ValueImpl*>(that.get());
  if (is_container() || other->is_container())
    return false;
  if (IsNumberKind(kind_) && IsNumberKind(other->kind_))
    return number == other->number;
  if (kind_ != other->kind_)
    return false;
  return bool_value == other->bool_value && string == other->string;
}

bool V8ValueImpl::GetBoolValue() {
  return kind_ == Kind::kBool ? bool_value : false;
}

int32 V8ValueImpl::GetIntValue() {
  return IsNumberKind(kind_) && std::isfinite(number) ? static_cast<int32>(number) : 0;
}

uint32 V8ValueImpl::GetUIntValue() {
  return IsUInt() ? static_cast<uint32>(number) : 0;
}

double V8ValueImpl::GetDoubleValue() {
  return IsNumberKind(kind_) ? number : 0;
}

CefString V8ValueImpl::GetStringValue() {
  return kind_ == Kind::kString ? string : CefString();
}

CefRefPtr<CefV8Exception> V8ValueImpl::GetException() {
  if (!has_exception_)
    return nullptr;
  return new V8ExceptionImpl(exception_text_);
}

bool V8ValueImpl::ClearException() {
  has_exception_ = false;
  exception_text_.clear();
  return true;
}

bool V8ValueImpl::SetRethrowExceptions(bool rethrow) {
  rethrow_ = rethrow;
  return true;
}

V8ValueImpl::Property* V8ValueImpl::Find(const CefString& key) {
  for (Property& property : properties_) {
    if (property.key == key)
      return &property;
  }
  return nullptr;
}

bool V8ValueImpl::HasValue(const CefString& key) {
  return is_container() && Find(key) != nullptr;
}

bool V8ValueImpl::HasValue(int index) {
  return kind_ == Kind::kArray && index >= 0 && index < static_cast<int>(elements_.size()) &&
         elements_[index];
}

bool V8ValueImpl::DeleteValue(const CefString& key) {
  if (!is_container())
    return false;
  for (auto it = properties_.begin(); it != properties_.end(); ++it) {
    if (it->key == key) {
      if (it->attribute & V8_PROPERTY_ATTRIBUTE_DONTDELETE)
        return false;
      properties_.erase(it);
      return true;
    }
  }
  return true;
}

bool V8ValueImpl::DeleteValue(int index) {
  if (kind_ != Kind::kArray || index < 0)
    return false;
  if (index < static_cast<int>(elements_.size()))
    elements_[index] = nullptr;
  return true;
}

CefRefPtr<CefV8Value> V8ValueImpl::GetValue(const CefString& key) {
  if (!is_container())
    return nullptr;
  Property* property = Find(key);
  if (property)
    return property->value;
  // A missing property reads as undefined, as in script.
  return Make(Kind::kUndefined);
}

CefRefPtr<CefV8Value> V8ValueImpl::GetValue(int index) {
  if (kind_ != Kind::kArray || index < 0)
    return nullptr;
  if (index < static_cast<int>(elements_.size()) && elements_[index])
    return elements_[index];
  return Make(Kind::kUndefined);
}

bool V8ValueImpl::SetValue(const CefString& key,
                           CefRefPtr<CefV8Value> value,
                           PropertyAttribute attribute) {
  if (!is_container() || !value)
    return false;
  Property* property = Find(key);
  if (!property) {
    properties_.push_back(Property{key, value, attribute});
    return true;
  }
  // A read-only property keeps its value; the call still reports success.
  if (!(property->attribute & V8_PROPERTY_ATTRIBUTE_READONLY))
    property->value = value;
  return true;
}

bool V8ValueImpl::SetValue(int index, CefRefPtr<CefV8Value> value) {
  if (kind_ != Kind::kArray || index < 0 || !value)
    return false;
  if (index >= static_cast<int>(elements_.size()))
    elements_.resize(static_cast<size_t>(index) + 1);
  elements_[index] = value;
  return true;
}

bool V8ValueImpl::SetValue(const CefString&, AccessControl, PropertyAttribute) {
  // Accessors are not emulated.
  return false;
}

bool V8ValueImpl::GetKeys(std::vector<CefString>& keys) {
  if (!is_container())
    return false;
  for (size_t i = 0; i < elements_.size(); ++i) {
    if (elements_[i])
      keys.push_back(CefString(std::to_string(i)));
  }
  for (const Property& property : properties_) {
    if (!(property.attribute & V8_PROPERTY_ATTRIBUTE_DONTENUM))
      keys.push_back(property.key);
  }
  return true;
}

bool V8ValueImpl::SetUserData(CefRefPtr<CefBaseRefCounted> user_data) {
  if (!is_container())
    return false;
  user_data_ = user_data;
  return true;
}

int V8ValueImpl::GetArrayLength() {
  return kind_ == Kind::kArray ? static_cast<int>(elements_.size()) : 0;
}

CefString V8ValueImpl::GetFunctionName() {
  return kind_ == Kind::kFunction ? function_name : CefString();
}

bool V8ValueImpl::Call(CefRefPtr<CefV8Value> this_object,
                       const CefV8ValueList& arguments,
                       CefRefPtr<CefV8Value>* retval,
                       CefString* exception) {
  *retval = nullptr;
  if (kind_ != Kind::kFunction || !handler_) {
    *exception = kNotAFunction;
    return false;
  }
  if (!this_object) {
    CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
    this_object = context ? context->GetGlobal() : nullptr;
  }
  CefRefPtr<CefV8Value> returned;
  CefString thrown;
  // A handler that does not handle the call leaves the function returning undefined.
  handler_->Execute(function_name, this_object, arguments, returned, thrown);
  if (!thrown.empty()) {
    *exception = thrown;
    return false;
  }
  *retval = returned ? returned : CefRefPtr<CefV8Value>(Make(Kind::kUndefined));
  return true;
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunction(CefRefPtr<CefV8Value> object,
                                                   const CefV8ValueList& arguments) {
  if (kind_ != Kind::kFunction || !CefV8Context::InContext())
    return nullptr;
  CefRefPtr<CefV8Value> retval;
  CefString exception;
  ClearException();
  if (!Call(object, arguments, &retval, &exception)) {
    has_exception_ = true;
    exception_text_ = exception;
    return nullptr;
  }
  return retval;
}

CefRefPtr<CefV8Value> V8ValueImpl::ExecuteFunctionWithContext(CefRefPtr<CefV8Context> context,
                                                              CefRefPtr<CefV8Value> object,
                                                              const CefV8ValueList& arguments) {
  if (!context || !context->IsValid() || !context->Enter())
    return nullptr;
  CefRefPtr<CefV8Value> retval = ExecuteFunction(object, arguments);
  context->Exit();
  return retval;
}

}  // namespace cefsim

// The Create functions.

CefRefPtr<CefV8Value> CefV8Value::CreateUndefined() {
  return cefsim::MayCreate() ? cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kUndefined)
                             : nullptr;
}

CefRefPtr<CefV8Value> CefV8Value::CreateNull() {
  return cefsim::MayCreate() ? cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kNull)
                             : nullptr;
}

CefRefPtr<CefV8Value> CefV8Value::CreateBool(bool value) {
  if (!cefsim::MayCreate())
    return nullptr;
  CefRefPtr<cefsim::V8ValueImpl> made =
      cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kBool);
  made->bool_value = value;
  return made.get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateInt(int32 value) {
  return cefsim::Number(cefsim::V8ValueImpl::Kind::kInt, value).get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateUInt(uint32 value) {
  return cefsim::Number(cefsim::V8ValueImpl::Kind::kUInt, value).get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateDouble(double value) {
  return cefsim::Number(cefsim::V8ValueImpl::Kind::kDouble, value).get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  if (!cefsim::MayCreate())
    return nullptr;
  CefRefPtr<cefsim::V8ValueImpl> made =
      cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kString);
  made->string = value;
  return made.get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateObject(CefRefPtr<CefV8Accessor> accessor,
                                               CefRefPtr<CefV8Interceptor> interceptor) {
  // Accessors and interceptors are not emulated; nothing in the project uses them.
  if (!cefsim::MayCreate() || accessor || interceptor)
    return nullptr;
  return cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kObject).get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateArray(int length) {
  if (!cefsim::MayCreate())
    return nullptr;
  CefRefPtr<cefsim::V8ValueImpl> made =
      cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kArray);
  for (int i = 0; i < length; ++i)
    made->SetValue(i, cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kUndefined).get());
  return made.get();
}

CefRefPtr<CefV8Value> CefV8Value::CreateFunction(const CefString& name,
                                                 CefRefPtr<CefV8Handler> handler) {
  if (!cefsim::MayCreate() || !handler)
    return nullptr;
  CefRefPtr<cefsim::V8ValueImpl> made =
      cefsim::V8ValueImpl::Make(cefsim::V8ValueImpl::Kind::kFunction);
  made->function_name = name;
  made->set_handler(handler);
  return made.get();
}
