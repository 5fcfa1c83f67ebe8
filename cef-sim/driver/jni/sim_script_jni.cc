// Native side of com.velmor.brivon.sim.SimScript. Values cross as byte arrays in the
// Java class's encoding (a tag, then the value, big-endian; strings as UTF-16 units),
// which keeps the JNI surface to strings and arrays.

#include <jni.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "cefsim/driver.h"
#include "jni/jni_values.h"

namespace driver = cefsim::driver;
using driver::JsValue;

namespace {

enum Tag : uint8_t {
  kUndefined, kNull, kBool, kInt, kDouble, kString, kObject, kFunction, kList, kRecorder
};

const int kMaxDepth = 16;

class Decoder {
 public:
  Decoder(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool failed() const { return failed_; }

  uint32_t U32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
      value = (value << 8) | U8();
    return value;
  }

  CefString Str() {
    uint32_t length = U32();
    if (failed_ || length > (size_ - offset_) / 2) {
      failed_ = true;
      return CefString();
    }
    std::basic_string<char16> units;
    for (uint32_t i = 0; i < length; ++i) {
      uint16_t high = U8();
      units.push_back(static_cast<char16>((high << 8) | U8()));
    }
    return CefString(units.data(), units.size(), true);
  }

  JsValue Value(int depth) {
    if (depth > kMaxDepth) {
      failed_ = true;
      return JsValue();
    }
    switch (U8()) {
      case kNull:
        return JsValue::Null();
      case kBool:
        return JsValue::Bool(U8() != 0);
      case kInt:
        return JsValue::Int(static_cast<int32_t>(U32()));
      case kDouble: {
        uint64_t bits = (static_cast<uint64_t>(U32()) << 32) | U32();
        double number;
        std::memcpy(&number, &bits, sizeof number);
        return JsValue::Double(number);
      }
      case kString:
        return JsValue::String(Str());
      case kFunction:
        return JsValue::Function();
      case kRecorder:
        return JsValue::Recorder(Str());
      case kObject: {
        uint32_t count = U32();
        std::vector<std::pair<CefString, JsValue>> members;
        for (uint32_t i = 0; i < count && !failed_; ++i) {
          CefString key = Str();
          members.emplace_back(key, Value(depth + 1));
        }
        return JsValue::Object(members);
      }
      case kUndefined:
        return JsValue();
      default:
        failed_ = true;
        return JsValue();
    }
  }

 private:
  uint8_t U8() {
    if (offset_ >= size_) {
      failed_ = true;
      return 0;
    }
    return data_[offset_++];
  }

  const uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
  bool failed_ = false;
};

class Encoder {
 public:
  void U8(uint8_t value) { bytes_.push_back(value); }
  void U32(uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
      U8(static_cast<uint8_t>(value >> shift));
  }
  void I64(int64_t value) {
    U32(static_cast<uint32_t>(static_cast<uint64_t>(value) >> 32));
    U32(static_cast<uint32_t>(value));
  }
  void Str(const CefString& s) {
    U32(static_cast<uint32_t>(s.length()));
    for (size_t i = 0; i < s.length(); ++i) {
      uint16_t unit = static_cast<uint16_t>(s.c_str()[i]);
      U8(static_cast<uint8_t>(unit >> 8));
      U8(static_cast<uint8_t>(unit));
    }
  }
  void Value(const JsValue& value) {
    switch (value.type) {
      case JsValue::kNull:
        U8(kNull);
        break;
      case JsValue::kBool:
        U8(kBool);
        U8(value.boolean ? 1 : 0);
        break;
      case JsValue::kInt:
        U8(kInt);
        U32(static_cast<uint32_t>(value.integer));
        break;
      case JsValue::kDouble: {
        U8(kDouble);
        uint64_t bits;
        std::memcpy(&bits, &value.number, sizeof bits);
        I64(static_cast<int64_t>(bits));
        break;
      }
      case JsValue::kString:
        U8(kString);
        Str(value.string);
        break;
      case JsValue::kFunction:
        U8(kFunction);
        break;
      case JsValue::kObject:
        U8(kObject);
        U32(static_cast<uint32_t>(value.members.size()));
        for (const auto& member : value.members) {
          Str(member.first);
          Value(member.second);
        }
        break;
      case JsValue::kList:
        List(value.members);
        break;
      default:
        U8(kUndefined);
        break;
    }
  }
  void List(const std::vector<std::pair<CefString, JsValue>>& items) {
    U8(kList);
    U32(static_cast<uint32_t>(items.size()));
    for (const auto& item : items)
      Value(item.second);
  }
  void Values(const std::vector<JsValue>& values) {
    U8(kList);
    U32(static_cast<uint32_t>(values.size()));
    for (const JsValue& value : values)
      Value(value);
  }

