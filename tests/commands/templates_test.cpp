#include "app/template_folders.h"
#include "commands/engine_file.h"
#include "platform/files.h"
#include "support/engine_fixture.h"
#include "support/fake_programs.h"

#include <algorithm>
#include <filesystem>

namespace {

const std::string EnginePage =
    "<html><script>\r\n//Settings\r\n"
    "var ln=new Array('0+Sample+sample.html');\r\nvar cg=new Array('General');\r\n"
    "//DatabaseEnd\r\n</script></html>";

class TemplatesTest : public EngineTest {
  protected:
    void SetUp() override {
        const std::string standard = "setup/Templates/Standard/";
        Folder.Write(standard + "svx.html", EnginePage);
        Folder.Write(standard + ".hidden", "hidden");
        Folder.Write(standard + "img/logo.png", "png");
        Folder.Write(standard + "img/icons/deep.svg", "svg");
    }
};

} // namespace

TEST_F(TemplatesTest, NewEngineCopiesTheTemplateAndLoadsIt) {
    const std::string site = Folder.Path() + "site/";
    CreateFolders(site);
    NewEngineFromTemplate(site + "search.html", "Standard", Person);
    EXPECT_EQ(Content(site + "search.html"), EnginePage);
    EXPECT_FALSE(FileExists(site + "svx.html"));
    EXPECT_EQ(Content(site + ".hidden"), "hidden");
    EXPECT_EQ(Content(site + "img/icons/deep.svg"), "svg");
    ASSERT_EQ(Base->Count(), 1);
    EXPECT_EQ(Base->GetLink(0).Caption, "Sample");
    EXPECT_EQ(Cat->GetName(0), "General");
    EXPECT_EQ(Person.Refreshes, 1);
    EXPECT_TRUE(Person.Questions.empty());
}

TEST_F(TemplatesTest, TheSearchPageIncludesTheNewEngineByItsName) {
    const std::string page = "<script src=\"svxdb.js\" charset=\"windows-1252\"></script>";
    Folder.Write("setup/Templates/Standard/search.html", page);
    CreateFolders(Folder.Path() + "site/");
    NewEngineFromTemplate(Folder.Path() + "site/my \"find\"#1.html", "Standard", Person);
    EXPECT_EQ(Content(Folder.Path() + "site/search.html"),
              "<script src=\"my%20%22find%22%231.html\" charset=\"windows-1252\"></script>");
    // A search page of the person's own, kept when asked, is not touched.
    Folder.Write("own/search.html", "<script src=\"svxdb.js\"></script> mine");
    Person.Answers = {Answer::No};
    NewEngineFromTemplate(Folder.Path() + "own/find.html", "Standard", Person);
    EXPECT_EQ(Content(Folder.Path() + "own/search.html"),
              "<script src=\"svxdb.js\"></script> mine");
}

TEST_F(TemplatesTest, CopyAsksBeforeReplacingAFile) {
    const std::string site = Folder.Path() + "site/";
    const std::string source = Folder.Path() + "setup/Templates/Standard/";
    Folder.Write("site/img/logo.png", "mine");
    Folder.Write("site/.hidden", "mine too");
    Person.Answers = {Answer::No, Answer::Yes};
    CopyTemplateTree(source, site, Person);
    ASSERT_EQ(Person.Questions.size(), 2u);
    const std::vector<std::string> asked = {Person.Questions[0].Text, Person.Questions[1].Text};
    const std::string logo = "File " + site + "img/logo.png is exists.\nDo you want to replace it?";
    const std::string hidden = "File " + site + ".hidden is exists.\nDo you want to replace it?";
    EXPECT_TRUE(std::count(asked.begin(), asked.end(), logo) == 1 &&
                std::count(asked.begin(), asked.end(), hidden) == 1);
    EXPECT_EQ(Person.Questions[0].Caption, "Question");
    EXPECT_EQ(Person.Questions[0].Icon, MessageIcon::Warning);
    // The first file asked about was kept, the second replaced.
    const bool logoFirst = asked[0] == logo;
    EXPECT_EQ(Content(site + "img/logo.png"), logoFirst ? "mine" : "png");
    EXPECT_EQ(Content(site + ".hidden"), logoFirst ? "hidden" : "mine too");
    EXPECT_EQ(Content(site + "svx.html"), EnginePage);
}

