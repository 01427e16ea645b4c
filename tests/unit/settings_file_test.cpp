#include <gtest/gtest.h>

#include "platform/settings_file.h"
#include "support/temp_dir.h"

using platform::ReadProfileString;
using platform::WriteProfileString;

TEST(SettingsFile, ReadsLikeTheProfileApi) {
    ScopedWorkDir dir;
    WriteFileBytes("Plugins/a.ini",
                   "[Other]\r\nName=elsewhere\r\n[settings]\r\n  NAME  =  Hans Meier  \r\nEmpty=\r\n"
                   "Quoted=\"  x  \"\r\nLong=" + std::string(150, 'a') + "\r\n");
    const std::string file = "Plugins\\a.ini";
    EXPECT_EQ(ReadProfileString(file, "Settings", "Name", ""), "Hans Meier");
    EXPECT_EQ(ReadProfileString(file, "Settings", "Empty", "dflt"), "");
    EXPECT_EQ(ReadProfileString(file, "Settings", "Absent", "dflt  "), "dflt");
    EXPECT_EQ(ReadProfileString(file, "Settings", "Quoted", ""), "  x  ");
    EXPECT_EQ(ReadProfileString(file, "Settings", "Long", ""), std::string(99, 'a'));
    EXPECT_EQ(ReadProfileString(file, "Missing", "Name", "d"), "d");
    EXPECT_EQ(ReadProfileString("Plugins\\none.ini", "Settings", "Name", "d"), "d");
}

TEST(SettingsFile, WritesKeepOtherSectionsAndKeys) {
    ScopedWorkDir dir;
    const std::string file = "Plugins\\b.ini";
    EXPECT_TRUE(WriteProfileString(file, "Settings", "Start", "1"));
    EXPECT_EQ(ReadFileBytes("Plugins/b.ini"), "[Settings]\r\nStart=1\r\n");
    WriteProfileString(file, "Other", "Key", "v");
    WriteProfileString(file, "SETTINGS", "start", "0");
    WriteProfileString(file, "Settings", "Name", "Anna");
    EXPECT_EQ(ReadFileBytes("Plugins/b.ini"), "[Settings]\r\nStart=0\r\nName=Anna\r\n[Other]\r\nKey=v\r\n");
    EXPECT_FALSE(WriteProfileString("NoFolder\\c.ini", "Settings", "Start", "1"));
}

TEST(SettingsFile, LineBreaksNeverReachTheFile) {
    ScopedWorkDir dir;
    const platform::SettingsFile settings{"Plugins\\c.ini", "Settings"};
    settings.Write("Name", "Anna\r\n[Evil]\r\nStart=9");
    EXPECT_EQ(settings.Read("Name"), "Anna  [Evil]  Start=9");
    EXPECT_EQ(ReadProfileString("Plugins\\c.ini", "Evil", "Start", "none"), "none");
    EXPECT_EQ(settings.ReadInt("Name"), 0);
    settings.Write("N", "42abc");
    EXPECT_EQ(settings.ReadInt("N"), 42);
}
