// devero-cli: the scriptable front end of Devero.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/device_session.h"
#include "app/runtime_paths.h"
#include "cli/autostart.h"
#include "cli/cli_warnings.h"
#include "cli/device_commands.h"
#include "cli/macros_command.h"
#include "cli/show_command.h"

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitNoInput = 66;
constexpr int kExitCannotCreate = 73;

constexpr const char* kWhereTheDataLives =
    "Data: run from the build tree or with --root DIR, Devero works on the skins/ directory\n"
    "there. Installed, it works on a per-user copy in $XDG_DATA_HOME/devero (default\n"
    "~/.local/share/devero), made from the installed factory data at the first start and\n"
    "shared by devero and devero-cli.";

int Usage(const CLI::App& app, const std::string& message) {
  std::cerr << "devero-cli: " << message << "\n\n" << app.help();
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace devero;
  CLI::App app{"Configures Devero gaming mice from the command line.", "devero-cli"};
  app.footer(kWhereTheDataLives);
  std::string root;
  std::string simulate_file;
  std::string trace_file;
  bool simulate_alt = false;
  app.add_option("--root", root,
                 "module directory, the one that holds skins/ (default: the executable's)");
  CLI::Option* simulate =
      app.add_option("--simulate", simulate_file,
                     "use the simulated mouse; with =FILE its 64 KiB memory is kept in FILE")
          ->expected(0, 1);
  app.add_flag("--simulate-alt", simulate_alt,
               "the simulated mouse answers with the alternative product id");
  app.add_option("--trace", trace_file, "write every report and delay to FILE");
  app.require_subcommand(1, 1);
  CLI::App* show =
      app.add_subcommand("show", "print the product description and the four profiles");
  CLI::App* macros =
      app.add_subcommand("macros", "print the macro library and the built-in macros");
  CLI::App* apply = app.add_subcommand("apply", "save the profiles and download them to the mouse");
  CLI::App* read = app.add_subcommand("read", "print LEN bytes of the mouse's memory at ADDR");
  std::string address_text;
  std::string length_text;
  read->add_option("ADDR", address_text, "address, decimal or 0x hex")->required();
  read->add_option("LEN", length_text, "number of bytes, 1 to 256")->required();
  CLI::App* autostart = app.add_subcommand(
      "autostart", "start the Devero window minimised at login: on, off or status");
  std::string autostart_action;
  autostart->add_option("ACTION", autostart_action, "on, off or status")
      ->required()
      ->check(CLI::IsMember({"on", "off", "status"}));

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    return Usage(app, e.what());
  }
  if (simulate_alt && simulate->count() == 0) return Usage(app, "--simulate-alt needs --simulate");
  std::optional<uint32_t> address;
  std::optional<uint32_t> length;
  if (*read) {
    address = cli::ParseNumber(address_text);
    length = cli::ParseNumber(length_text);
    if (!address || *address > 0xFFFF) return Usage(app, "ADDR must be a number from 0 to 0xffff");
    if (!length || *length < 1 || *length > 256) return Usage(app, "LEN must be 1 to 256");
    if (*address + *length > 0x10000) return Usage(app, "ADDR + LEN must stay within 64 KiB");
  }

  if (*autostart) {
    const char* xdg_config = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path file =
        cli::AutostartFile(xdg_config ? xdg_config : "", HomeDirectory());
    if (file.empty()) {
      std::cerr << "devero-cli: neither XDG_CONFIG_HOME nor HOME is an absolute path\n";
      return kExitCannotCreate;
    }
    return cli::RunAutostart(autostart_action, file,
                             RuntimePaths::CurrentModuleDirectory() / "devero", std::cout,
                             std::cerr);
  }

  std::error_code ec;
  if (!root.empty() && !std::filesystem::is_directory(root, ec)) {
    std::cerr << "devero-cli: the root directory " << std::filesystem::path(root)
              << " does not exist or cannot be read\n";
    return kExitNoInput;
  }
  const DataDirectory data = PrepareDataDirectory(root);
  if (!data.Ok()) {
    std::cerr << "devero-cli: " << data.error << '\n';
    return kExitCannotCreate;
  }
  RuntimePaths paths(data.module_directory);
  cli::CliWarnings warnings(std::cerr);

  if (*show) {
    std::cout << cli::ShowJson(paths, warnings).dump() << '\n';
    return 0;
  }
  if (*macros) {
    std::cout << cli::MacrosJson(paths, warnings).dump() << '\n';
    return 0;
  }

  DeviceOptions options;
  options.simulate = simulate->count() > 0;
  options.simulate_file = simulate_file;
  options.simulate_alternative_id = simulate_alt;
  options.trace_file = trace_file;
  std::string error;
  auto session = DeviceSession::Open(options, &error);
  if (!session) {
    std::cerr << "devero-cli: " << error << '\n';
    return trace_file.empty() ? kExitNoInput : kExitCannotCreate;
  }
  if (*apply) {
    return cli::RunApply(paths, warnings, *session, std::cerr,
                         ::isatty(STDERR_FILENO) ? &std::cerr : nullptr);
  }
  return cli::RunRead(paths, warnings, *session, static_cast<uint16_t>(*address),
                      static_cast<int>(*length), std::cout, std::cerr);
}
