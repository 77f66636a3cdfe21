#include "commands/engine_file.h"
#include "platform/ansi.h"
#include "platform/files.h"
#include "support/engine_fixture.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string Head = "<html>\r\n<script>\r\n//settings\r\n";
const std::string Tail = std::string("//DatabaseEnd\r\n</script>\r\n\0\x01\xFF binary tail", 36);
const std::string ExampleBlock = "//DatabaseBegin\r\n"
                                 "var ln=new Array(\r\n"
                                 "  '1+Bob\\'s page+docs\\\\a.html'\r\n"
                                 ");\r\n"
                                 "var ds=new Array(\r\n"
                                 "  ''\r\n"
                                 ");\r\n"
                                 "var kw=new Array(\r\n"
                                 "  'alpha+beta'\r\n"
                                 ");\r\n"
                                 "var cg=new Array(\r\n"
                                 "  'News',\r\n"
                                 "  'Docs'\r\n"
                                 ");\r\n";

class SaveEngineTest : public EngineTest {
  protected:
    void SetUp() override {
        Cat->Add("News");
        Cat->Add("Docs");
        Base->Add(MakeLink(1, "Bob's page", "docs\\a.html", "", {"alpha", "beta"}));
        Original = Head + "old block\r\n" + Tail;
        Folder.Write("svxdb.js", Original);
    }

    // No temporary file of a save is left behind.
    void ExpectNoTemporaryFiles() {
        EXPECT_FALSE(FileExists(EngineFileName + "~temp~"));
        EXPECT_FALSE(FileExists(EngineFileName + "~temp1~"));
    }

    void ExpectOneError(const std::string& text) {
        ASSERT_EQ(Person.Messages.size(), 1u);
        EXPECT_EQ(Person.Messages[0].Text, text);
        EXPECT_EQ(Person.Messages[0].Caption, "Error");
        EXPECT_EQ(Person.Messages[0].Icon, MessageIcon::Error);
    }

    std::string Original;
};

} // namespace

TEST_F(SaveEngineTest, WritesTheBlockBetweenHeadAndTailByteForByte) {
    SaveEngine(Person);
    EXPECT_TRUE(Person.Messages.empty());
    const std::string first = Content(EngineFileName);
    EXPECT_EQ(first, Head + ExampleBlock + Tail);
    ExpectNoTemporaryFiles();
    SaveEngine(Person);
    EXPECT_EQ(Content(EngineFileName), first);
}

TEST_F(SaveEngineTest, EmptyListsAreWrittenAsOneEmptyString) {
    Base->Clear();
    Cat->Clear();
    SaveEngine(Person);
    EXPECT_EQ(Content(EngineFileName),
              Head +
                  "//DatabaseBegin\r\nvar ln=new Array(\r\n''\r\n);\r\n"
                  "var ds=new Array(\r\n''\r\n);\r\nvar kw=new Array(\r\n''\r\n);\r\n"
                  "var cg=new Array(\r\n''\r\n);\r\n" +
                  Tail);
}

TEST_F(SaveEngineTest, MissingSignaturesLeaveThePageAlone) {
    for (const std::string& page :
         {std::string("<html>no engine here</html>"), Head + "no end signature",
          std::string("<script>//Settings"), std::string("//Settings\r")}) {
        Person.Messages.clear();
        Folder.Write("svxdb.js", page);
        SaveEngine(Person);
        ExpectOneError(EngineNotFoundMessage);
        EXPECT_EQ(Content(EngineFileName), page);
        ExpectNoTemporaryFiles();
    }
}

TEST_F(SaveEngineTest, AMissingEngineFileIsReported) {
    EngineFileName = Folder.Path() + "missing.html";
    SaveEngine(Person);
    ExpectOneError(std::string(CannotSaveMessage) + "\n" + EngineFileName + ": " +
                   std::strerror(ENOENT));
    ExpectNoTemporaryFiles();
}

