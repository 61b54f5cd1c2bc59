#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace devero {

// What `devero` was started with.
struct WindowOptions {
  std::filesystem::path root;  // empty: the executable's directory
  bool simulate = false;
  std::filesystem::path simulate_file;
  bool simulate_alternative_id = false;
  std::filesystem::path trace_file;
  bool start_minimised = false;
};

struct ParsedCommandLine {
  std::optional<WindowOptions> options;  // nothing when the program should exit
  int exit_code = 0;
  std::string output;  // the usage for --help (stdout) or the error (stderr)
};

// The arguments joined by single blanks, as the start-minimised rule reads them.
std::string JoinedCommandLine(const std::vector<std::string>& args);
// True when the (at most) four characters after the last "-" of the command line, or its
// first four characters when it has no "-", are exactly "HIDE".
bool CommandLineAsksToHide(const std::string& command_line);

// Parses devero's arguments (args[0] is the program). DEVERO_SIMULATE (`simulate_env`, "1" or
// a memory image path) selects the simulated mouse when no --simulate is given.
ParsedCommandLine ParseWindowCommandLine(const std::vector<std::string>& args,
                                         const char* simulate_env);

}  // namespace devero
