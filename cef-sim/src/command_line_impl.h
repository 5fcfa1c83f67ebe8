#ifndef CEFSIM_SRC_COMMAND_LINE_IMPL_H_
#define CEFSIM_SRC_COMMAND_LINE_IMPL_H_

#include <mutex>
#include <vector>

#include "include/cef_command_line.h"

namespace cefsim {

// One switch as the engine keeps it; a name may appear more than once, the last one
// wins for look-ups.
struct SwitchEntry {
  CefString name;    // lower-cased and without its prefix: what look-ups match
  CefString prefix;  // "--", "-" or "/", as the switch was given; "--" for a bare name
  bool has_value;    // given with a value, even an empty one
  CefString value;
  bool appended;     // by AppendSwitch or AppendSwitchWithValue, not read from a line
};

// A command line under the engine's Windows rules, whatever the platform: names are
// lower-cased, "--", "-" and "/" start a switch, and a switch with an empty value is
// written bare. It keeps its switches in the order they were given, so that the driver
// can report what a client appended.
class CommandLineImpl : public CefCommandLine {
 public:
  CommandLineImpl() = default;

  // Freezes the command line, as the engine does once start-up has read it.
  void SetReadOnly();
  std::vector<SwitchEntry> Switches() const;

  // CefCommandLine methods:
  bool IsValid() override;
  bool IsReadOnly() override;
  CefRefPtr<CefCommandLine> Copy() override;
  void InitFromArgv(int argc, const char* const* argv) override;
  void InitFromString(const CefString& command_line) override;
  void Reset() override;
  void GetArgv(std::vector<CefString>& argv) override;
  CefString GetCommandLineString() override;
  CefString GetProgram() override;
  void SetProgram(const CefString& program) override;
  bool HasSwitches() override;
  bool HasSwitch(const CefString& name) override;
  CefString GetSwitchValue(const CefString& name) override;
  void GetSwitches(SwitchMap& switches) override;
  void AppendSwitch(const CefString& name) override;
  void AppendSwitchWithValue(const CefString& name, const CefString& value) override;
  bool HasArguments() override;
  void GetArguments(ArgumentList& arguments) override;
  void AppendArgument(const CefString& argument) override;
  void PrependWrapper(const CefString& wrapper) override;

 private:
  void InitFromList(const std::vector<CefString>& argv);
  void AddSwitchLocked(const CefString& name, bool has_value, const CefString& value,
                       bool appended);
  std::vector<CefString> ArgvLocked() const;

  mutable std::mutex mutex_;
  bool read_only_ = false;
  // The program, and the words of wrappers prepended to it, in order.
  std::vector<CefString> head_ = {CefString()};
  std::vector<SwitchEntry> switches_;
  std::vector<CefString> arguments_;

  IMPLEMENT_REFCOUNTING(CommandLineImpl);
};

// Splits a command-line string into words: blanks separate, double quotes group, a
// backslash before a quote makes it literal.
std::vector<CefString> SplitCommandLine(const CefString& command_line);

}  // namespace cefsim

#endif  // CEFSIM_SRC_COMMAND_LINE_IMPL_H_
