// SPDX-License-Identifier: MIT
#pragma once
// What a control tells its screen: a click, a press of a mouse button, a timer's tick. A front end raises
// the event; the screen connects one handler to it in its definition table.
#include <functional>
#include <utility>

namespace toolkit {

template <class... Args> class Event {
public:
    void connect(std::function<void(Args...)> handler) { handler_ = std::move(handler); }
    // True once a handler is connected: a front end tells the player the control can be pressed.
    bool isConnected() const { return static_cast<bool>(handler_); }
    void operator()(Args... args) const {
        if (handler_) handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

} // namespace toolkit