  jbyteArray ToJava(JNIEnv* env) const {
    jbyteArray array = env->NewByteArray(static_cast<jsize>(bytes_.size()));
    if (array && !bytes_.empty()) {
      env->SetByteArrayRegion(array, 0, static_cast<jsize>(bytes_.size()),
                              reinterpret_cast<const jbyte*>(bytes_.data()));
    }
    return array;
  }

 private:
  std::vector<uint8_t> bytes_;
};

CefString FromJava(JNIEnv* env, jstring s) {
  const jsize length = env->GetStringLength(s);
  std::basic_string<char16> units(static_cast<size_t>(length), 0);
  env->GetStringRegion(s, 0, length, reinterpret_cast<jchar*>(&units[0]));
  return CefString(units.data(), units.size(), true);
}

}  // namespace

extern "C" {

JNIEXPORT jbyteArray JNICALL Java_com_velmor_brivon_sim_SimScript_nativeCall(JNIEnv* env,
                                                                            jclass,
                                                                            jint browser_id,
                                                                            jlong frame_id,
                                                                            jstring name,
                                                                            jbyteArray encoded) {
  std::vector<uint8_t> bytes(static_cast<size_t>(env->GetArrayLength(encoded)));
  if (!bytes.empty()) {
    env->GetByteArrayRegion(encoded, 0, static_cast<jsize>(bytes.size()),
                            reinterpret_cast<jbyte*>(bytes.data()));
  }
  Decoder decoder(bytes.data(), bytes.size());
  std::vector<JsValue> arguments;
  uint32_t count = decoder.U32();
  for (uint32_t i = 0; i < count && !decoder.failed(); ++i)
    arguments.push_back(decoder.Value(0));
  if (decoder.failed())
    return nullptr;
  driver::CallOutcome outcome;
  if (!driver::CallWindowFunction(browser_id, frame_id, FromJava(env, name), arguments,
                                  &outcome))
    return nullptr;
  Encoder encoder;
  encoder.U8(outcome.threw ? 1 : 0);
  if (outcome.threw)
    encoder.Str(outcome.exception);
  else
    encoder.Value(outcome.value);
  return encoder.ToJava(env);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimScript_nativeWindowHas(JNIEnv* env,
                                                                           jclass,
                                                                           jint browser_id,
                                                                           jlong frame_id,
                                                                           jstring name) {
  return driver::WindowHasProperty(browser_id, frame_id, FromJava(env, name));
}

JNIEXPORT jbyteArray JNICALL
Java_com_velmor_brivon_sim_SimScript_nativeReceivedMessages(JNIEnv* env, jclass, jint browser_id) {
  std::vector<driver::ReceivedMessage> messages = driver::ReceivedProcessMessages(browser_id);
  Encoder encoder;
  encoder.U32(static_cast<uint32_t>(messages.size()));
  for (const driver::ReceivedMessage& message : messages) {
    encoder.I64(message.frame_id);
    encoder.Str(message.name);
    encoder.Values(message.arguments);
  }
  return encoder.ToJava(env);
}

JNIEXPORT jbyteArray JNICALL
Java_com_velmor_brivon_sim_SimScript_nativeFunctionCalls(JNIEnv* env, jclass, jint browser_id) {
  std::vector<driver::FunctionCall> calls = driver::FunctionCalls(browser_id);
  Encoder encoder;
  encoder.U32(static_cast<uint32_t>(calls.size()));
  for (const driver::FunctionCall& call : calls) {
    encoder.Str(call.name);
    encoder.Values(call.arguments);
  }
  return encoder.ToJava(env);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimScript_functionCallCount(JNIEnv*,
                                                                             jclass,
                                                                             jint browser_id) {
  return static_cast<jint>(driver::FunctionCallCount(browser_id));
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimScript_rendererPid(JNIEnv*,
                                                                       jclass,
                                                                       jint browser_id) {
  return driver::RendererProcessId(browser_id);
}

JNIEXPORT jboolean JNICALL Java_com_velmor_brivon_sim_SimScript_killRenderer(JNIEnv*,
                                                                            jclass,
                                                                            jint browser_id) {
  return driver::KillRenderer(browser_id);
}

JNIEXPORT jint JNICALL Java_com_velmor_brivon_sim_SimScript_liveRenderers(JNIEnv*, jclass) {
  return driver::LiveRenderers();
}

}  // extern "C"
