#include "framework/command_target.h"

#include <utility>

namespace tw {

void CommandTarget::OnCommand(unsigned id, Handler handler) { commands_[id] = std::move(handler); }

void CommandTarget::OnCommandRange(unsigned first, unsigned last, RangeHandler handler) {
    ranges_.push_back(Range{first, last, std::move(handler)});
}

void CommandTarget::OnUpdateCommand(unsigned id, UpdateHandler handler) {
    updates_[id] = std::move(handler);
}

const CommandTarget::Range* CommandTarget::FindRange(unsigned id) const {
    for (auto it = ranges_.rbegin(); it != ranges_.rend(); ++it) {
        if (id >= it->first && id <= it->last) return &*it;
    }
    return nullptr;
}

bool CommandTarget::HandleCommand(unsigned id) {
    auto it = commands_.find(id);
    if (it != commands_.end() && it->second) {
        it->second();
        return true;
    }
    const Range* range = FindRange(id);
    if (range == nullptr || !range->handler) return false;
    range->handler(id);
    return true;
}

bool CommandTarget::HandleUpdate(CommandState& state) {
    auto it = updates_.find(state.Id());
    if (it == updates_.end() || !it->second) return false;
    it->second(state);
    return true;
}

bool CommandTarget::HasCommand(unsigned id) const {
    auto it = commands_.find(id);
    if (it != commands_.end() && it->second) return true;
    return FindRange(id) != nullptr;
}

bool RouteCommand(const CommandChain& chain, unsigned id) {
    for (CommandTarget* target : chain) {
        if (target != nullptr && target->HandleCommand(id)) return true;
    }
    return false;
}

void RouteUpdate(const CommandChain& chain, CommandState& state) {
    for (CommandTarget* target : chain) {
        if (target != nullptr && target->HandleUpdate(state)) return;
    }
    bool handled = false;
    for (CommandTarget* target : chain) {
        if (target != nullptr && target->HasCommand(state.Id())) handled = true;
    }
    state.Enable(handled);
}

}  // namespace tw
