#include <gtest/gtest.h>

#include "common/ProfileStore.h"
#include "common/RunnerSettings.h"
#include "platform/memory/MemoryWorld.h"

namespace {

const RegistryRoot kUser = RegistryRoot::CurrentUser;

}  // namespace

TEST(RunnerSettings, NoKeyMeansNothingRead) {
    MemoryWorld world;
    RunnerSettings read = ReadRunnerSettings(world.registry);
    EXPECT_FALSE(read.keyOpened);
    EXPECT_EQ("", read.iniPath + read.configPath);
    EXPECT_EQ(1, read.placement);
    EXPECT_EQ(0, read.minimized);

    world.registry.SetString(kUser, settings::kKey, settings::kIniPath, "C:\\ORVANE\\Orvane.ini");
    world.faults.Add(Fault::RegistryOpen, settings::kKey, 1);
    EXPECT_FALSE(ReadRunnerSettings(world.registry).keyOpened);
    read = ReadRunnerSettings(world.registry);
    EXPECT_TRUE(read.keyOpened);
    EXPECT_EQ("C:\\ORVANE\\Orvane.ini", read.iniPath);
    EXPECT_EQ("", read.configPath);
    EXPECT_EQ(1, read.placement);
    EXPECT_EQ(0, read.minimized);
    EXPECT_EQ(1, read.closeWhenFinished);
}

TEST(RunnerSettings, ValuesAsTheRunnersBufferHoldsThem) {
    MemoryWorld world;
    world.registry.SetString(kUser, settings::kKey, settings::kIniPath, std::string(1023, 'i'));
    world.registry.SetString(kUser, settings::kKey, settings::kConfigPath, std::string(1024, 'c'));  // 1025 bytes
    world.registry.SetDword(kUser, settings::kKey, settings::kPlacement, 0x107);                     // first byte 7
    world.registry.SetValue(kUser, settings::kKey, settings::kMinimized, win::RegBinary, "\xFF");
    world.registry.SetValue(kUser, settings::kKey, settings::kCloseWhenFinished, win::RegDword, "");
    const RunnerSettings read = ReadRunnerSettings(world.registry);
    EXPECT_EQ(std::string(1023, 'i'), read.iniPath);
    EXPECT_EQ("", read.configPath);
    EXPECT_EQ(7, read.placement);
    EXPECT_EQ(-1, read.minimized);
    EXPECT_EQ(1, read.closeWhenFinished);  // no data byte: the default, not a stale one

    world.registry.SetValue(kUser, settings::kKey, settings::kIniPath, win::RegSz, std::string(1024, 'j'));
    world.registry.SetDword(kUser, settings::kKey, settings::kCloseWhenFinished, 0);
    const RunnerSettings again = ReadRunnerSettings(world.registry);
    EXPECT_EQ(std::string(1024, 'j'), again.iniPath);  // no NUL: read no further than the data
    EXPECT_EQ(0, again.closeWhenFinished);
}

TEST(ProfileStore, WritesUnderTheCompanyAndApplicationKeys) {
    MemoryWorld world;
    CProfileStore profile(world.registry, settings::kCompanyKey, "OrvaneConfig");
    EXPECT_EQ(settings::kKey, profile.SectionKey(settings::kSection));
    EXPECT_EQ(2, profile.GetProfileInt(settings::kSection, settings::kPlacement, 2));
    EXPECT_FALSE(world.registry.KeyExists(kUser, "Software\\Quillmark"));

    EXPECT_TRUE(profile.WriteProfileString(settings::kSection, settings::kConfigPath, "C:\\ORVANE\\"));
    EXPECT_TRUE(profile.WriteProfileInt(settings::kSection, settings::kPlacement, 0));
    EXPECT_TRUE(profile.WriteProfileInt(settings::kSection, settings::kMinimized, -2));
    const RegistryValue path = world.registry.Value(kUser, settings::kKey, settings::kConfigPath);
    EXPECT_EQ(win::RegSz, path.type);
    EXPECT_EQ(std::string("C:\\ORVANE\\\0", 11), path.data);
    EXPECT_EQ(win::RegDword, world.registry.Value(kUser, settings::kKey, settings::kPlacement).type);
    EXPECT_EQ(0, profile.GetProfileInt(settings::kSection, settings::kPlacement, 1));
    EXPECT_EQ(-2, profile.GetProfileInt(settings::kSection, settings::kMinimized, 0));
    EXPECT_EQ(1, profile.GetProfileInt(settings::kSection, settings::kConfigPath, 1));  // not a number
    world.registry.SetValue(kUser, settings::kKey, settings::kCloseWhenFinished, win::RegSz, std::string("123\0", 4));
    EXPECT_EQ(1, profile.GetProfileInt(settings::kSection, settings::kCloseWhenFinished, 1));  // a DWORD's size, no number
    EXPECT_EQ(0, ReadRunnerSettings(world.registry).placement);                        // the runner reads it

    world.faults.Add(Fault::RegistryCreate);
    EXPECT_FALSE(profile.WriteProfileInt(settings::kSection, settings::kPlacement, 1));
    EXPECT_FALSE(profile.WriteProfileString(settings::kSection, settings::kIniPath, "x"));
    EXPECT_FALSE(world.registry.HasValue(kUser, settings::kKey, settings::kIniPath));
}

TEST(RunnerSettings, IdleValuesAreWholeDwordsInTheirRangesOrTheirDefaults) {
    MemoryWorld world;
    world.registry.SetString(kUser, settings::kKey, settings::kIniPath, "C:\\ORVANE\\Orvane.ini");
    RunnerSettings read = ReadRunnerSettings(world.registry);
    EXPECT_EQ(20, read.idleBusyPercent);
    EXPECT_EQ(5, read.idleSeconds);
    EXPECT_EQ(120, read.idleLongest);

    world.registry.SetDword(kUser, settings::kKey, settings::kIdleBusyPercent, 99);
    world.registry.SetDword(kUser, settings::kKey, settings::kIdleSeconds, 1);
    world.registry.SetDword(kUser, settings::kKey, settings::kIdleLongest, 999);  // more than a byte holds
    read = ReadRunnerSettings(world.registry);
    EXPECT_EQ(99, read.idleBusyPercent);
    EXPECT_EQ(1, read.idleSeconds);
    EXPECT_EQ(999, read.idleLongest);

    world.registry.SetDword(kUser, settings::kKey, settings::kIdleBusyPercent, 100);
    world.registry.SetDword(kUser, settings::kKey, settings::kIdleSeconds, 0);
    world.registry.SetDword(kUser, settings::kKey, settings::kIdleLongest, 0x10000 + 30);  // low bytes in range
    read = ReadRunnerSettings(world.registry);
    EXPECT_EQ(20, read.idleBusyPercent);
    EXPECT_EQ(5, read.idleSeconds);
    EXPECT_EQ(120, read.idleLongest);

    world.registry.SetString(kUser, settings::kKey, settings::kIdleSeconds, "7");  // not a REG_DWORD
    world.registry.SetValue(kUser, settings::kKey, settings::kIdleLongest, win::RegDword, std::string("\x1e\0", 2));
    read = ReadRunnerSettings(world.registry);
    EXPECT_EQ(5, read.idleSeconds);
    EXPECT_EQ(120, read.idleLongest);
}