TEST_F(TemplatesTest, AFailedCopyIsReportedAndTheRestCopied) {
    const std::string site = Folder.Path() + "site/";
    std::filesystem::create_directories(site + "svx.html"); // a folder where the page should go
    Person.Answers = {Answer::Yes};
    CopyTemplateTree(Folder.Path() + "setup/Templates/Standard/", site, Person);
    ASSERT_EQ(Person.Messages.size(), 1u);
    EXPECT_EQ(Person.Messages[0].Text, "Cannot copy file " + Folder.Path() +
                                           "setup/Templates/Standard/svx.html\nto directory " +
                                           site);
    EXPECT_EQ(Person.Messages[0].Caption, "Error");
    EXPECT_EQ(Content(site + "img/logo.png"), "png");
}

TEST_F(TemplatesTest, SaveAsTemplateKeepsTheEngineInTheTemplate) {
    WriteWholeFile(EngineFileName, EnginePage);
    OpenEngine(EngineFileName, Person);
    Base->Add(MakeLink(0, "Added", "added.html"));
    SaveEngineAsTemplate("Mine", Person);
    const std::string page = AppSettings.TemplatesPath + "Mine/qzv.html";
    EXPECT_EQ(EngineFileName, page);
    EXPECT_NE(Content(page).find("'0+Added+added.html'"), std::string::npos);
    EXPECT_EQ(Content(Folder.Path() + "svxdb.js"), EnginePage);
    EXPECT_TRUE(Person.Messages.empty());
}

TEST_F(TemplatesTest, ThePersonsOwnTemplatesComeFirst) {
    AppSettings.UserTemplatesPath = Folder.Path() + "own/";
    Folder.Write("setup/Templates/Script/svx.html", EnginePage);
    Folder.Write("setup/Templates/Zeta/svx.html", EnginePage);
    WriteWholeFile(EngineFileName, EnginePage);
    OpenEngine(EngineFileName, Person);
    SaveEngineAsTemplate("Zeta", Person);
    SaveEngineAsTemplate("Mine", Person);
    EXPECT_EQ(EngineFileName, Folder.Path() + "own/Mine/qzv.html");
    EXPECT_EQ(TemplateNames(), std::vector<std::string>({"Mine", "Zeta", "Script", "Standard"}));
    EXPECT_EQ(TemplateFolder("Zeta"), Folder.Path() + "own/Zeta/");
    EXPECT_EQ(TemplateFolder("Script"), Folder.Path() + "setup/Templates/Script/");
}

TEST_F(TemplatesTest, SaveAsAndBuildIntoChangeTheEngineFile) {
    WriteWholeFile(EngineFileName, EnginePage);
    OpenEngine(EngineFileName, Person);
    SaveEngineAs(Folder.Path() + "copy.html", Person);
    EXPECT_EQ(EngineFileName, Folder.Path() + "copy.html");
    EXPECT_NE(Content(EngineFileName).find("//DatabaseBegin"), std::string::npos);
    EXPECT_EQ(Content(Folder.Path() + "svxdb.js"), EnginePage);

    const std::string prepared =
        Folder.Write("page.html", "<p>intro</p><script>//Settings\r\n//DatabaseEnd"
                                  "</script><p>outro</p>");
    BuildInto(prepared, Person);
    const std::string built = Content(prepared);
    EXPECT_EQ(built.rfind("<p>intro</p><script>//Settings\r\n//DatabaseBegin", 0), 0u);
    EXPECT_NE(built.find("'0+Sample+sample.html'"), std::string::npos);
    EXPECT_NE(built.find("//DatabaseEnd</script><p>outro</p>"), std::string::npos);
    EXPECT_TRUE(Person.Messages.empty());
}

TEST_F(TemplatesTest, ShowSearchOpensThePageThatSearchesTheEngine) {
    FakePrograms programs;
    programs.Add("xdg-open");
    Folder.Write("svx.html", "page");
    ShowSearch();
    EXPECT_EQ(programs.Call(), "xdg-open " + Folder.Path() + "svx.html");
}

TEST_F(TemplatesTest, ShowSearchWithoutSvxHtml) {
    {
        FakePrograms programs;
        programs.Add("xdg-open");
        EngineFileName = Folder.Path() + "find.HTML";
        ShowSearch();
        EXPECT_EQ(programs.Call(), "xdg-open " + EngineFileName);
    }
    {
        FakePrograms programs;
        programs.Add("xdg-open");
        EngineFileName = Folder.Path() + "svxdb.js";
        ShowSearch();
        EXPECT_EQ(programs.Call(), "xdg-open " + Folder.Path() + "search.html");
    }
}
