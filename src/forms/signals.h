#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

namespace kavinor::forms {

// A notice that views and handlers follow: each connected slot is called on every emit, in the
// order of connection. A slot may be disconnected again by the id `connect` returned. Following
// a control changes nothing of it, so a const control can be followed.
template <typename... Args>
class Signal {
public:
    using Slot = std::function<void(Args...)>;

    std::size_t connect(Slot slot) const {
        slots_.push_back({nextId_, std::move(slot)});
        return nextId_++;
    }
    void disconnect(std::size_t id) const {
        std::erase_if(slots_, [id](const Connection& c) { return c.id == id; });
    }
    void emit(Args... args) const {
        // A slot may connect or disconnect others while it runs; it walks a snapshot.
        const std::vector<Connection> slots = slots_;
        for (const Connection& c : slots) c.slot(args...);
    }

private:
    struct Connection {
        std::size_t id;
        Slot slot;
    };
    mutable std::vector<Connection> slots_;
    mutable std::size_t nextId_ = 1;
};

}  // namespace kavinor::forms
