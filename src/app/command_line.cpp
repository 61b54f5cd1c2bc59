#include "app/command_line.h"

#include <CLI/CLI.hpp>

namespace devero {

std::string JoinedCommandLine(const std::vector<std::string>& args) {
  std::string line;
  for (size_t i = 0; i < args.size(); ++i) {
    if (i > 0) line += ' ';
    line += args[i];
  }
  return line;
}

bool CommandLineAsksToHide(const std::string& command_line) {
  const size_t dash = command_line.rfind('-');
  const size_t from = dash == std::string::npos ? 0 : dash + 1;
  return command_line.substr(from, 4) == "HIDE";
}

ParsedCommandLine ParseWindowCommandLine(const std::vector<std::string>& args,
                                         const char* simulate_env) {
  ParsedCommandLine result;
  WindowOptions options;
  options.start_minimised = CommandLineAsksToHide(JoinedCommandLine(args));

  CLI::App app{"The Devero window: configures Devero gaming mice.", "devero"};
  std::string root;
  std::string simulate_file;
  std::string trace_file;
  app.add_option("--root", root,
                 "module directory, the one that holds skins/ (default: the executable's)");
  CLI::Option* simulate =
      app.add_option("--simulate", simulate_file,
                     "use the simulated mouse; with =FILE its 64 KiB memory is kept in FILE")
          ->expected(0, 1);
  app.add_flag("--simulate-alt", options.simulate_alternative_id,
               "the simulated mouse answers with the alternative product id");
  app.add_option("--trace", trace_file, "write every report and delay to FILE");
  app.footer(
      "-HIDE (at the end of the command line) starts the window minimised.\n"
      "DEVERO_SIMULATE=1 or DEVERO_SIMULATE=FILE selects the simulated mouse as --simulate does.");

  // CLI11 knows no multi-letter single-dash options: the start-minimised switch is read from
  // the whole command line above and left out here.
  std::vector<std::string> rest;
  for (size_t i = args.size(); i-- > 1;) {
    if (args[i].rfind("-HIDE", 0) != 0) rest.push_back(args[i]);
  }
  try {
    app.parse(rest);
  } catch (const CLI::CallForHelp&) {
    result.output = app.help();
    return result;
  } catch (const CLI::ParseError& e) {
    result.exit_code = 64;
    result.output = "devero: " + std::string(e.what()) + "\n\n" + app.help();
    return result;
  }
  if (options.simulate_alternative_id && simulate->count() == 0 && simulate_env == nullptr) {
    result.exit_code = 64;
    result.output = "devero: --simulate-alt needs --simulate\n";
    return result;
  }
  options.root = root;
  options.trace_file = trace_file;
  if (simulate->count() > 0) {
    options.simulate = true;
    options.simulate_file = simulate_file;
  } else if (simulate_env != nullptr && *simulate_env != '\0' && std::string(simulate_env) != "0") {
    options.simulate = true;
    if (std::string(simulate_env) != "1") options.simulate_file = simulate_env;
  }
  result.options = options;
  return result;
}

}  // namespace devero
