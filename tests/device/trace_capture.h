#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "device/trace_writer.h"

namespace devero::testing {

// Collects the trace lines of a transport.
class TraceCapture {
 public:
  TraceWriter& writer() { return writer_; }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out_.str());
    for (std::string line; std::getline(in, line);)
      lines.push_back(line);
    return lines;
  }
  void Clear() { out_.str(""); }

 private:
  std::ostringstream out_;
  TraceWriter writer_{out_};
};

}  // namespace devero::testing
