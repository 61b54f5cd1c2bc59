#pragma once

#include <functional>
#include <stop_token>

namespace devero {

// Hands a call to the thread that owns the settings record, the product file and the window.
class OwnerDispatch {
 public:
  virtual ~OwnerDispatch() = default;
  // Runs `call` on the owner thread and waits until it has run; true when it ran. When `stop`
  // is requested (or the owner takes no more calls) before the call started, the call is
  // dropped and false returned at once; a call already running is waited for. So a thread
  // waiting here never keeps the owner from stopping and joining it. (Stopping a thread from
  // inside a call it handed over would wait for itself: stop the threads from owner code that
  // is not such a call.)
  virtual bool RunOnOwner(std::function<void()> call, std::stop_token stop) = 0;
};

}  // namespace devero
