#include "platform/registry.h"
#include "support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(Registry, ValuesSurviveReopeningAndScopesAreSeparate) {
    RelocatedRegistry registry;
    {
        RegistryKey machine(RegistryScope::MachineWide);
        machine.WriteString("SetupDir", "/opt/caf\xE9/");
        machine.WriteInteger("Count", -7);
        EXPECT_TRUE(machine.Flush());
    }
    RegistryKey machine(RegistryScope::MachineWide);
    EXPECT_TRUE(machine.Contains("SetupDir"));
    EXPECT_EQ(machine.ReadString("SetupDir"), "/opt/caf\xE9/");
    EXPECT_EQ(machine.ReadInteger("Count", 0), -7);
    EXPECT_EQ(machine.ReadString("Missing"), "");
    EXPECT_EQ(machine.ReadInteger("SetupDir", 42), 42); // not a number

    RegistryKey user(RegistryScope::PerUser);
    EXPECT_FALSE(user.Contains("SetupDir"));
    EXPECT_EQ(user.ReadInteger("X0", 5), 5);
}

TEST(Registry, AKeyThatCannotBeWrittenSaysSo) {
    RelocatedRegistry registry;
    // A folder where the key's file should be: not writable, even for root.
    std::filesystem::create_directory(registry.Path() + "machine.conf");
    RegistryKey machine(RegistryScope::MachineWide);
    machine.WriteString("SetupDir", "/x/");
    EXPECT_FALSE(machine.Flush());
    EXPECT_TRUE(std::filesystem::is_directory(registry.Path() + "machine.conf"));
}
