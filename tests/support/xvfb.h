#pragma once

#include <string>

namespace devero::testing {

// A private X server for one test: started on a free display, stopped on destruction.
class Xvfb {
 public:
  Xvfb();
  ~Xvfb();
  Xvfb(const Xvfb&) = delete;
  Xvfb& operator=(const Xvfb&) = delete;

  bool running() const { return pid_ > 0 && !display_.empty(); }
  const std::string& display() const { return display_; }  // ":N"

 private:
  int pid_ = -1;
  std::string display_;
};

}  // namespace devero::testing