TEST_F(SaveEngineTest, AFailedWriteNeverReplacesTheEngine) {
    // A child whose files may not grow past 100 bytes: every write of the new
    // page fails after the first block.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool saved = SaveEngine(Person);
        ::_exit(!saved && Person.Messages.size() == 1 &&
                        Person.Messages[0].Text == std::string(CannotSaveMessage) + "\n" +
                                                       EngineFileName + ": " + std::strerror(EFBIG)
                    ? 0
                    : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Content(EngineFileName), Original);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()),
                            std::filesystem::directory_iterator()),
              1); // the partial file is gone
}

TEST_F(SaveEngineTest, NamesPlantedBesideTheEngineAreNeitherFollowedNorInTheWay) {
    // A link planted under the temporary name leads to a file it must not reach;
    // a stale previous copy from an interrupted save is replaced.
    const std::string victim = Folder.Write("victim.txt", "keep me");
    ASSERT_EQ(::symlink(victim.c_str(), (EngineFileName + "~temp~").c_str()), 0);
    Folder.Write("svxdb.js~temp1~", "left over by an earlier save");
    EXPECT_TRUE(SaveEngine(Person));
    EXPECT_TRUE(Person.Messages.empty());
    EXPECT_EQ(Content(EngineFileName), Head + ExampleBlock + Tail);
    EXPECT_EQ(Content(victim), "keep me");
    EXPECT_FALSE(FileExists(EngineFileName + "~temp1~"));
}

TEST_F(SaveEngineTest, ALinkedEngineIsSavedIntoItsTargetWithItsMode) {
    const std::string target = EngineFileName;
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    EngineFileName = Folder.Path() + "link.js";
    ASSERT_EQ(::symlink(target.c_str(), EngineFileName.c_str()), 0);
    EXPECT_TRUE(SaveEngine(Person));
    struct stat link {};
    ASSERT_EQ(::lstat(EngineFileName.c_str(), &link), 0);
    EXPECT_TRUE(S_ISLNK(link.st_mode));
    EXPECT_EQ(Content(target), Head + ExampleBlock + Tail);
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(SaveEngineTest, AReadOnlyEngineIsRefused) {
    const std::string readOnly =
        std::string(CannotSaveMessage) + "\nThe file " + EngineFileName + " is read-only.";
    ASSERT_EQ(::chmod(EngineFileName.c_str(), 0444), 0);
    EXPECT_FALSE(SaveEngine(Person));
    ExpectOneError(readOnly.c_str());
    EXPECT_EQ(Content(EngineFileName), Original);
    ExpectNoTemporaryFiles();

    // A file of another user in a folder anyone may write: refused too, not
    // replaced by a file of this user's. Only root can play both users.
    if (::geteuid() != 0) {
        return;
    }
    ASSERT_EQ(::chmod(EngineFileName.c_str(), 0644), 0);
    ASSERT_EQ(::chmod(Folder.Path().c_str(), 0777), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
            ::_exit(3);
        }
        Person.Messages.clear();
        const bool saved = SaveEngine(Person);
        ::_exit(!saved && Person.Messages.size() == 1 && Person.Messages[0].Text == readOnly ? 0
                                                                                             : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(Folder.Path().c_str(), 0700);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Content(EngineFileName), Original);
}

TEST_F(SaveEngineTest, AReadOnlyFolderKeepsTheEngine) {
    // Root may write anywhere, so the save runs in a child without that right.
    const std::string folder = Folder.Path() + "site";
    ASSERT_TRUE(CreateFolders(folder));
    EngineFileName = folder + "/svxdb.js";
    WriteWholeFile(EngineFileName, Original);
    ::chmod(EngineFileName.c_str(), 0666); // the file itself may be written
    ::chmod(Folder.Path().c_str(), 0755);
    ::chmod(folder.c_str(), 0555);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            ::_exit(3);
        }
        SaveEngine(Person);
        const std::string expected =
            std::string(CannotSaveMessage) + "\n" + EngineFileName + ": " + std::strerror(EACCES);
        ::_exit(Person.Messages.size() == 1 && Person.Messages[0].Text == expected ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(folder.c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Content(EngineFileName), Original);
    ExpectNoTemporaryFiles();
}

TEST_F(SaveEngineTest, TextsThatWouldBreakTheScriptAreWrittenSafely) {
    Base->Clear();
    Cat->Clear();
    Cat->Add("A</script><script>alert(1)</script><!--x");
    Base->Add(MakeLink(0, "line\r\nbreak", "a\\b", "it's", {"k\n1"}));
    SaveEngine(Person);
    const std::string saved = Content(EngineFileName);
    EXPECT_NE(saved.find("  '0+line break+a\\\\b'\r\n"), std::string::npos);
    EXPECT_NE(saved.find("  'it\\'s'\r\n"), std::string::npos);
    EXPECT_NE(saved.find("  'k1'\r\n"), std::string::npos);
    EXPECT_NE(saved.find("  'A<\\/script><\\script>alert(1)<\\/script><\\!--x'\r\n"),
              std::string::npos);

    OpenEngine(EngineFileName, Person);
    EXPECT_EQ(Cat->GetName(0), "A</script><script>alert(1)</script><!--x");
    EXPECT_EQ(Base->GetLink(0), MakeLink(0, "line break", "a\\b", "it's", {"k1"}));
}

TEST_F(SaveEngineTest, AFullDiskKeepsTheEngine) {
    const std::string disk = Folder.Path() + "disk";
    ASSERT_TRUE(CreateFolders(disk));
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "mounting a small disk needs root";
    }
    EngineFileName = disk + "/svxdb.js";
    WriteWholeFile(EngineFileName, Original);
    for (int i = 0; i < 2000; ++i) {
        Base->Add(MakeLink(0, std::string(100, 'c'), "u.html"));
    }
    EXPECT_FALSE(SaveEngine(Person));
    ExpectOneError(std::string(CannotSaveMessage) + "\n" + EngineFileName + ": " +
                   std::strerror(ENOSPC));
    EXPECT_EQ(Content(EngineFileName), Original);
    std::vector<FolderEntry> entries;
    ListFolder(disk, entries);
    EXPECT_EQ(entries.size(), 1u);
    ::umount(disk.c_str());
}

