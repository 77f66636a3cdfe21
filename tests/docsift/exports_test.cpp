// The library's dynamic symbol table shows its five functions and nothing else
// of its own.
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

TEST(DocsiftExports, OnlyTheFiveFunctions) {
    FILE* pipe =
        ::popen((std::string("nm -D --defined-only '") + DOCSIFT_LIBRARY + "'").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0) {
        output.append(chunk, got);
    }
    ASSERT_EQ(::pclose(pipe), 0);
    std::vector<std::string> names;
    std::istringstream lines(output);
    for (std::string address, type, name; lines >> address >> type >> name;) {
        names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              std::vector<std::string>({"GetDocInfo", "GetTextContent", "GetTextContentFormated",
                                        "GetUnicodeTextContent", "GetUnicodeTextContentFormated"}));
}
