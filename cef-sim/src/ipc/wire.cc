// The channel's encoding: fixed-size numbers in the host's byte order (both ends are
// the same machine and build), strings as UTF-8 with a length.

#include "src/ipc/wire.h"

#include <cstring>

namespace cefsim {
namespace {

enum ListTag : uint8_t { kTagNull, kTagBool, kTagInt, kTagDouble, kTagString, kTagList };

// Nested lists deeper than this are refused rather than followed.
const int kMaxDepth = 16;
// A string longer than a frame cannot be in it.
const uint32_t kMaxString = 64u << 20;

}  // namespace

WireWriter::WireWriter(WireKind kind) {
  U8(static_cast<uint8_t>(kind));
}

WireWriter& WireWriter::U8(uint8_t value) {
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

WireWriter& WireWriter::I32(int32_t value) {
  bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  return *this;
}

WireWriter& WireWriter::I64(int64_t value) {
  bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  return *this;
}

WireWriter& WireWriter::F64(double value) {
  bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
  return *this;
}

WireWriter& WireWriter::Str(const CefString& value) {
  std::string utf8 = value.ToString();
  I32(static_cast<int32_t>(utf8.size()));
  bytes_.append(utf8);
  return *this;
}

WireWriter& WireWriter::List(CefRefPtr<CefListValue> list) {
  size_t size = list ? list->GetSize() : 0;
  I32(static_cast<int32_t>(size));
  for (size_t i = 0; i < size; ++i) {
    switch (list->GetType(i)) {
      case VTYPE_BOOL:
        U8(kTagBool).Bool(list->GetBool(i));
        break;
      case VTYPE_INT:
        U8(kTagInt).I32(list->GetInt(i));
        break;
      case VTYPE_DOUBLE:
        U8(kTagDouble).F64(list->GetDouble(i));
        break;
      case VTYPE_STRING:
        U8(kTagString).Str(list->GetString(i));
        break;
      case VTYPE_LIST:
        U8(kTagList).List(list->GetList(i));
        break;
      default:
        U8(kTagNull);
        break;
    }
  }
  return *this;
}

WireWriter& WireWriter::Js(const driver::JsValue& value) {
  U8(static_cast<uint8_t>(value.type));
  switch (value.type) {
    case driver::JsValue::kBool:
      Bool(value.boolean);
      break;
    case driver::JsValue::kInt:
      I32(value.integer);
      break;
    case driver::JsValue::kDouble:
      F64(value.number);
      break;
    case driver::JsValue::kString:
    case driver::JsValue::kFunction:
      Str(value.string);
      break;
    case driver::JsValue::kObject:
    case driver::JsValue::kList:
      I32(static_cast<int32_t>(value.members.size()));
      for (const auto& member : value.members) {
        Str(member.first);
        Js(member.second);
      }
      break;
    default:
      break;
  }
  return *this;
}

WireWriter& WireWriter::JsList(const std::vector<driver::JsValue>& values) {
  I32(static_cast<int32_t>(values.size()));
  for (const driver::JsValue& value : values)
    Js(value);
  return *this;
}

WireReader::WireReader(const std::string& bytes) : bytes_(bytes) {
  kind_ = static_cast<WireKind>(U8());
}

bool WireReader::Take(void* out, size_t size) {
  if (failed_ || bytes_.size() - offset_ < size) {
    failed_ = true;
    std::memset(out, 0, size);
    return false;
  }
  std::memcpy(out, bytes_.data() + offset_, size);
  offset_ += size;
  return true;
}

uint8_t WireReader::U8() {
  uint8_t value;
  Take(&value, sizeof value);
  return value;
}

int32_t WireReader::I32() {
  int32_t value;
  Take(&value, sizeof value);
  return value;
}

int64_t WireReader::I64() {
  int64_t value;
  Take(&value, sizeof value);
  return value;
}

double WireReader::F64() {
  double value;
  Take(&value, sizeof value);
  return value;
}

CefString WireReader::Str() {
  uint32_t size = static_cast<uint32_t>(I32());
  if (failed_ || size > kMaxString || bytes_.size() - offset_ < size) {
    failed_ = true;
    return CefString();
  }
  std::string utf8 = bytes_.substr(offset_, size);
  offset_ += size;
  return CefString(utf8);
}

void WireReader::List(CefRefPtr<CefListValue> list) {
  int32_t size = I32();
  if (failed_ || size < 0 || ++depth_ > kMaxDepth) {
    failed_ = true;
    return;
  }
  for (int32_t i = 0; i < size && !failed_; ++i) {
    size_t index = static_cast<size_t>(i);
    switch (U8()) {
      case kTagBool:
        list->SetBool(index, Bool());
        break;
      case kTagInt:
        list->SetInt(index, I32());
        break;
      case kTagDouble:
        list->SetDouble(index, F64());
        break;
      case kTagString:
        list->SetString(index, Str());
        break;
      case kTagList: {
        CefRefPtr<CefListValue> nested = CefListValue::Create();
        List(nested);
        list->SetList(index, nested);
        break;
      }
      default:
        list->SetNull(index);
        break;
    }
  }
  --depth_;
}

driver::JsValue WireReader::Js() {
  driver::JsValue value;
  uint8_t type = U8();
  if (type > driver::JsValue::kList) {
    failed_ = true;
    return value;
  }
  value.type = static_cast<driver::JsValue::Type>(type);
  switch (value.type) {
    case driver::JsValue::kBool:
      value.boolean = Bool();
      break;
    case driver::JsValue::kInt:
      value.integer = I32();
      break;
    case driver::JsValue::kDouble:
      value.number = F64();
      break;
    case driver::JsValue::kString:
    case driver::JsValue::kFunction:
      value.string = Str();
      break;
    case driver::JsValue::kObject:
    case driver::JsValue::kList: {
      int32_t size = I32();
      if (failed_ || size < 0 || ++depth_ > kMaxDepth) {
        failed_ = true;
        return value;
      }
      for (int32_t i = 0; i < size && !failed_; ++i) {
        CefString key = Str();
        value.members.emplace_back(key, Js());
      }
      --depth_;
      break;
    }
    default:
      break;
  }
  return value;
}

std::vector<driver::JsValue> WireReader::JsList() {
  std::vector<driver::JsValue> values;
  int32_t size = I32();
  if (size < 0) {
    failed_ = true;
    return values;
  }
  for (int32_t i = 0; i < size && !failed_; ++i)
    values.push_back(Js());
  return values;
}

}  // namespace cefsim
