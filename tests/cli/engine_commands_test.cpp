#include "platform/files.h"
#include "support/cli_run.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

std::string WithProgramFolder() {
    return "--setup '" + CliFolder() + "' ";
}

} // namespace

TEST(CliEngine, NewLoadAndDumpKeepTheDatabase) {
    ScratchFolder folder;
    const std::string engine = folder.Path() + "svxdb.js";
    ASSERT_EQ(RunCli(WithProgramFolder() + "new '" + engine + "' Standard").Status, 0);
    EXPECT_TRUE(FileExists(folder.Path() + "search.html"));
    EXPECT_FALSE(FileExists(folder.Path() + "svx.html"));

    const nlohmann::json database = {{"categories", {"Caf\xC3\xA9s", "Tea"}},
                                     {"links",
                                      {{{"category", 1},
                                        {"caption", "Green & black"},
                                        {"url", "tea/index.html"},
                                        {"description", "it's \xE2\x82\xAC 3"},
                                        {"keywords", {"tea", "dont_update"}}},
                                       {{"category", -4},
                                        {"caption", ""},
                                        {"url", "x.html"},
                                        {"description", ""},
                                        {"keywords", nlohmann::json::array()}}}}};
    const std::string json = folder.Write("database.json", database.dump());
    ASSERT_EQ(RunCli(WithProgramFolder() + "load '" + engine + "' '" + json + "'").Status, 0);
    std::string saved;
    ReadWholeFile(engine, saved);
    // The shipped templates are UTF-8 engines.
    EXPECT_NE(saved.find("  'Caf\xC3\xA9s',\r\n"), std::string::npos);
    EXPECT_NE(saved.find("  'it\\'s \xE2\x82\xAC 3',\r\n"), std::string::npos);

    const CliResult dump = RunCli(WithProgramFolder() + "dump '" + engine + "'");
    ASSERT_EQ(dump.Status, 0);
    nlohmann::json dumped = nlohmann::json::parse(dump.Output);
    EXPECT_EQ(dumped["encoding"], "utf-8");
    dumped.erase("encoding");
    EXPECT_EQ(dumped, database);
}

