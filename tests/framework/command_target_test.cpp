#include "framework/command_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

// A target that notes in a shared log when its handler runs.
struct LoggingTarget : CommandTarget {
    LoggingTarget(std::string name, std::vector<std::string>& log) : name_(name), log_(log) {}
    void Handle(unsigned id) {
        OnCommand(id, [this, id] { log_.push_back(name_ + ":" + std::to_string(id)); });
    }
    std::string name_;
    std::vector<std::string>& log_;
};

TEST(CommandRouting, FirstTargetInChainThatHandlesWins) {
    std::vector<std::string> log;
    LoggingTarget view("view", log), doc("doc", log), child("child", log), main("main", log);
    view.Handle(1);
    doc.Handle(1);
    doc.Handle(2);
    child.Handle(3);
    main.Handle(2);
    main.Handle(4);
    CommandChain chain{&view, &doc, &child, &main};

    EXPECT_TRUE(RouteCommand(chain, 1));
    EXPECT_TRUE(RouteCommand(chain, 2));
    EXPECT_TRUE(RouteCommand(chain, 3));
    EXPECT_TRUE(RouteCommand(chain, 4));
    EXPECT_FALSE(RouteCommand(chain, 5));
    EXPECT_EQ(log, (std::vector<std::string>{"view:1", "doc:2", "child:3", "main:4"}));
}

TEST(CommandRouting, RangesNullTargetsAndReplacement) {
    std::vector<std::string> log;
    LoggingTarget doc("doc", log);
    unsigned seen = 0;
    doc.OnCommandRange(100, 103, [&](unsigned id) { seen = id; });
    doc.Handle(102);  // an exact entry goes before a range
    CommandChain chain{nullptr, &doc};

    EXPECT_TRUE(RouteCommand(chain, 101));
    EXPECT_EQ(seen, 101u);
    EXPECT_TRUE(RouteCommand(chain, 102));
    EXPECT_EQ(seen, 101u);
    EXPECT_FALSE(RouteCommand(chain, 104));

    doc.OnCommand(7, [&] { log.push_back("old"); });
    doc.OnCommand(7, [&] { log.push_back("new"); });
    RouteCommand(chain, 7);
    EXPECT_EQ(log.back(), "new");
}

TEST(CommandUpdate, FirstUpdateHandlerDecidesAndDefaultsFollowHandlers) {
    CommandTarget view, doc, frame;
    view.OnUpdateCommand(10, [](CommandState& s) { s.Enable(false); });
    doc.OnUpdateCommand(10, [](CommandState& s) {
        s.Enable(true);
        s.SetCheck();
    });
    doc.OnUpdateCommand(11, [](CommandState& s) {
        s.SetCheck(CheckState::Indeterminate);
        s.SetText("&Go");
    });
    frame.OnCommand(12, [] {});
    CommandChain chain{&view, &doc, &frame};

    CommandState s10(10), s11(11), s12(12), s13(13);
    RouteUpdate(chain, s10);
    RouteUpdate(chain, s11);
    RouteUpdate(chain, s12);
    RouteUpdate(chain, s13);

    EXPECT_EQ(s10.Enabled(), false);  // the view's handler, not the document's
    EXPECT_FALSE(s10.Check().has_value());
    EXPECT_FALSE(s11.Enabled().has_value());  // the handler left it alone
    EXPECT_EQ(s11.Check(), CheckState::Indeterminate);
    EXPECT_EQ(s11.Text(), "&Go");
    EXPECT_EQ(s12.Enabled(), true);   // no update handler, but a command handler
    EXPECT_EQ(s13.Enabled(), false);  // nobody handles it
}

}  // namespace
}  // namespace tw
