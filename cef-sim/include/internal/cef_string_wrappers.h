#ifndef CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
#define CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_

#include <cstring>
#include <string>

#include "include/base/cef_string16.h"
#include "include/internal/cef_string_types.h"

// A UTF-16 string that either owns its cef_string_utf16_t or writes through to one
// that belongs to someone else (a member of a settings structure, for example), so
// that CefString(&settings.cache_path) = path fills the structure in place.
// Like the engine's, it has no move operations: std::move of one copies, and the
// source keeps its text.
class CefStringUTF16 {
 public:
  typedef char16 char_type;
  typedef cef_string_utf16_t struct_type;
  typedef cef_string_userfree_utf16_t userfree_struct_type;

  CefStringUTF16() : string_(nullptr), owner_(false) {}
  CefStringUTF16(const CefStringUTF16& str) : CefStringUTF16() {
    if (str.string_)
      FromString(str.string_->str, str.string_->length, true);
  }
  CefStringUTF16(const std::string& src) : CefStringUTF16() { FromString(src); }
  CefStringUTF16(const char* src) : CefStringUTF16() {
    if (src)
      FromString(std::string(src));
  }
  CefStringUTF16(const base::string16& src) : CefStringUTF16() { FromString16(src); }
  CefStringUTF16(const char16* src) : CefStringUTF16() {
    if (src)
      FromString16(base::string16(src));
  }
#if !defined(OS_WIN)
  // On Windows wchar_t is the 16-bit char16 itself and the overloads above serve.
  CefStringUTF16(const std::wstring& src) : CefStringUTF16() { FromWString(src); }
  CefStringUTF16(const wchar_t* src) : CefStringUTF16() {
    if (src)
      FromWString(std::wstring(src));
  }
#endif
  CefStringUTF16(const char16* src, size_t src_len, bool copy) : CefStringUTF16() {
    if (src && src_len > 0)
      FromString(src, src_len, copy);
  }
  // Refers to src without owning it; src must outlive this object.
  CefStringUTF16(struct_type* src) : CefStringUTF16() {
    if (src)
      Attach(src, false);
  }

  ~CefStringUTF16() { ClearAndFree(); }

  const char16* c_str() const { return string_ ? string_->str : nullptr; }
  size_t length() const { return string_ ? string_->length : 0; }
  size_t size() const { return length(); }
  bool empty() const { return length() == 0; }

  int compare(const CefStringUTF16& str) const {
    if (empty() && str.empty())
      return 0;
    if (empty())
      return -1;
    if (str.empty())
      return 1;
    return cef_string_utf16_cmp(string_, str.string_);
  }

  void clear() {
    if (string_)
      cef_string_utf16_clear(string_);
  }

  bool IsOwner() const { return owner_; }
  const struct_type* GetStruct() const { return string_; }
  struct_type* GetWritableStruct() {
    AllocIfNeeded();
    return string_;
  }

  void ClearAndFree() {
    if (owner_ && string_) {
      cef_string_utf16_clear(string_);
      delete string_;
    }
    string_ = nullptr;
    owner_ = false;
  }

  void Attach(struct_type* str, bool owner) {
    ClearAndFree();
    string_ = str;
    owner_ = owner;
  }

  void AttachToUserFree(userfree_struct_type str) {
    if (!str)
      return;
    ClearAndFree();
    AllocIfNeeded();
    *string_ = *str;
    std::memset(str, 0, sizeof(*str));
    cef_string_userfree_utf16_free(str);
  }

  // Lets go of the structure without freeing it; only for a caller that holds it.
  void Detach() {
    string_ = nullptr;
    owner_ = false;
  }

  // Hands the text to a new userfree structure that the receiver frees.
  userfree_struct_type DetachToUserFree() {
    if (!string_)
      return nullptr;
    userfree_struct_type str = cef_string_userfree_utf16_alloc();
    if (owner_) {
      *str = *string_;
      std::memset(string_, 0, sizeof(*string_));
    } else {
      cef_string_utf16_set(string_->str, string_->length, str, 1);
    }
    ClearAndFree();
    return str;
  }

  std::string ToString() const {
    if (empty())
      return std::string();
    cef_string_utf8_t out = {nullptr, 0, nullptr};
    cef_string_utf16_to_utf8(string_->str, string_->length, &out);
    std::string result(out.str ? out.str : "", out.length);
    cef_string_utf8_clear(&out);
    return result;
  }

  std::wstring ToWString() const {
    if (empty())
      return std::wstring();
    cef_string_wide_t out = {nullptr, 0, nullptr};
    cef_string_utf16_to_wide(string_->str, string_->length, &out);
    std::wstring result(out.str ? out.str : L"", out.length);
    cef_string_wide_clear(&out);
    return result;
  }

  base::string16 ToString16() const {
    if (empty())
      return base::string16();
    return base::string16(string_->str, string_->length);
  }

  bool FromString(const std::string& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return cef_string_utf8_to_utf16(str.data(), str.length(), string_) != 0;
  }

  bool FromString(const char16* src, size_t src_len, bool copy) {
    if (!src || src_len == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return cef_string_utf16_set(src, src_len, string_, copy) != 0;
  }

  bool FromWString(const std::wstring& str) {
    if (str.empty()) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return cef_string_wide_to_utf16(str.data(), str.length(), string_) != 0;
  }

  bool FromString16(const base::string16& str) {
    return FromString(str.data(), str.length(), true);
  }

  bool FromASCII(const char* str) {
    size_t len = str ? std::strlen(str) : 0;
    if (len == 0) {
      clear();
      return true;
    }
    AllocIfNeeded();
    return cef_string_ascii_to_utf16(str, len, string_) != 0;
  }

  bool operator<(const CefStringUTF16& str) const { return compare(str) < 0; }
  bool operator<=(const CefStringUTF16& str) const { return compare(str) <= 0; }
  bool operator>(const CefStringUTF16& str) const { return compare(str) > 0; }
  bool operator>=(const CefStringUTF16& str) const { return compare(str) >= 0; }
  bool operator==(const CefStringUTF16& str) const { return compare(str) == 0; }
  bool operator!=(const CefStringUTF16& str) const { return compare(str) != 0; }

  CefStringUTF16& operator=(const CefStringUTF16& str) {
    if (this != &str)
      FromString(str.c_str(), str.length(), true);
    return *this;
  }
  CefStringUTF16& operator=(const std::string& str) {
    FromString(str);
    return *this;
  }
  CefStringUTF16& operator=(const char* str) {
    FromString(std::string(str ? str : ""));
    return *this;
  }
  CefStringUTF16& operator=(const base::string16& str) {
    FromString16(str);
    return *this;
  }
  CefStringUTF16& operator=(const char16* str) {
    FromString16(str ? base::string16(str) : base::string16());
    return *this;
  }
#if !defined(OS_WIN)
  CefStringUTF16& operator=(const std::wstring& str) {
    FromWString(str);
    return *this;
  }
  CefStringUTF16& operator=(const wchar_t* str) {
    FromWString(str ? std::wstring(str) : std::wstring());
    return *this;
  }
#endif

 private:
  void AllocIfNeeded() {
    if (!string_) {
      string_ = new struct_type();
      owner_ = true;
    }
  }

  struct_type* string_;
  bool owner_;
};

#endif  // CEF_INCLUDE_INTERNAL_CEF_STRING_WRAPPERS_H_
