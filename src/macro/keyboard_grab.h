#pragma once

namespace devero {

// The system-wide keyboard grab that feeds the recorder: while installed, every key event is
// delivered to the main window as a (message, virtual key) pair and reaches no other program.
class KeyboardGrab {
 public:
  virtual ~KeyboardGrab() = default;
  virtual bool Installed() const = 0;
  // Returns false when the platform refuses; keys that reach the window still arrive.
  virtual bool Install() = 0;
  virtual void Remove() = 0;
};

}  // namespace devero
