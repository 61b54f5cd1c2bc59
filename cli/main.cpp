// devero-cli: the scriptable front end of Devero.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "app/runtime_paths.h"
#include "cli/cli_warnings.h"
#include "cli/macros_command.h"
#include "cli/show_command.h"

namespace {

constexpr int kExitUsage = 64;
constexpr int kExitNoInput = 66;

}  // namespace

int main(int argc, char** argv) {
  using namespace devero;
  CLI::App app{"Configures Devero gaming mice from the command line.", "devero-cli"};
  std::string root;
  app.add_option("--root", root,
                 "module directory, the one that holds skins/ (default: the executable's)");
  app.require_subcommand(1, 1);
  CLI::App* show =
      app.add_subcommand("show", "print the product description and the four profiles");
  CLI::App* macros = app.add_subcommand(
      "macros", "print the macro groups of the language in force and the built-in macros");

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "devero-cli: " << e.what() << "\n\n" << app.help();
    return kExitUsage;
  }

  std::filesystem::path module_dir =
      root.empty() ? RuntimePaths::CurrentModuleDirectory() : std::filesystem::path(root);
  std::error_code ec;
  if (!std::filesystem::is_directory(module_dir, ec)) {
    std::cerr << "devero-cli: the root directory " << module_dir
              << " does not exist or cannot be read\n";
    return kExitNoInput;
  }
  RuntimePaths paths(module_dir);
  cli::CliWarnings warnings(std::cerr);

  if (*show) {
    std::cout << cli::ShowJson(paths, warnings).dump() << '\n';
    return 0;
  }
  if (*macros) {
    std::cout << cli::MacrosJson(paths, warnings).dump() << '\n';
    return 0;
  }
  return kExitUsage;
}
