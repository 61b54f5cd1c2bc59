#include "cli/cli_warnings.h"

#include "platform/text/utf.h"

namespace devero::cli {

int CliWarnings::ShowWarning(const std::u16string& text) {
  texts_.push_back(text);
  std::string line;
  for (char c : Utf16ToUtf8(text)) {
    if (c == '\n') {
      line += "\\n";
    } else {
      line.push_back(c);
    }
  }
  err_ << "warning: " << line << '\n' << std::flush;
  return 1;
}

int CliWarnings::ShowQuestion(const std::u16string& text) {
  return ShowWarning(text);
}

}  // namespace devero::cli
