#include "platform/Mci.h"

#include <gtest/gtest.h>

using namespace velin;
using Verb = MciCommand::Verb;

TEST(MciCommand, ParsesTheFourCommands)
{
    struct Case {
        const char* text;
        Verb verb;
        const char* path;
    } cases[] = {
        {"close all", Verb::CloseAll, ""},
        {"open /snd/a b.wav", Verb::Open, "/snd/a b.wav"},
        {"play /snd/a.wav", Verb::Play, "/snd/a.wav"},
        {"status /snd/bgm.wav mode", Verb::StatusMode, "/snd/bgm.wav"},
        {"open ", Verb::Unknown, ""},  // a missing file's empty short path
        {"play ", Verb::Unknown, ""},
        {"fly away", Verb::Unknown, ""},
    };
    for (const Case& c : cases) {
        const MciCommand cmd = MciCommand::Parse(QString::fromUtf8(c.text));
        EXPECT_EQ(cmd.verb, c.verb) << c.text;
        EXPECT_EQ(cmd.path, QString::fromUtf8(c.path)) << c.text;
    }
}
