// CAnimate against a recording window system: which calls it makes, in
// which order, with which style bits and messages.

#include "animation/canimate.h"
#include "fakeanimationsystem.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tandara {
namespace {

using test::FakeAnimationSystem;
using Calls = std::vector<std::string>;

constexpr WindowHandle kParent = 7;

// A fresh object with a parent, the record emptied.
std::unique_ptr<CAnimate> animation(FakeAnimationSystem &system)
{
    auto anim = std::make_unique<CAnimate>(system);
    anim->Parent(kParent);
    system.take();
    return anim;
}

TEST(CAnimate, ConstructionRegistersTheClassAndCreatesNoWindow)
{
    FakeAnimationSystem system;
    CAnimate anim(system);
    EXPECT_EQ(system.take(), Calls{"init 0x80"});
    EXPECT_EQ(anim.hwnd(), 0);
    EXPECT_TRUE(anim.AutoPlay());
    EXPECT_TRUE(anim.Center());
    EXPECT_TRUE(anim.Transparent());
    EXPECT_TRUE(anim.Visible());
    EXPECT_FALSE(anim.playing());
}

struct OpenCase {
    const char *name;
    std::function<void(CAnimate &, FakeAnimationSystem &)> before;
    Calls expected;
    bool playing;
};

TEST(CAnimate, FirstOpenCreatesTheWindowWithTheStoredSettings)
{
    const std::vector<OpenCase> cases = {
        {"defaults", [](CAnimate &, FakeAnimationSystem &) {},
         {"create 0 SysAnimate32 0x54000007 0,0 0x0 in 7 -> 10", "paint 7 0 0", "open 10 0 101"},
         true},
        {"progress dialog settings",
         [](CAnimate &a, FakeAnimationSystem &) {
             a.Move(15, 35);
             a.AutoPlay(true);
             a.Center(false);
             a.Transparent(true);
         },
         {"create 0 SysAnimate32 0x54000006 15,35 0x0 in 7 -> 10", "paint 7 0 0", "open 10 0 101"},
         true},
        {"no autoplay", [](CAnimate &a, FakeAnimationSystem &) { a.AutoPlay(false); },
         {"create 0 SysAnimate32 0x54000003 0,0 0x0 in 7 -> 10", "paint 7 0 0", "open 10 0 101"},
         false},
        {"hidden, so no repaint", [](CAnimate &a, FakeAnimationSystem &) { a.Visible(false); },
         {"create 0 SysAnimate32 0x44000007 0,0 0x0 in 7 -> 10", "open 10 0 101"}, true},
        {"clip refused", [](CAnimate &, FakeAnimationSystem &s) { s.openResult = 0; },
         {"create 0 SysAnimate32 0x54000007 0,0 0x0 in 7 -> 10", "paint 7 0 0", "open 10 0 101"},
         false},
        {"creation fails", [](CAnimate &, FakeAnimationSystem &s) { s.nextWindow = 0; },
         {"create 0 SysAnimate32 0x54000007 0,0 0x0 in 7 -> 0", "paint 7 0 0"}, false},
    };
    for (const OpenCase &c : cases) {
        SCOPED_TRACE(c.name);
        FakeAnimationSystem system;
        auto anim = animation(system);
        c.before(*anim, system);
        system.take();
        anim->ResourceID(101);
        EXPECT_EQ(system.take(), c.expected);
        EXPECT_EQ(anim->playing(), c.playing);
    }
}

TEST(CAnimate, ResourceNumbersThatCannotTravelInTheMessageOpenNothing)
{
    for (int32_t number : {-1, 0x10000, 70000}) {
        SCOPED_TRACE(number);
        FakeAnimationSystem system;
        auto anim = animation(system);
        anim->ResourceID(number);
        EXPECT_EQ(system.take(), (Calls{"create 0 SysAnimate32 0x54000007 0,0 0x0 in 7 -> 10",
                                        "paint 7 0 0"}));
        EXPECT_FALSE(anim->playing());
    }
}

TEST(CAnimate, FileNameAndResourceIdReplaceEachOther)
{
    FakeAnimationSystem system;
    auto anim = animation(system);
    anim->ResourceID(101);
    system.take();

    anim->FileName("/clips/giro.avi");
    EXPECT_EQ(anim->ResourceID(), 0);
    EXPECT_EQ(system.take(), (Calls{"stop 10 0 0", "open 10 0 \"/clips/giro.avi\""}));

    anim->ResourceID(102);
    EXPECT_EQ(anim->FileName(), "");
    EXPECT_EQ(system.take(), (Calls{"stop 10 0 0", "open 10 0 102"}));

    anim->FileName("");
    EXPECT_EQ(system.take(), Calls{"stop 10 0 0"}); // nothing left to open
    EXPECT_FALSE(anim->playing());
}

struct StyleChange {
    const char *name;
    std::function<void(CAnimate &)> change;
    const char *created;
};

const std::vector<StyleChange> kStyleChanges = {
    {"Transparent", [](CAnimate &a) { a.Transparent(false); },
     "create 0 SysAnimate32 0x54000005 0,0 0x0 in 7 -> 11"},
    {"Center", [](CAnimate &a) { a.Center(false); },
     "create 0 SysAnimate32 0x54000006 0,0 0x0 in 7 -> 11"},
    {"AutoPlay", [](CAnimate &a) { a.AutoPlay(false); },
     "create 0 SysAnimate32 0x54000003 0,0 0x0 in 7 -> 11"},
    {"Parent", [](CAnimate &a) { a.Parent(8); },
     "create 0 SysAnimate32 0x54000007 0,0 0x0 in 8 -> 11"},
};

TEST(CAnimate, StyleChangeOnAPlayingClipRecreatesAndPlaysAgain)
{
    for (const StyleChange &c : kStyleChanges) {
        SCOPED_TRACE(c.name);
        FakeAnimationSystem system;
        auto anim = animation(system);
        anim->ResourceID(101);
        system.take();
        c.change(*anim);
        const std::string parent = std::to_string(anim->Parent());
        EXPECT_EQ(system.take(), (Calls{"stop 10 0 0", "destroy 10", c.created, "stop 11 0 0",
                                        "open 11 0 101", "play 11 -1 0xFFFF0000",
                                        "paint " + parent + " 0 0"}));
        EXPECT_EQ(anim->hwnd(), 11);
        EXPECT_TRUE(anim->playing());
    }
}

TEST(CAnimate, StyleChangeOnAStoppedClipOnlyRecreates)
{
    for (const StyleChange &c : kStyleChanges) {
        SCOPED_TRACE(c.name);
        FakeAnimationSystem system;
        auto anim = animation(system);
        anim->ResourceID(101);
        anim->AniStop();
        system.take();
        c.change(*anim);
        const std::string parent = std::to_string(anim->Parent());
        EXPECT_EQ(system.take(),
                  (Calls{"stop 10 0 0", "destroy 10", c.created, "paint " + parent + " 0 0"}));
        EXPECT_FALSE(anim->playing());
    }
}

TEST(CAnimate, SettingsBeforeTheFirstWindowOnlyStore)
{
    FakeAnimationSystem system;
    auto anim = animation(system);
    anim->AutoPlay(false);
    anim->Center(false);
    anim->Transparent(false);
    anim->Visible(false);
    anim->Parent(9);
    anim->Move(1, 2, 3, 4);
    anim->AniStop();
    EXPECT_TRUE(system.take().empty());
    EXPECT_EQ(anim->Parent(), 9);
}

TEST(CAnimate, HidingShowsWithoutRecreatingAndLaterWindowsStayHidden)
{
    FakeAnimationSystem system;
    auto anim = animation(system);
    anim->ResourceID(101);
    system.take();
    anim->Visible(false);
    EXPECT_EQ(system.take(), Calls{"show 10 0"});
    anim->Center(false);
    EXPECT_EQ(system.take().at(2), "create 0 SysAnimate32 0x44000006 0,0 0x0 in 7 -> 11");
    anim->Visible(true);
    EXPECT_EQ(system.take(), Calls{"show 11 5"});
}

TEST(CAnimate, PlayAndStopFollowTheWindowsAnswers)
{
    FakeAnimationSystem system;
    auto anim = animation(system);
    anim->AutoPlay(false);
    anim->AniPlay(); // no window yet: made first
    EXPECT_EQ(system.take(), (Calls{"create 0 SysAnimate32 0x54000003 0,0 0x0 in 7 -> 10",
                                    "paint 7 0 0", "play 10 -1 0xFFFF0000"}));
    EXPECT_TRUE(anim->playing());

    system.stopResult = 0; // a refused stop changes nothing
    anim->AniStop();
    EXPECT_TRUE(anim->playing());
    system.stopResult = 1;
    anim->AniStop();
    EXPECT_FALSE(anim->playing());

    system.playResult = 0;
    anim->AniPlay();
    EXPECT_FALSE(anim->playing());
}

TEST(CAnimate, PlayWithoutAnyWindowFails)
{
    FakeAnimationSystem system;
    system.nextWindow = 0;
    auto anim = animation(system);
    anim->AniPlay();
    EXPECT_EQ(system.take(), (Calls{"create 0 SysAnimate32 0x54000007 0,0 0x0 in 7 -> 0",
                                    "paint 7 0 0"}));
    EXPECT_FALSE(anim->playing());
}

TEST(CAnimate, MoveKeepsTheValuesNotGiven)
{
    FakeAnimationSystem system;
    auto anim = animation(system);
    anim->Move(1, 2, 3, 4);
    anim->ResourceID(101);
    system.take();

    anim->Move({}, 9);
    EXPECT_EQ(system.take(), Calls{"move 10 1,9 3x4 repaint"});
    anim->Left(5);
    anim->Width(6);
    anim->Height(7);
    anim->Top(8);
    EXPECT_EQ(system.take(), (Calls{"move 10 5,9 3x4 repaint", "move 10 5,9 6x4 repaint",
                                    "move 10 5,9 6x7 repaint", "move 10 5,8 6x7 repaint"}));
    EXPECT_EQ(anim->Left(), 5);
    EXPECT_EQ(anim->Top(), 8);
    EXPECT_EQ(anim->Width(), 6);
    EXPECT_EQ(anim->Height(), 7);
}

TEST(CAnimate, EndOfTheObjectStopsAndDestroysItsWindow)
{
    FakeAnimationSystem system;
    auto anim = animation(system);
    anim.reset();
    EXPECT_TRUE(system.take().empty());

    anim = animation(system);
    anim->ResourceID(101);
    system.take();
    anim.reset();
    EXPECT_EQ(system.take(), (Calls{"stop 10 0 0", "destroy 10"}));
}

} // namespace
} // namespace tandara
