#pragma once

#include <functional>
#include <utility>

namespace orunika {

// One handler bound to one event of one control, the way a form binds `a_Change` to the Change
// of `a`. Raising an event with nothing bound does nothing.
class Event {
 public:
  void Bind(std::function<void()> handler) { handler_ = std::move(handler); }
  void Raise() const {
    if (handler_) handler_();
  }

 private:
  std::function<void()> handler_;
};

}  // namespace orunika
