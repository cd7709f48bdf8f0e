// The registry settings store in an isolated key, and the shell registration it sits beside.
#include <gtest/gtest.h>

#include "framework/win32/settings_store.h"
#include "framework/win32/shell_registration.h"
#include "test_support.h"

namespace tw::test {
namespace {

TEST(RegistrySettingsStore, RoundTripsStringsAndIntegers) {
    RegistrySettingsStore store(IsolatedKeyPath("settings"));
    EXPECT_EQ(store.GetString("Tallywick", "AutoSave", "FALSE"), "FALSE");
    EXPECT_EQ(store.GetInt("Tallywick", "showCmd", 1), 1);

    ASSERT_TRUE(store.WriteString("Tallywick", "AutoSave", "TRUE"));
    ASSERT_TRUE(store.WriteString("Tallywick", "Empty", ""));
    ASSERT_TRUE(store.WriteInt("Tallywick", "ptMinPositionX", -1));
    ASSERT_TRUE(store.WriteInt("Other", "Big", 2147483647));
    EXPECT_EQ(store.GetString("Tallywick", "AutoSave", ""), "TRUE");
    EXPECT_EQ(store.GetString("Tallywick", "Empty", "x"), "");
    EXPECT_EQ(store.GetInt("Tallywick", "ptMinPositionX", 0), -1);
    EXPECT_EQ(store.GetInt("Other", "Big", 0), 2147483647);

    // A value of the other kind counts as missing.
    EXPECT_EQ(store.GetInt("Tallywick", "AutoSave", 7), 7);
    EXPECT_EQ(store.GetString("Tallywick", "ptMinPositionX", "none"), "none");

    // A second store on the same key sees the values; removal and deletion take them away.
    RegistrySettingsStore again(store.KeyPath());
    EXPECT_EQ(again.GetString("Tallywick", "AutoSave", ""), "TRUE");
    EXPECT_TRUE(again.RemoveKey("Tallywick", "AutoSave"));
    EXPECT_TRUE(again.RemoveKey("Tallywick", "AutoSave"));
    EXPECT_EQ(store.GetString("Tallywick", "AutoSave", "gone"), "gone");
    EXPECT_TRUE(store.DeleteAll());
    EXPECT_EQ(again.GetInt("Other", "Big", 0), 0);
}

TEST(ShellRegistration, WritesExtensionTypeIconAndCommands) {
    DocumentType type =
        ParseDocumentType("\nTally\nDoc\nFiles (*.twx)\n.twx\nTwXFileType\nTw X File");
    ASSERT_TRUE(RegisterShellFileType(type, "C:\\apps\\tallyw.exe", 1));
    RegistrySettingsStore classes("Classes");
    EXPECT_EQ(classes.GetString(".twx", "", ""), "TwXFileType");
    EXPECT_EQ(classes.GetString("TwXFileType", "", ""), "Tw X File");
    EXPECT_EQ(classes.GetString("TwXFileType\\DefaultIcon", "", ""), "C:\\apps\\tallyw.exe,1");
    EXPECT_EQ(classes.GetString("TwXFileType\\shell\\open\\command", "", ""),
              "\"C:\\apps\\tallyw.exe\" \"%1\"");
    EXPECT_EQ(classes.GetString("TwXFileType\\shell\\print\\command", "", ""),
              "\"C:\\apps\\tallyw.exe\" /p \"%1\"");

    DocumentType noExtension = ParseDocumentType("\nTally\nDoc\nFiles\n\nId\nName");
    EXPECT_FALSE(RegisterShellFileType(noExtension, "x.exe", 1));
}

}  // namespace
}  // namespace tw::test
