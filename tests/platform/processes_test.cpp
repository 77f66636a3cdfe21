#include "platform/files.h"
#include "platform/processes.h"
#include "support/scratch_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

bool WaitForFile(const std::string& path) {
    for (int i = 0; i < 200 && !FileExists(path); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    return FileExists(path);
}

} // namespace

TEST(Processes, StartsADetachedProgramWithItsArguments) {
    ScratchFolder folder;
    const std::string script =
        folder.Write("record", "#!/bin/sh\nprintf '%s|' \"$@\" > \"$0.out\"\n");
    ::chmod(script.c_str(), 0755);
    ASSERT_TRUE(StartDetached(script, {"a b", "c"}));
    ASSERT_TRUE(WaitForFile(script + ".out"));
    std::string output;
    for (int i = 0; i < 200 && output.empty(); ++i) {
        ReadWholeFile(script + ".out", output);
    }
    EXPECT_EQ(output, "a b|c|");
}

TEST(Processes, MissingProgramsAreReported) {
    EXPECT_FALSE(StartDetached("/nonexistent/program", {}));
    EXPECT_FALSE(StartDetached("", {}));
    EXPECT_EQ(FindProgram("no-such-program-anywhere"), "");
    EXPECT_EQ(FindProgram("sh").back(), 'h');
}
