#include "commands/engine_file.h"
#include "platform/files.h"
#include "platform/integer_text.h"
#include "support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class OpenEngineTest : public EngineTest {
  protected:
    // Opens a page holding the given script text.
    void Open(const std::string& script) {
        OpenEngine(Folder.Write("engine.html", "<script>\r\n" + script + "\r\n</script>"), Person);
    }

    Strings Categories() const {
        Strings names;
        for (std::int32_t i = 0; i < Cat->Count(); ++i) {
            names.push_back(Cat->GetName(i));
        }
        return names;
    }
};

} // namespace

TEST_F(OpenEngineTest, ReadsLinksSplitAtTheirFirstAndLastPlusSigns) {
    Open("var ln=new Array('3+C++ tips+search.html?q=a%2Bb','-2+Neg+n.html', '7', '8+Only "
         "caption');\n"
         "var ds=new Array('first','second');\n"
         "var kw=new Array('a++b+', '+lead', '', 'x');");
    ASSERT_EQ(Base->Count(), 4);
    EXPECT_EQ(Base->GetLink(0),
              MakeLink(3, "C++ tips", "search.html?q=a+b", "first", {"a", "", "b"}));
    EXPECT_EQ(Base->GetLink(1), MakeLink(-2, "Neg", "n.html", "second", {"", "lead"}));
    EXPECT_EQ(Base->GetLink(2), MakeLink(7, "", "")); // fewer than two "+": the rest stays empty
    EXPECT_EQ(Base->GetLink(3), MakeLink(8, "Only caption", "", "", {"x"}));
    EXPECT_EQ(Person.Refreshes, 1);
    EXPECT_EQ(EngineFileName, Folder.Path() + "engine.html");
}

TEST_F(OpenEngineTest, CategoriesKeepEmptyNamesAndEndAtAMissingComma) {
    Open("var cg=new Array('A','','B');");
    EXPECT_EQ(Categories(), Strings({"A", "", "B"}));
    EXPECT_EQ(Cat->Current, 2);
    Open("var cg=new Array('A' ,'B');");
    EXPECT_EQ(Categories(), Strings({"A"}));
    Open("var cg=new Array(\r\n  'News',\r\n  'Docs\\\\'\r\n);");
    EXPECT_EQ(Categories(), Strings({"News", "Docs\\"}));
    EXPECT_EQ(Cat->Current, 1);
}

TEST_F(OpenEngineTest, HeadsAreFoundInAnyCaseAndOrder) {
    Open("VAR CG=NEW ARRAY('Only');\nVar Kw=New Array('k');\nVAR LN=NEW ARRAY('0+C+u');");
    EXPECT_EQ(Categories(), Strings({"Only"}));
    ASSERT_EQ(Base->Count(), 1);
    EXPECT_EQ(Base->GetLink(0), MakeLink(0, "C", "u", "", {"k"}));
}

TEST_F(OpenEngineTest, TheEmptyArrayFormReadsAsNoLinksAndNoCategories) {
    Open("var ln=new Array(\r\n''\r\n);\r\nvar ds=new Array(\r\n''\r\n);\r\nvar kw=new "
         "Array(\r\n''\r\n);\r\nvar cg=new Array(\r\n''\r\n);");
    EXPECT_EQ(Base->Count(), 0);
    EXPECT_EQ(Cat->Count(), 0);
    Open("var ln=new Array('', '1+a+b');"); // an empty element among others is a link
    EXPECT_EQ(Base->Count(), 2);
}

TEST_F(OpenEngineTest, ArraysAreReadInsideTheDatabaseBlockFirst) {
    Open("var cg=new Array('Casino','Pills');\r\n//Settings\r\nvar cg=new Array('Real');\r\n"
         "var ln=new Array('0+a+b');\r\n//DatabaseEnd\r\nvar ln=new Array('1+c+d');");
    EXPECT_EQ(Categories(), Strings({"Real"}));
    ASSERT_EQ(Base->Count(), 1);
    EXPECT_EQ(Base->GetLink(0), MakeLink(0, "a", "b"));
    // Without the head in the block, the whole file is searched.
    Open("//Settings\r\n//DatabaseEnd\r\nvar cg=new Array('After');");
    EXPECT_EQ(Categories(), Strings({"After"}));
}

TEST_F(OpenEngineTest, LongerDescriptionAndKeywordArraysAreIgnored) {
    Open("var ln=new Array('1+a+b');\nvar ds=new Array('d1','d2','d3');\nvar kw=new "
         "Array('k1','k2');");
    ASSERT_EQ(Base->Count(), 1);
    EXPECT_EQ(Base->GetLink(0), MakeLink(1, "a", "b", "d1", {"k1"}));
}

TEST_F(OpenEngineTest, MissingFilesAndHeadsReadNothing) {
    Base->Add(MakeLink(1, "x", "y"));
    OpenEngine(Folder.Path() + "missing.html", Person);
    EXPECT_EQ(Base->Count(), 0);
    EXPECT_EQ(Cat->Count(), 0);
    Open("var ds=new Array('orphan');\nvar cg=new Array('C');");
    EXPECT_EQ(Base->Count(), 0);
    EXPECT_EQ(Categories(), Strings({"C"}));
    Open("var ln=new Array(");
    EXPECT_EQ(Base->Count(), 0); // cut off by the end of the file: an empty array
}

TEST_F(OpenEngineTest, ACategoryThatIsNoNumberCostsThatNumberOnly) {
    Open("var ln=new Array('1+a+b','x+c+d','2+e+f');\nvar cg=new Array('C');");
    ASSERT_EQ(Base->Count(), 3);
    EXPECT_EQ(Base->GetLink(1), MakeLink(0, "c", "d"));
    EXPECT_EQ(Base->GetLink(2), MakeLink(2, "e", "f"));
    EXPECT_EQ(Categories(), Strings({"C"}));
    EXPECT_EQ(Person.Refreshes, 1);
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text,
              "'x' is not a valid integer value (link 2)\nThe link was given category 0.");
    EXPECT_EQ(Person.Messages[0].Caption, "Warning");
}

TEST_F(OpenEngineTest, ImportAppendsLinksWithTheirOwnNumbers) {
    for (int i = 0; i < 3; ++i) {
        Base->Add(MakeLink(0, "old", "old.html"));
    }
    Cat->Add("Kept");
    Base->Current = 1;
    ImportLinks(Folder.Write("other.html",
                             "var ln=new Array('5+n1+u1','6+n2+u2');\n"
                             "var ds=new Array('d1','d2');\nvar kw=new Array('k1','k2');\n"
                             "var cg=new Array('Ignored');"),
                Person);
    ASSERT_EQ(Base->Count(), 5);
    EXPECT_EQ(Base->GetLink(3), MakeLink(5, "n1", "u1", "d1", {"k1"}));
    EXPECT_EQ(Base->GetLink(4), MakeLink(6, "n2", "u2", "d2", {"k2"}));
    EXPECT_EQ(Base->Current, 1);
    EXPECT_EQ(Categories(), Strings({"Kept"}));
    EXPECT_EQ(Person.Refreshes, 1);
}