TEST(CliEngine, AUtf8EngineKeepsEveryCharacter) {
    ScratchFolder folder;
    const std::string engine = folder.Write(
        "svx.html", "<meta charset=\"UTF-8\"><script>\r\n//Settings\r\n//DatabaseEnd\r\n</script>");
    const nlohmann::json database = {
        {"encoding", "utf-8"},
        {"categories", {"\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"}},
        {"links",
         {{{"category", 0},
           {"caption", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 Caf\xC3\xA9"},
           {"url", "a.html"},
           {"description", "\xE2\x82\xAC 3"},
           {"keywords", {"\xE6\x9D\xB1\xE4\xBA\xAC"}}}}}};
    const std::string json = folder.Write("database.json", database.dump());
    ASSERT_EQ(RunCli(WithProgramFolder() + "load '" + engine + "' '" + json + "'").Status, 0);
    std::string saved;
    ReadWholeFile(engine, saved);
    EXPECT_NE(
        saved.find("  '0+\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 Caf\xC3\xA9+a.html'"),
        std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(RunCli(WithProgramFolder() + "dump '" + engine + "'").Output),
              database);
    // Saved again unchanged, the file keeps every byte.
    ASSERT_EQ(RunCli(WithProgramFolder() + "load '" + engine + "' '" + json + "'").Status, 0);
    std::string again;
    ReadWholeFile(engine, again);
    EXPECT_EQ(again, saved);
}

TEST(CliEngine, ConvertEngineKeepsEveryText) {
    ScratchFolder folder;
    const std::string engine = folder.Path() + "svxdb.js";
    ASSERT_EQ(RunCli(WithProgramFolder() + "new '" + engine + "' Standard").Status, 0);
    const std::string json = folder.Write(
        "database.json", R"({"categories":["Caf\u00e9"],"links":[{"caption":"\u20ac 3"}]})");
    ASSERT_EQ(RunCli(WithProgramFolder() + "load '" + engine + "' '" + json + "'").Status, 0);
    const auto dump = [&] {
        return nlohmann::json::parse(RunCli(WithProgramFolder() + "dump '" + engine + "'").Output);
    };
    nlohmann::json before = dump();
    ASSERT_EQ(RunCli(WithProgramFolder() + "convert-engine '" + engine + "' --to utf-8").Status, 0);
    nlohmann::json after = dump();
    EXPECT_EQ(after["encoding"], "utf-8");
    before.erase("encoding");
    after.erase("encoding");
    EXPECT_EQ(after, before);
}

TEST(CliEngine, FailuresEndWithTheirMessage) {
    ScratchFolder folder;
    const std::string page = folder.Write("page.html", "<html>no engine</html>");
    const std::string json = folder.Write("database.json", R"({"categories":[],"links":[]})");
    const CliResult load = RunCli(WithProgramFolder() + "load '" + page + "' '" + json + "'", true);
    EXPECT_EQ(load.Status, 1);
    EXPECT_EQ(load.Output, "Search engine is not found in this file. Saving was not completed.\n");

    EXPECT_EQ(RunCli(WithProgramFolder() + "dump '" + folder.Path() + "missing.js'").Status, 1);
    EXPECT_EQ(RunCli(WithProgramFolder() + "new '" + folder.Path() + "e.js' NoSuchTemplate").Status,
              1);
    const std::string bad = folder.Write("bad.js", "var ln=new Array('x+a+b');");
    const CliResult dump = RunCli(WithProgramFolder() + "dump '" + bad + "'", true);
    EXPECT_EQ(dump.Status, 1);
    EXPECT_EQ(dump.Output,
              "'x' is not a valid integer value (link 1)\nThe link was given category 0.\n");
    const std::string broken = folder.Write("broken.json", "{not json");
    const std::string engine = folder.Write("engine.js", "//Settings\r\n//DatabaseEnd\r\n");
    EXPECT_EQ(RunCli(WithProgramFolder() + "load '" + engine + "' '" + broken + "'").Status, 1);
}

// dump prints and load reads one link at a time: the text stays that of the
// whole document printed at once, and load answers as reading the whole
// document first would.
TEST(CliEngine, LinksTakenOneByOneAsFromTheWholeDocument) {
    ScratchFolder folder;
    const std::string engine = folder.Write("engine.js", "//Settings\r\n//DatabaseEnd\r\n");
    const auto load = [&](const std::string& json) {
        return RunCli(WithProgramFolder() + "load '" + engine + "' '" +
                          folder.Write("database.json", json) + "'",
                      true);
    };
    const auto dump = [&] { return RunCli(WithProgramFolder() + "dump '" + engine + "'").Output; };

    ASSERT_EQ(load(R"({"links":[{"caption":"a"}],"categories":["x"],)"
                   R"("links":[{"caption":"b","keywords":[]},{"url":"u","keywords":["k","l"]}]})")
                  .Status,
              0);
    const std::string text = dump();
    EXPECT_EQ(text, nlohmann::ordered_json::parse(text).dump(1) + "\n");
    EXPECT_EQ(nlohmann::json::parse(text)["links"].size(), 2u);
    ASSERT_EQ(load(R"({"categories":[],"links":[]})").Status, 0);
    EXPECT_EQ(dump(),
              "{\n \"encoding\": \"windows-1252\",\n \"categories\": [],\n \"links\": []\n}\n");

    EXPECT_EQ(load(R"({"links":[{"caption":5}],"categories":[[1]]})").Output,
              "[json.exception.type_error.302] type must be string, but is array\n");
    EXPECT_EQ(load(R"({"categories":[],"links":[{"caption":5}, }])").Output,
              "[json.exception.parse_error.101] parse error at line 1, column 42: syntax error "
              "while parsing value - unexpected '}'; expected '[', '{', or a literal\n");
    EXPECT_EQ(load(R"({"categories":[],"links":[{"caption":5}],"links":[]})").Status, 0);
}

TEST(CliEngine, NewAnswersNoWhenAFileWouldBeReplaced) {
    ScratchFolder folder;
    folder.Write("search.html", "my own page");
    const CliResult run =
        RunCli(WithProgramFolder() + "new '" + folder.Path() + "svxdb.js' Standard", true);
    EXPECT_EQ(run.Status, 0);
    EXPECT_NE(run.Output.find("search.html is exists.\nDo you want to replace it? No"),
              std::string::npos);
    std::string kept;
    ReadWholeFile(folder.Path() + "search.html", kept);
    EXPECT_EQ(kept, "my own page");
    EXPECT_TRUE(FileExists(folder.Path() + "svxdb.js"));
}
