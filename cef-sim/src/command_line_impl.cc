#include "src/command_line_impl.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string>

#include "src/lower_ascii.h"

namespace cefsim {
namespace {

// What starts a switch on Windows, longest first so that "--a" is not read as "-" "-a".
constexpr const char* kSwitchPrefixes[] = {"--", "-", "/"};

size_t PrefixLength(const std::string& word) {
  for (const char* prefix : kSwitchPrefixes) {
    if (word.compare(0, std::char_traits<char>::length(prefix), prefix) == 0)
      return std::char_traits<char>::length(prefix);
  }
  return 0;
}

// A word of a command line is a switch when a prefix starts it and something follows.
bool IsSwitchWord(const std::string& word) {
  size_t prefix = PrefixLength(word);
  return prefix > 0 && prefix < word.size();
}

// The white space the engine trims from each word it reads: what the wide-character
// string functions count as white space, Unicode spaces and line separators included.
bool IsWhitespace(char16 c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
         c == 0x205F || c == 0x3000;
}

std::string Trimmed(const CefString& word) {
  base::string16 text = word.ToString16();
  auto first = std::find_if_not(text.begin(), text.end(), IsWhitespace);
  auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), IsWhitespace);
  return CefString(base::string16(first, last.base())).ToString();
}

std::string Quoted(const std::string& word) {
  if (!word.empty() && word.find_first_of(" \t\"") == std::string::npos)
    return word;
  std::string out = "\"";
  for (char c : word) {
    if (c == '"')
      out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::vector<CefString> SplitCommandLine(const CefString& command_line) {
  std::string text = command_line.ToString();
  std::vector<CefString> words;
  std::string word;
  bool in_word = false;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\\' && i + 1 < text.size() && text[i + 1] == '"') {
      word += '"';
      in_word = true;
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
      in_word = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (in_word)
        words.push_back(CefString(word));
      word.clear();
      in_word = false;
    } else {
      word += c;
      in_word = true;
    }
  }
  if (in_word)
    words.push_back(CefString(word));
  return words;
}

void CommandLineImpl::SetReadOnly() {
  std::lock_guard<std::mutex> lock(mutex_);
  read_only_ = true;
}

std::vector<SwitchEntry> CommandLineImpl::Switches() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return switches_;
}

bool CommandLineImpl::IsValid() {
  return true;
}

bool CommandLineImpl::IsReadOnly() {
  std::lock_guard<std::mutex> lock(mutex_);
  return read_only_;
}

CefRefPtr<CefCommandLine> CommandLineImpl::Copy() {
  CefRefPtr<CommandLineImpl> copy = new CommandLineImpl();
  std::lock_guard<std::mutex> lock(mutex_);
  copy->head_ = head_;
  copy->switches_ = switches_;
  copy->arguments_ = arguments_;
  return copy;
}

void CommandLineImpl::InitFromArgv(int argc, const char* const* argv) {
  std::vector<CefString> words;
  for (int i = 0; argv && i < argc; ++i)
    words.push_back(CefString(argv[i] ? argv[i] : ""));
  InitFromList(words);
}

void CommandLineImpl::InitFromString(const CefString& command_line) {
  InitFromList(SplitCommandLine(command_line));
}

void CommandLineImpl::InitFromList(const std::vector<CefString>& argv) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_)
    return;
  head_ = {argv.empty() ? CefString() : argv[0]};
  switches_.clear();
  arguments_.clear();
  bool switches_done = false;
  for (size_t i = 1; i < argv.size(); ++i) {
    std::string word = Trimmed(argv[i]);
    if (!switches_done && word == "--") {
      switches_done = true;
      continue;
    }
    if (switches_done || !IsSwitchWord(word)) {
      arguments_.push_back(CefString(word));
      continue;
    }
    size_t equals = word.find('=');
    if (equals == std::string::npos)
      AddSwitchLocked(CefString(word), false, CefString(), false);
    else
      AddSwitchLocked(CefString(word.substr(0, equals)), true, CefString(word.substr(equals + 1)),
                      false);
  }
}

