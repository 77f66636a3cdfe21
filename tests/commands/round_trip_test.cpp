// Random databases saved and opened again come back as they were, but for the
// losses of the format: a carriage return reads as a space, a line feed is
// dropped, a "+" in a caption moves the rest into the URL, a "+" in a keyword
// splits it, an empty base reads as one empty link, and an empty category name
// ends the category list.
#include "commands/engine_file.h"
#include "platform/files.h"
#include "support/engine_fixture.h"

#include <random>

namespace {

std::string RandomText(std::mt19937& random) {
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> byte(1, 255);
    std::uniform_int_distribution<int> special(0, 9);
    const char specials[] = "+'\\\r\n</!,";
    std::string text(static_cast<std::size_t>(length(random)), ' ');
    for (char& c : text) {
        c = special(random) < 3 ? specials[special(random)] : static_cast<char>(byte(random));
    }
    return text;
}

std::string WithoutLineBreaks(std::string text) {
    std::string out;
    for (const char c : text) {
        if (c != '\n') {
            out += c == '\r' ? ' ' : c;
        }
    }
    return out;
}

// What the format gives back for a link.
TBaseRecord ReadBack(const TBaseRecord& written) {
    TBaseRecord link;
    link.Category = written.Category;
    const std::string caption = WithoutLineBreaks(written.Caption);
    const std::size_t plus = caption.find('+');
    link.Caption = caption.substr(0, plus);
    link.URL = (plus == std::string::npos ? "" : caption.substr(plus + 1) + "+") +
               WithoutLineBreaks(written.URL);
    link.Description = WithoutLineBreaks(written.Description);
    std::string joined;
    for (std::size_t k = 0; k < written.Keywords.size(); ++k) {
        joined += (k > 0 ? "+" : "") + WithoutLineBreaks(written.Keywords[k]);
    }
    std::size_t start = 0;
    std::size_t next;
    while ((next = joined.find('+', start)) != std::string::npos) {
        link.Keywords.push_back(joined.substr(start, next - start));
        start = next + 1;
    }
    if (start < joined.size()) {
        link.Keywords.push_back(joined.substr(start));
    }
    return link;
}

} // namespace

TEST_F(EngineTest, ThousandRandomDatabasesSurviveSaveAndOpen) {
    std::mt19937 random(1207);
    std::uniform_int_distribution<int> count(0, 6);
    std::uniform_int_distribution<std::int32_t> category(-5, 2147483647);
    for (int round = 0; round < 1000; ++round) {
        Cat->Clear();
        Base->Clear();
        std::vector<std::string> expectedNames;
        bool ended = false;
        for (int i = count(random); i > 0; --i) {
            const std::string name = RandomText(random);
            Cat->Add(name);
            const std::string readName = WithoutLineBreaks(name);
            ended = ended || readName.empty();
            if (!ended) {
                expectedNames.push_back(readName);
            }
        }
        std::vector<TBaseRecord> expectedLinks;
        for (int i = count(random); i > 0; --i) {
            TBaseRecord link = MakeLink(round % 3 == 0 ? category(random) : count(random) - 3,
                                        RandomText(random), RandomText(random), RandomText(random));
            for (int k = count(random) % 4; k > 0; --k) {
                link.Keywords.push_back(RandomText(random));
            }
            Base->Add(link);
            expectedLinks.push_back(ReadBack(link));
        }
        if (expectedLinks.empty()) {
            expectedLinks.emplace_back();
        }
        WriteWholeFile(EngineFileName, "<script>\r\n//Settings\r\n//DatabaseEnd\r\n</script>");
        SaveEngine(Person);
        ASSERT_TRUE(Person.Messages.empty()) << Person.Messages[0].Text;
        OpenEngine(EngineFileName, Person);

        std::vector<std::string> names;
        for (std::int32_t i = 0; i < Cat->Count(); ++i) {
            names.push_back(Cat->GetName(i));
        }
        ASSERT_EQ(names, expectedNames) << "round " << round;
        ASSERT_EQ(Base->Count(), static_cast<std::int32_t>(expectedLinks.size()))
            << "round " << round;
        for (std::size_t i = 0; i < expectedLinks.size(); ++i) {
            ASSERT_EQ(Base->GetLink(static_cast<std::int32_t>(i)), expectedLinks[i])
                << "round " << round << ", link " << i;
        }
    }
}
