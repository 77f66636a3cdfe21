// sitevane-cli run as a separate process, as scripts run it.
#include "platform/files.h"
#include "platform/user_folders.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(Cli, SettingsOnACleanMachineAreTheDefaults) {
    RelocatedRegistry registry;
    const CliResult run = RunCli("settings");
    ASSERT_EQ(run.Status, 0);
    const auto settings = nlohmann::json::parse(run.Output);
    EXPECT_EQ(settings["SetupDir"], CliFolder());
    EXPECT_EQ(settings["TemplatesPath"], CliFolder() + "Templates/");
    EXPECT_EQ(settings["ProjectsPath"], UserDocumentsFolder());
    EXPECT_EQ(settings["DefEngineName"], "svxdb.js");
    EXPECT_EQ(settings["BeginSignature"], "//Settings");
    EXPECT_EQ(settings["EndSignature"], "//DatabaseEnd");
    EXPECT_EQ(settings["X0"], 0);
    EXPECT_EQ(settings["Y0"], 0);
    EXPECT_EQ(settings["DX"], 640);
    EXPECT_EQ(settings["DY"], 400);
    EXPECT_EQ(settings["Maximize"], false);
    EXPECT_EQ(settings["ExtensionList"],
              nlohmann::json({"html", "htm", "shtml", "phtml", "php", "asp", "jsp", "txt", "asc",
                              "pdf", "rtf", "mp3", "m3u"}));
    EXPECT_EQ(settings["IndexDepthLimit"], 1024 * 1024); // the shipped set.xml: whole pages
    EXPECT_TRUE(FileExists(registry.Path() + "machine.conf"));
}

TEST(Cli, SettingsFromAGivenProgramFolder) {
    RelocatedRegistry registry;
    ScratchFolder setup;
    setup.Write("set.xml",
                "<settings><IndexDepthLimit value=\"64\"/><Extensions value=\"htm, caf\xE9\"/>");
    const CliResult run = RunCli("--setup '" + setup.Path() + "' settings");
    ASSERT_EQ(run.Status, 0);
    const auto settings = nlohmann::json::parse(run.Output);
    EXPECT_EQ(settings["IndexDepthLimit"], 65536);
    EXPECT_EQ(settings["ExtensionList"], nlohmann::json({"htm", "caf\xC3\xA9"}));
    EXPECT_EQ(settings["TemplatesPath"], setup.Path() + "Templates/");
    EXPECT_FALSE(FileExists(registry.Path() + "machine.conf"));
}

TEST(Cli, AnInstalledProgramFindsItsShareFolder) {
    RelocatedRegistry registry;
    ScratchFolder prefix;
    CreateFolders(prefix.Path() + "bin");
    ASSERT_TRUE(CopyFile(SITEVANE_CLI, prefix.Path() + "bin/sitevane-cli", false));
    std::filesystem::permissions(prefix.Path() + "bin/sitevane-cli",
                                 std::filesystem::perms::owner_all);
    prefix.Write("share/sitevane/set.xml", "<settings><IndexDepthLimit value=\"3\"/>");
    // The build tree's program starts first and writes its defaults.
    ASSERT_EQ(RunCli("settings").Status, 0);
    const CliResult run = RunProgram(prefix.Path() + "bin/sitevane-cli", "settings");
    ASSERT_EQ(run.Status, 0);
    const auto settings = nlohmann::json::parse(run.Output);
    EXPECT_EQ(settings["SetupDir"], prefix.Path() + "share/sitevane/");
    EXPECT_EQ(settings["TemplatesPath"], prefix.Path() + "share/sitevane/Templates/");
    EXPECT_EQ(settings["IndexDepthLimit"], 3072);
    // and the build tree's program still finds its own folder.
    EXPECT_EQ(nlohmann::json::parse(RunCli("settings").Output)["SetupDir"], CliFolder());
}

TEST(Cli, HelpAndVersionAnswerWithoutAWindow) {
    const std::string window = CliFolder() + "sitevane";
    ScopedEnvironment noDisplay("QT_QPA_PLATFORM", "none-such");
    EXPECT_EQ(RunProgram(window, "--version").Output, "sitevane 5.1.0\n");
    const CliResult help = RunProgram(window, "--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_EQ(help.Output.rfind("Usage: sitevane [ENGINE", 0), 0u);
    EXPECT_EQ(RunProgram(window, "--helpp").Status, 2);
    EXPECT_EQ(RunCli("--version").Output, "sitevane-cli 5.1.0\n");
}

TEST(Cli, TokensPrintsOneJsonObjectALine) {
    ScratchFolder folder;
    const std::string file = folder.Write("page.html", "<b>caf&eacute;</b>\r");
    const CliResult run = RunCli("tokens '" + file + "'");
    ASSERT_EQ(run.Status, 0);
    EXPECT_EQ(run.Output, "{\"kind\":5,\"name\":\"tkTagOpen\",\"text\":\"<\"}\n"
                          "{\"kind\":13,\"name\":\"tkWord\",\"text\":\"b\"}\n"
                          "{\"kind\":6,\"name\":\"tkTagClose\",\"text\":\">\"}\n"
                          "{\"kind\":13,\"name\":\"tkWord\",\"text\":\"caf\xC3\xA9\"}\n"
                          "{\"kind\":7,\"name\":\"tkEndTagOpen\",\"text\":\"</\"}\n"
                          "{\"kind\":13,\"name\":\"tkWord\",\"text\":\"b\"}\n"
                          "{\"kind\":6,\"name\":\"tkTagClose\",\"text\":\">\"}\n"
                          "{\"kind\":3,\"name\":\"tkLineEnd\",\"text\":\"\"}\n"
                          "{\"kind\":0,\"name\":\"tkEnd\",\"text\":\"\"}\n");
}

TEST(Cli, FailuresAndUsageErrorsHaveTheirStatus) {
    EXPECT_EQ(RunCli("tokens /nonexistent/file").Status, 1);
    EXPECT_EQ(RunCli("").Status, 2);
    EXPECT_EQ(RunCli("no-such-command").Status, 2);
    EXPECT_EQ(RunCli("tokens").Status, 2);
    const CliResult help = RunCli("--help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Output.find("tokens"), std::string::npos);
}