void CommandLineImpl::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_)
    return;
  head_.resize(1);
  switches_.clear();
  arguments_.clear();
}

std::vector<CefString> CommandLineImpl::ArgvLocked() const {
  std::vector<CefString> argv = head_;
  for (const SwitchEntry& s : switches_) {
    std::string word = s.prefix.ToString() + s.name.ToString();
    if (!s.value.empty())
      word += "=" + s.value.ToString();
    argv.push_back(CefString(word));
  }
  // An argument that looks like a switch would be read as one without the separator.
  bool need_separator = false;
  for (const CefString& a : arguments_)
    need_separator |= IsSwitchWord(a.ToString()) || a.ToString() == "--";
  if (need_separator)
    argv.push_back(CefString("--"));
  argv.insert(argv.end(), arguments_.begin(), arguments_.end());
  return argv;
}

// The three getters add to what the caller's container holds, as the engine's do.
void CommandLineImpl::GetArgv(std::vector<CefString>& argv) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<CefString> words = ArgvLocked();
  argv.insert(argv.end(), words.begin(), words.end());
}

CefString CommandLineImpl::GetCommandLineString() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::string out;
  for (const CefString& word : ArgvLocked()) {
    if (!out.empty())
      out += ' ';
    out += Quoted(word.ToString());
  }
  return CefString(out);
}

CefString CommandLineImpl::GetProgram() {
  std::lock_guard<std::mutex> lock(mutex_);
  return head_.front();
}

void CommandLineImpl::SetProgram(const CefString& program) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    head_.front() = program;
}

bool CommandLineImpl::HasSwitches() {
  std::lock_guard<std::mutex> lock(mutex_);
  return !switches_.empty();
}

bool CommandLineImpl::HasSwitch(const CefString& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const SwitchEntry& s : switches_) {
    if (s.name == name)
      return true;
  }
  return false;
}

CefString CommandLineImpl::GetSwitchValue(const CefString& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto it = switches_.rbegin(); it != switches_.rend(); ++it) {
    if (it->name == name)
      return it->value;
  }
  return CefString();
}

// A name the caller's map already holds keeps the caller's value: the engine inserts.
void CommandLineImpl::GetSwitches(SwitchMap& switches) {
  std::lock_guard<std::mutex> lock(mutex_);
  SwitchMap own;
  for (const SwitchEntry& s : switches_)
    own[s.name] = s.value;
  switches.insert(own.begin(), own.end());
}

// A name that is only a prefix, or nothing, is dropped: the engine would write a bare
// prefix, which as "--" ends the switches of the line.
void CommandLineImpl::AddSwitchLocked(const CefString& name, bool has_value,
                                      const CefString& value, bool appended) {
  std::string word = LowerAscii(name).ToString();
  size_t prefix = PrefixLength(word);
  if (read_only_ || prefix == word.size())
    return;
  switches_.push_back(SwitchEntry{CefString(word.substr(prefix)),
                                  CefString(prefix ? word.substr(0, prefix) : "--"), has_value,
                                  has_value ? value : CefString(), appended});
}

void CommandLineImpl::AppendSwitch(const CefString& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  AddSwitchLocked(name, false, CefString(), true);
}

void CommandLineImpl::AppendSwitchWithValue(const CefString& name, const CefString& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  AddSwitchLocked(name, true, value, true);
}

bool CommandLineImpl::HasArguments() {
  std::lock_guard<std::mutex> lock(mutex_);
  return !arguments_.empty();
}

void CommandLineImpl::GetArguments(ArgumentList& arguments) {
  std::lock_guard<std::mutex> lock(mutex_);
  arguments.insert(arguments.end(), arguments_.begin(), arguments_.end());
}

void CommandLineImpl::AppendArgument(const CefString& argument) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!read_only_)
    arguments_.push_back(argument);
}

void CommandLineImpl::PrependWrapper(const CefString& wrapper) {
  std::vector<CefString> words = SplitCommandLine(wrapper);
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_ || words.empty())
    return;
  head_.insert(head_.begin(), words.begin(), words.end());
}

}  // namespace cefsim
