#include "platform/files.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

TEST(CliRate, PrintsTheKeywordsBestFirst) {
    ScratchFolder setup;
    setup.Write("tags.xml", "<tags><title rating=\"300\"/></tags>");
    setup.Write("words.xml", "<words><group rating=\"0\">the</group></words>");
    setup.Write("set.xml",
                "<settings><KeysCount value=\"2\"/><CountWeight value=\"100\"/>"
                "<TagWeight value=\"100\"/><StopWordsMinimalRating value=\"1\"/></settings>");
    const std::string page =
        setup.Write("page.html", "<title>Caf&eacute;</title> the the the tea tea tea tea tea milk");
    const CliResult run = RunCli("--setup '" + setup.Path() + "' rate '" + page + "'");
    ASSERT_EQ(run.Status, 0);
    const auto words = nlohmann::json::parse(run.Output);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0]["word"], "tea");
    EXPECT_EQ(words[0]["count"], 5);
    EXPECT_EQ(words[0]["score"], 5.0);
    EXPECT_EQ(words[1]["word"], "caf\xC3\xA9");
    EXPECT_EQ(words[1]["position"], 11);
    EXPECT_EQ(words[1]["rating"], 3.0);
    EXPECT_EQ(words[1]["score"], 4.0);
}

TEST(CliRate, AConversionErrorEndsWithItsMessage) {
    ScratchFolder setup;
    setup.Write("tags.xml", "<tags><b rating=\"x\"/></tags>");
    const std::string page = setup.Write("empty.html", "");
    const CliResult run = RunCli("--setup '" + setup.Path() + "' rate '" + page + "'", true);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Output, "'' is not a valid integer value\n");
}

TEST(CliRate, APageThatCannotBeReadFails) {
    for (const std::string page : {"/no/such/page.html", "/dev/null"}) {
        const CliResult run = RunCli("rate " + page, true);
        EXPECT_EQ(run.Status, 1) << page;
        EXPECT_EQ(run.Output, "Cannot open file " + page + "\n");
        EXPECT_EQ(RunCli("index " + page + " /tmp/svxdb.js").Status, 1) << page;
    }
}

TEST(CliEngine, NewRefusesAnExistingFile) {
    ScratchFolder folder;
    const std::string engine = folder.Write("svxdb.js", "mine");
    const CliResult run =
        RunCli("--setup '" + CliFolder() + "' new '" + engine + "' Standard", true);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Output, "The file " + engine + " exists already\n");
    std::string content;
    ReadWholeFile(engine, content);
    EXPECT_EQ(content, "mine");
}
