#include "app/app_settings.h"
#include "app/application.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/user_folders.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(Application, FirstStartWritesAndUsesTheDefaults) {
    RelocatedRegistry registry;
    InitApplication();
    const std::string setup = ExecutableFolder();
    EXPECT_EQ(AppSettings.SetupDir, setup);
    EXPECT_EQ(AppSettings.TemplatesPath, setup + "Templates/");
    EXPECT_EQ(AppSettings.ProjectsPath, UserDocumentsFolder());
    EXPECT_EQ(AppSettings.DefEngineName, "svxdb.js");
    EXPECT_EQ(AppSettings.BeginSignature, "//Settings");
    EXPECT_EQ(AppSettings.EndSignature, "//DatabaseEnd");
    EXPECT_EQ(AppSettings.X0, 0);
    EXPECT_EQ(AppSettings.Y0, 0);
    EXPECT_EQ(AppSettings.DX, 640);
    EXPECT_EQ(AppSettings.DY, 400);
    EXPECT_FALSE(AppSettings.Maximize);
    EXPECT_EQ(EngineFileName, UserDocumentsFolder() + "svxdb.js");
    ASSERT_TRUE(Cat && Base);
    EXPECT_EQ(Cat->Count(), 0);
    EXPECT_EQ(Base->Count(), 0);
    EXPECT_EQ(AppSettings.ExtensionList.size(), 13u);
    EXPECT_EQ(AppSettings.IndexDepthLimit, 1024 * 1024); // the shipped set.xml: whole pages

    RegistryKey machine(RegistryScope::MachineWide);
    EXPECT_EQ(machine.ReadString("SetupDir"), setup);
    EXPECT_EQ(machine.ReadString("EndSignature"), "//DatabaseEnd");
    RegistryKey user(RegistryScope::PerUser);
    EXPECT_EQ(user.ReadInteger("DX", 0), 640);
    DoneApplication();
    EXPECT_FALSE(Cat || Base);
}

TEST(Application, ExistingValuesAreReadNotReplaced) {
    RelocatedRegistry registry;
    ScratchFolder setup;
    setup.Write("set.xml",
                "<settings><Extensions value=\"htm;txt\"/><IndexDepthLimit value=\"64\"/>");
    {
        RegistryKey machine(RegistryScope::MachineWide);
        machine.WriteString("SetupDir", setup.Path());
        machine.WriteString("ProjectsPath", "/srv/projects/");
        machine.WriteString("DefEngineName", "engine.html");
        machine.Flush();
        RegistryKey user(RegistryScope::PerUser);
        user.WriteInteger("DX", 800);
        user.WriteString("DY", "tall");
        user.Flush();
    }
    InitApplication();
    EXPECT_EQ(AppSettings.SetupDir, setup.Path());
    EXPECT_EQ(AppSettings.TemplatesPath, ""); // a missing string reads as empty
    EXPECT_EQ(EngineFileName, "/srv/projects/engine.html");
    EXPECT_EQ(AppSettings.DX, 800);
    EXPECT_EQ(AppSettings.DY, 400); // not a number: the default
    EXPECT_EQ(AppSettings.ExtensionList, std::vector<std::string>({"htm", "txt"}));
    EXPECT_EQ(AppSettings.IndexDepthLimit, 65536);
    EXPECT_EQ(RegistryKey(RegistryScope::MachineWide).ReadString("TemplatesPath"), "");
    DoneApplication();
}

TEST(Application, AMachineKeyThatCannotBeWrittenLeavesDefaultsInMemory) {
    RelocatedRegistry registry;
    std::filesystem::create_directory(registry.Path() + "machine.conf");
    InitApplication();
    EXPECT_EQ(AppSettings.SetupDir, ExecutableFolder());
    EXPECT_EQ(AppSettings.DefEngineName, "svxdb.js");
    EXPECT_EQ(AppSettings.BeginSignature, "//Settings");
    EXPECT_EQ(AppSettings.DX, 640);
    AppSettings.DX = 700;
    DoneApplication(); // the per-user key still works
    EXPECT_EQ(RegistryKey(RegistryScope::PerUser).ReadInteger("DX", 0), 700);
}

TEST(Application, WindowPlacementSurvivesARestart) {
    RelocatedRegistry registry;
    InitApplication();
    AppSettings.X0 = 10;
    AppSettings.Y0 = -20;
    AppSettings.DX = 1000;
    AppSettings.DY = 700;
    AppSettings.Maximize = true;
    DoneApplication();
    InitApplication();
    EXPECT_EQ(AppSettings.X0, 10);
    EXPECT_EQ(AppSettings.Y0, -20);
    EXPECT_EQ(AppSettings.DX, 1000);
    EXPECT_EQ(AppSettings.DY, 700);
    EXPECT_TRUE(AppSettings.Maximize);
    DoneApplication();
}

TEST(Application, AGivenProgramFolderLeavesTheRegistryAlone) {
    RelocatedRegistry registry;
    ScratchFolder setup;
    setup.Write("set.xml", "<settings><IndexDepthLimit value=\"2\"/>");
    InitApplication(setup.Path());
    EXPECT_EQ(AppSettings.SetupDir, setup.Path());
    EXPECT_EQ(AppSettings.TemplatesPath, setup.Path() + "Templates/");
    EXPECT_EQ(AppSettings.IndexDepthLimit, 2048);
    EXPECT_EQ(AppSettings.ExtensionList.size(), 13u);
    EXPECT_FALSE(FileExists(registry.Path() + "machine.conf"));
    EXPECT_FALSE(FileExists(registry.Path() + "user.conf"));
}

TEST(Application, ThePersonsOwnSettingsFilesAreReadFirst) {
    RelocatedRegistry registry;
    InitApplication();
    EXPECT_EQ(AppSettings.UserSettingsPath, registry.Path() + "config/sitevane/");
    EXPECT_EQ(SettingsFilePath("words.xml"), ExecutableFolder() + "words.xml");
    // The first edit makes the person's copy from the program's file.
    const std::string own = EditableSettingsFile("set.xml");
    EXPECT_EQ(own, registry.Path() + "config/sitevane/set.xml");
    std::string program;
    std::string copy;
    ASSERT_TRUE(ReadWholeFile(ExecutableFolder() + "set.xml", program) && ReadWholeFile(own, copy));
    EXPECT_EQ(copy, program);
    WriteWholeFile(own, "<settings><IndexDepthLimit value=\"7\"/>");
    EXPECT_EQ(EditableSettingsFile("set.xml"), own); // kept, not copied again
    LoadSetXml();
    EXPECT_EQ(AppSettings.IndexDepthLimit, 7 * 1024);
    DoneApplication();

    InitApplication(ExecutableFolder()); // a given program folder: no own copies
    EXPECT_EQ(SettingsFilePath("set.xml"), ExecutableFolder() + "set.xml");
    EXPECT_EQ(AppSettings.IndexDepthLimit, 1024 * 1024); // the shipped set.xml: whole pages
}
