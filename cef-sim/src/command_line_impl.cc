#include "src/command_line_impl.h"

#include <string>

namespace cefsim {
namespace {

// Dashes that introduce a switch: "--" and, as on POSIX, a single "-".
size_t SwitchPrefixLength(const std::string& word) {
  if (word.size() > 2 && word.compare(0, 2, "--") == 0)
    return 2;
  if (word.size() > 1 && word[0] == '-' && word[1] != '-')
    return 1;
  return 0;
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
    std::string word = argv[i].ToString();
    if (!switches_done && word == "--") {
      switches_done = true;
      continue;
    }
    size_t prefix = switches_done ? 0 : SwitchPrefixLength(word);
    if (prefix == 0) {
      arguments_.push_back(argv[i]);
      continue;
    }
    size_t equals = word.find('=', prefix);
    if (equals == std::string::npos)
      AddSwitchLocked(CefString(word.substr(prefix)), false, CefString());
    else
      AddSwitchLocked(CefString(word.substr(prefix, equals - prefix)), true,
                      CefString(word.substr(equals + 1)));
  }
}

void CommandLineImpl::Reset() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (read_only_)
    return;
  head_ = {CefString()};
  switches_.clear();
  arguments_.clear();
}

std::vector<CefString> CommandLineImpl::ArgvLocked() const {
  std::vector<CefString> argv = head_;
  for (const SwitchEntry& s : switches_) {
    std::string word = "--" + s.name.ToString();
    if (s.has_value)
      word += "=" + s.value.ToString();
    argv.push_back(CefString(word));
  }
  // An argument that looks like a switch would be read as one without the separator.
  bool need_separator = false;
  for (const CefString& a : arguments_)
    need_separator |= SwitchPrefixLength(a.ToString()) > 0 || a.ToString() == "--";
  if (need_separator)
    argv.push_back(CefString("--"));
  argv.insert(argv.end(), arguments_.begin(), arguments_.end());
  return argv;
}

void CommandLineImpl::GetArgv(std::vector<CefString>& argv) {
  std::lock_guard<std::mutex> lock(mutex_);
  argv = ArgvLocked();
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

void CommandLineImpl::GetSwitches(SwitchMap& switches) {
  std::lock_guard<std::mutex> lock(mutex_);
  switches.clear();
  for (const SwitchEntry& s : switches_)
    switches[s.name] = s.value;
}

void CommandLineImpl::AddSwitchLocked(const CefString& name, bool has_value,
                                      const CefString& value) {
  if (read_only_ || name.empty())
    return;
  switches_.push_back(SwitchEntry{name, has_value, has_value ? value : CefString()});
}

void CommandLineImpl::AppendSwitch(const CefString& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  AddSwitchLocked(name, false, CefString());
}

void CommandLineImpl::AppendSwitchWithValue(const CefString& name, const CefString& value) {
  std::lock_guard<std::mutex> lock(mutex_);
  AddSwitchLocked(name, true, value);
}

bool CommandLineImpl::HasArguments() {
  std::lock_guard<std::mutex> lock(mutex_);
  return !arguments_.empty();
}

void CommandLineImpl::GetArguments(ArgumentList& arguments) {
  std::lock_guard<std::mutex> lock(mutex_);
  arguments = arguments_;
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
