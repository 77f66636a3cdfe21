// Random databases saved and opened again come back as the format promises.
#include "app/engine_format.h"
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

TEST_F(EngineTest, LinksHeldWrittenSaveTheBytesOfTheBase) {
    std::mt19937 random(1208);
    for (int round = 0; round < 200; ++round) {
        const RandomDatabase database = MakeRandomDatabase(random);
        Base->Clear();
        TWrittenLinks written;
        for (const TBaseRecord& link : database.Links) {
            Base->Add(link);
            written.Add(link);
        }
        const std::string empty = "<p>\r\n//Settings\r\n//DatabaseEnd\r\n</p>";
        WriteWholeFile(EngineFileName, empty);
        SaveEngine(Person);
        std::string fromBase;
        ASSERT_TRUE(ReadWholeFile(EngineFileName, fromBase));
        WriteWholeFile(EngineFileName, empty);
        SaveEngineWithLinks([&written](OutputFile& file) { return written.WriteToFile(file); },
                            Person);
        ASSERT_TRUE(Person.Messages.empty()) << Person.Messages[0].Text;
        std::string fromWritten;
        ASSERT_TRUE(ReadWholeFile(EngineFileName, fromWritten));
        ASSERT_EQ(fromWritten, fromBase) << "round " << round;
    }
}
