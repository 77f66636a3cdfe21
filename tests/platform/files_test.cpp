#include "platform/files.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(Files, ReadWholeFileReadsBytesAndRefusesWhatIsNoRegularFile) {
    ScratchFolder folder;
    const std::string binary("a\0b\r\n\xFF", 6);
    const std::string path = folder.Write("data.bin", binary);
    std::string data = "stale";
    ASSERT_TRUE(ReadWholeFile(path, data));
    EXPECT_EQ(data, binary);

    EXPECT_FALSE(ReadWholeFile(folder.Path() + "missing", data));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(ReadWholeFile(folder.Path(), data));
    const std::string fifo = folder.Path() + "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(fifo, data)); // must not wait for a writer
}

TEST(Files, RenameCopyAndDeleteNeverReplaceSilently) {
    ScratchFolder folder;
    const std::string a = folder.Write("a.txt", "first");
    const std::string b = folder.Write("b.txt", "second");
    EXPECT_FALSE(RenameFile(a, b));
    EXPECT_FALSE(CopyFile(a, b, true));
    std::string data;
    ReadWholeFile(b, data);
    EXPECT_EQ(data, "second");

    EXPECT_TRUE(CopyFile(a, b, false));
    ReadWholeFile(b, data);
    EXPECT_EQ(data, "first");

    EXPECT_TRUE(DeleteFile(b));
    EXPECT_FALSE(FileExists(b));
    EXPECT_TRUE(RenameFile(a, b));
    EXPECT_FALSE(FileExists(a));
    EXPECT_TRUE(FileExists(b));
    EXPECT_FALSE(DeleteFile(a));
}

TEST(Files, WriteWholeFileAndCreateFolders) {
    ScratchFolder folder;
    const std::string nested = folder.Path() + "x/y/z";
    EXPECT_TRUE(CreateFolders(nested));
    EXPECT_TRUE(FolderExists(nested));
    EXPECT_FALSE(FileExists(nested));
    EXPECT_TRUE(WriteWholeFile(nested + "/f", std::string("\0\1", 2)));
    std::string data;
    ReadWholeFile(nested + "/f", data);
    EXPECT_EQ(data, std::string("\0\1", 2));
    EXPECT_FALSE(WriteWholeFile(folder.Path() + "no/such/folder/f", "x"));
}

TEST(Files, ListFolderKeepsFileSystemOrderWithAttributes) {
    ScratchFolder folder;
    for (const char* name : {"zeta.html", "alpha.html", ".hidden", "mid.txt"}) {
        folder.Write(name, "12345");
    }
    CreateFolders(folder.Path() + "sub.html");

    std::vector<std::string> systemOrder;
    DIR* dir = ::opendir(folder.Path().c_str());
    while (const dirent* item = ::readdir(dir)) {
        const std::string name = item->d_name;
        if (name != "." && name != "..") {
            systemOrder.push_back(name);
        }
    }
    ::closedir(dir);

    std::vector<FolderEntry> entries;
    ASSERT_TRUE(ListFolder(folder.Path(), entries));
    std::vector<std::string> names;
    for (const FolderEntry& entry : entries) {
        names.push_back(entry.Name);
        EXPECT_EQ(entry.IsHidden, entry.Name == ".hidden");
        EXPECT_EQ(entry.IsFolder, entry.Name == "sub.html");
        EXPECT_EQ(entry.Size, entry.IsFolder ? 0u : 5u);
    }
    EXPECT_EQ(names, systemOrder);
    std::vector<std::string> namesAlone;
    ASSERT_TRUE(ListFolderNames(folder.Path(), namesAlone));
    EXPECT_EQ(namesAlone, systemOrder);
    EXPECT_FALSE(ListFolder(folder.Path() + "missing", entries));
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(ListFolderNames(folder.Path() + "missing", namesAlone));
}

TEST(Files, TempAndExecutableFolders) {
    {
        ScopedEnvironment tmp("TMPDIR", "/var/tmp");
        EXPECT_EQ(TempFolder(), "/var/tmp/");
    }
    {
        ScopedEnvironment tmp("TMPDIR", "");
        EXPECT_EQ(TempFolder(), "/tmp/");
    }
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(FileExists(folder + "test_platform"));
    EXPECT_EQ(WithTrailingSeparator("/a"), "/a/");
    EXPECT_EQ(WithTrailingSeparator("/a/"), "/a/");
}
