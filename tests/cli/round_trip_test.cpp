// load then dump, through the JSON of sitevane-cli, for random databases of bytes
// 0x01-0xFF: the lists come back but for the losses the format documents.
#include "platform/ansi.h"
#include "support/cli_run.h"
#include "support/random_database.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

nlohmann::json Utf8List(const std::vector<std::string>& texts) {
    nlohmann::json list = nlohmann::json::array();
    for (const std::string& text : texts) {
        list.push_back(AnsiToUtf8(text));
    }
    return list;
}

nlohmann::json ToJson(const RandomDatabase& database) {
    nlohmann::json links = nlohmann::json::array();
    for (const TBaseRecord& link : database.Links) {
        links.push_back({{"category", link.Category},
                         {"caption", AnsiToUtf8(link.Caption)},
                         {"url", AnsiToUtf8(link.URL)},
                         {"description", AnsiToUtf8(link.Description)},
                         {"keywords", Utf8List(link.Keywords)}});
    }
    return {{"encoding", "windows-1252"},
            {"categories", Utf8List(database.Categories)},
            {"links", links}};
}

} // namespace

TEST(CliRoundTrip, ThousandRandomDatabasesThroughLoadAndDump) {
    ScratchFolder folder;
    const std::string setup = "--setup '" + CliFolder() + "' ";
    const std::string engine = folder.Path() + "svxdb.js";
    const std::string json = folder.Path() + "database.json";
    std::mt19937 random(20261207);
    for (int round = 0; round < 1000; ++round) {
        const RandomDatabase written = MakeRandomDatabase(random);
        folder.Write("svxdb.js", "<script>\r\n//Settings\r\n//DatabaseEnd\r\n</script>");
        folder.Write("database.json", ToJson(written).dump());
        ASSERT_EQ(RunCli(setup + "load '" + engine + "' '" + json + "'").Status, 0)
            << "round " << round;
        const CliResult dump = RunCli(setup + "dump '" + engine + "'");
        ASSERT_EQ(dump.Status, 0) << "round " << round;
        ASSERT_EQ(nlohmann::json::parse(dump.Output), ToJson(ReadBack(written)))
            << "round " << round;
    }
}
