// Saves of a large engine killed at random moments or run two at once: the
// engine's name always names a complete file.
#include "platform/files.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace {

class SaveSafetyTest : public ::testing::Test {
  protected:
    SaveSafetyTest() {
        Engine = Folder.Path() + "svxdb.js";
        EXPECT_EQ(RunCli("--setup '" + CliFolder() + "' new '" + Engine + "' Standard").Status, 0);
        for (const char* name : {"a", "b"}) {
            nlohmann::json links = nlohmann::json::array();
            for (int i = 0; i < 100000; ++i) {
                links.push_back({{"category", i % 7},
                                 {"caption", std::string("Page ") + name + std::to_string(i)},
                                 {"url", "pages/" + std::to_string(i) + ".html"},
                                 {"description", "About page number " + std::to_string(i)},
                                 {"keywords", {"alpha", name, std::to_string(i)}}});
            }
            Databases.push_back(Folder.Write(
                std::string(name) + ".json",
                nlohmann::json{{"categories", {"One", "Two"}}, {"links", links}}.dump()));
        }
    }

    // Starts sitevane-cli load of database i into the engine.
    pid_t StartLoad(std::size_t i) const {
        const std::string cli = SITEVANE_CLI;
        const std::string setup = CliFolder();
        std::vector<std::string> words = {cli, "--setup", setup, "load", Engine, Databases[i]};
        std::vector<char*> argv;
        for (std::string& word : words) {
            argv.push_back(word.data());
        }
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        pid_t child = -1;
        EXPECT_EQ(posix_spawn(&child, cli.c_str(), &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        return child;
    }

    static int Wait(pid_t child) {
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    ScratchFolder Folder;
    std::string Engine;
    std::vector<std::string> Databases;
};

} // namespace

TEST_F(SaveSafetyTest, AKilledSaveLeavesTheOldOrTheNewEngine) {
    std::vector<std::string> versions;
    std::chrono::steady_clock::duration longest{};
    for (std::size_t i = 0; i < 2; ++i) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(Wait(StartLoad(i)), 0);
        longest = std::max(longest, std::chrono::steady_clock::now() - start);
        versions.push_back(FileContent(Engine));
    }
    ASSERT_NE(versions[0], versions[1]);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<long long> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(longest).count() * 11 / 10);
    int killedBeforeTheEnd = 0;
    for (int round = 0; round < 50; ++round) {
        const pid_t child = StartLoad(static_cast<std::size_t>(round % 2));
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(child, SIGKILL);
        killedBeforeTheEnd += Wait(child) == -1 ? 1 : 0;
        const std::string saved = FileContent(Engine);
        ASSERT_TRUE(saved == versions[0] || saved == versions[1]) << "round " << round;
    }
    EXPECT_GT(killedBeforeTheEnd, 25);
    // The next save clears what the killed ones left behind.
    ASSERT_EQ(Wait(StartLoad(0)), 0);
    std::vector<FolderEntry> entries;
    ListFolder(Folder.Path(), entries);
    for (const FolderEntry& entry : entries) {
        EXPECT_EQ(entry.Name.find("~temp"), std::string::npos) << entry.Name;
    }
}

TEST_F(SaveSafetyTest, TwoSavesAtOnceBothSucceedOneAfterTheOther) {
    std::vector<std::string> versions;
    for (std::size_t i = 0; i < 2; ++i) {
        ASSERT_EQ(Wait(StartLoad(i)), 0);
        versions.push_back(FileContent(Engine));
    }
    for (int round = 0; round < 5; ++round) {
        const pid_t first = StartLoad(0);
        const pid_t second = StartLoad(1);
        EXPECT_EQ(Wait(first), 0);
        EXPECT_EQ(Wait(second), 0);
        const std::string saved = FileContent(Engine);
        ASSERT_TRUE(saved == versions[0] || saved == versions[1]) << "round " << round;
    }
}
