// The unload switch among the agent's parameters.
#include "agent_command_line.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

bool Unloads(std::initializer_list<const char*> parameters) {
    return tray::ParseAgentCommandLine(parameters).UnloadRequested();
}

}  // namespace

TEST(AgentCommandLine, UAfterASlashOrDashInEitherCaseUnloads) {
    EXPECT_TRUE(Unloads({"/U"}));
    EXPECT_TRUE(Unloads({"/u"}));
    EXPECT_TRUE(Unloads({"-U"}));
    EXPECT_TRUE(Unloads({"-u"}));
    EXPECT_TRUE(Unloads({"file", "/x", "-u", "more"}));
}

TEST(AgentCommandLine, AnythingElseIsIgnored) {
    EXPECT_FALSE(Unloads({}));
    EXPECT_FALSE(Unloads({"U", "u"}));
    EXPECT_FALSE(Unloads({"/", "-", "", "/Unload", "/uu", "--u", "//U", "/ U", "/u ", "\\u"}));
    EXPECT_FALSE(Unloads({nullptr, "/x"}));
    EXPECT_TRUE(Unloads({nullptr, "/u"}));
}
