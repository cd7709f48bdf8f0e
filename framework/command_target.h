#pragma once
// A command target keeps its command map: the handler of each command id and the update
// handler that sets the command's state. Targets are chained (view, document, child frame,
// main frame, application) and a command goes down the chain to the first target that
// handles it.

#include <functional>
#include <map>
#include <vector>

#include "framework/command_state.h"

namespace tw {

class CommandTarget {
public:
    using Handler = std::function<void()>;
    using RangeHandler = std::function<void(unsigned id)>;
    using UpdateHandler = std::function<void(CommandState&)>;

    virtual ~CommandTarget() = default;

    // Command map entries; a later entry for the same id replaces the earlier one.
    void OnCommand(unsigned id, Handler handler);
    void OnCommandRange(unsigned first, unsigned last, RangeHandler handler);
    void OnUpdateCommand(unsigned id, UpdateHandler handler);

    // Runs the handler of id; false when this target has none.
    virtual bool HandleCommand(unsigned id);
    // Runs the update handler of state.Id(); false when this target has none.
    virtual bool HandleUpdate(CommandState& state);
    // True when a command handler for id exists here.
    virtual bool HasCommand(unsigned id) const;

private:
    struct Range {
        unsigned first;
        unsigned last;
        RangeHandler handler;
    };
    const Range* FindRange(unsigned id) const;

    std::map<unsigned, Handler> commands_;
    std::vector<Range> ranges_;
    std::map<unsigned, UpdateHandler> updates_;
};

using CommandChain = std::vector<CommandTarget*>;

// Sends id down the chain and stops at the first target that handles it. False when none did.
bool RouteCommand(const CommandChain& chain, unsigned id);

// Asks the chain for the state of state.Id(): the first update handler decides. Without one,
// the command is enabled when some target handles it and disabled otherwise.
void RouteUpdate(const CommandChain& chain, CommandState& state);

}  // namespace tw
