// Random databases saved and opened again come back as the format promises.
#include "commands/engine_file.h"
#include "platform/files.h"
#include "support/engine_fixture.h"
#include "support/random_database.h"

TEST_F(EngineTest, ThousandRandomDatabasesSurviveSaveAndOpen) {
    std::mt19937 random(1207);
    for (int round = 0; round < 1000; ++round) {
        const RandomDatabase written = MakeRandomDatabase(random);
        Cat->Clear();
        Base->Clear();
        for (const std::string& name : written.Categories) {
            Cat->Add(name);
        }
        for (const TBaseRecord& link : written.Links) {
            Base->Add(link);
        }
        WriteWholeFile(EngineFileName, "<script>\r\n//Settings\r\n//DatabaseEnd\r\n</script>");
        SaveEngine(Person);
        ASSERT_TRUE(Person.Messages.empty()) << Person.Messages[0].Text;
        OpenEngine(EngineFileName, Person);

        RandomDatabase read;
        for (std::int32_t i = 0; i < Cat->Count(); ++i) {
            read.Categories.push_back(Cat->GetName(i));
        }
        for (std::int32_t i = 0; i < Base->Count(); ++i) {
            read.Links.push_back(Base->GetLink(i));
        }
        const RandomDatabase expected = ReadBack(written);
        ASSERT_EQ(read.Categories, expected.Categories) << "round " << round;
        ASSERT_EQ(read.Links, expected.Links) << "round " << round;
    }
}
