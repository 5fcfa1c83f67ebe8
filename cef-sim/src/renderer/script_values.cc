#include "src/renderer/script_values.h"

#include <utility>
#include <vector>

namespace cefsim {
namespace {

FunctionCallSink& Sink() {
  static FunctionCallSink sink;
  return sink;
}

driver::JsValue Read(CefRefPtr<CefV8Value> value, int depth);

// Stands for a function of the page's own (a callback it hands to an API): it does
// nothing and returns undefined.
class PageFunction : public CefV8Handler {
 public:
  bool Execute(const CefString&,
               CefRefPtr<CefV8Value>,
               const CefV8ValueList&,
               CefRefPtr<CefV8Value>& retval,
               CefString&) override {
    retval = CefV8Value::CreateUndefined();
    return true;
  }

 private:
  IMPLEMENT_REFCOUNTING(PageFunction);
};

// A page function the driver named: each call is reported with its arguments.
class RecordingFunction : public CefV8Handler {
 public:
  explicit RecordingFunction(const CefString& name) : name_(name) {}

  bool Execute(const CefString&,
               CefRefPtr<CefV8Value>,
               const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval,
               CefString&) override {
    std::vector<driver::JsValue> values;
    for (const CefRefPtr<CefV8Value>& argument : arguments)
      values.push_back(Read(argument, 0));
    if (Sink())
      Sink()(name_, values);
    retval = CefV8Value::CreateUndefined();
    return true;
  }

 private:
  const CefString name_;

  IMPLEMENT_REFCOUNTING(RecordingFunction);
};

// Returned objects are read this deep; deeper members come back undefined.
const int kMaxDepth = 8;

driver::JsValue Read(CefRefPtr<CefV8Value> value, int depth) {
  using driver::JsValue;
  if (!value || value->IsUndefined())
    return JsValue::Undefined();
  if (value->IsNull())
    return JsValue::Null();
  if (value->IsBool())
    return JsValue::Bool(value->GetBoolValue());
  if (value->IsInt())
    return JsValue::Int(value->GetIntValue());
  if (value->IsDouble())
    return JsValue::Double(value->GetDoubleValue());
  if (value->IsString())
    return JsValue::String(value->GetStringValue());
  if (value->IsFunction())
    return JsValue::Function();
  std::vector<std::pair<CefString, JsValue>> members;
  std::vector<CefString> keys;
  if (depth < kMaxDepth && value->GetKeys(keys)) {
    for (const CefString& key : keys)
      members.emplace_back(key, Read(value->GetValue(key), depth + 1));
  }
  return JsValue::Object(members);
}

}  // namespace

CefRefPtr<CefV8Value> ToV8(const driver::JsValue& value) {
  using driver::JsValue;
  switch (value.type) {
    case JsValue::kNull:
      return CefV8Value::CreateNull();
    case JsValue::kBool:
      return CefV8Value::CreateBool(value.boolean);
    case JsValue::kInt:
      return CefV8Value::CreateInt(value.integer);
    case JsValue::kDouble:
      return CefV8Value::CreateDouble(value.number);
    case JsValue::kString:
      return CefV8Value::CreateString(value.string);
    case JsValue::kFunction:
      if (!value.string.empty())
        return CefV8Value::CreateFunction(value.string, new RecordingFunction(value.string));
      return CefV8Value::CreateFunction(CefString(), new PageFunction());
    case JsValue::kObject:
    case JsValue::kList: {
      CefRefPtr<CefV8Value> object = CefV8Value::CreateObject(nullptr, nullptr);
      for (const auto& member : value.members)
        object->SetValue(member.first, ToV8(member.second), V8_PROPERTY_ATTRIBUTE_NONE);
      return object;
    }
    default:
      return CefV8Value::CreateUndefined();
  }
}

driver::JsValue FromV8(CefRefPtr<CefV8Value> value) {
  return Read(value, 0);
}

void SetFunctionCallSink(FunctionCallSink sink) {
  Sink() = std::move(sink);
}

}  // namespace cefsim