TEST_F(SaveEngineTest, TheDatabaseHoldsAnyTextAndReadsItBack) {
    Base->Clear();
    Cat->Clear();
    Cat->Add("");
    Cat->Add("After an empty name");
    Base->Add(MakeLink(1, "JavaScript arrays: var cg=new Array('Casino','Pills'", "c++/a+b.html",
                       "ends with //DatabaseEnd and //databaseend", {"VAR LN=NEW ARRAY(", ""}));
    Base->Add(MakeLink(0, "C++ tips", "tips.html", "<\n/script> <\r\n/SCRIPT> <!-- <ScRiPt", {""}));
    ASSERT_TRUE(SaveEngine(Person));
    const std::string saved = Content(EngineFileName);
    const std::size_t blockStart = saved.find("//DatabaseBegin");
    const std::string block =
        AnsiUpperCase(saved.substr(blockStart, saved.rfind("//DatabaseEnd") - blockStart));
    for (const char* head :
         {"VAR LN=NEW ARRAY(", "VAR DS=NEW ARRAY(", "VAR KW=NEW ARRAY(", "VAR CG=NEW ARRAY("}) {
        EXPECT_EQ(block.find(head), block.rfind(head)) << head; // only the array's own
    }
    for (const char* broken : {"//DATABASEEND", "</", "<!", "<SCRIPT"}) {
        EXPECT_EQ(block.find(broken), std::string::npos) << broken;
    }
    const std::vector<TBaseRecord> written = {Base->GetLink(0), Base->GetLink(1)};
    OpenEngine(EngineFileName, Person);
    ASSERT_EQ(Cat->Count(), 2);
    EXPECT_EQ(Cat->GetName(0), "");
    EXPECT_EQ(Cat->GetName(1), "After an empty name");
    ASSERT_EQ(Base->Count(), 2);
    EXPECT_EQ(Base->GetLink(0), written[0]);
    EXPECT_EQ(Base->GetLink(1),
              MakeLink(0, "C++ tips", "tips.html", "</script> < /SCRIPT> <!-- <ScRiPt", {""}));
    SaveEngine(Person);
    EXPECT_EQ(Content(EngineFileName), saved);
}
