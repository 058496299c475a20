#include <vector>

#include "platform/WinValues.h"
#include "tests/wine/seam/SeamTest.h"

namespace {

class RegistrySeam : public SeamTest {
protected:
    // Wine enumerates a key's values sorted by name, not in creation order:
    // the names are chosen so that both orders agree.
    void SetEnumerateQueryDelete(RegistryRoot root) {
        const std::string path = KeyPath(root);
        const std::string longName = "C" + std::string(1100, 'n');
        const std::string longText(3000, 't');
        {
            auto key = registry.Create(root, path);
            ASSERT_NE(key, nullptr);
            ASSERT_TRUE(key->SetString("A-text", "C:\\Z.EXE /q"));
            ASSERT_TRUE(key->SetDword("B-number", 0x01020304));
            ASSERT_TRUE(key->SetString(longName, longText));
        }
        auto key = registry.Open(root, path, RegistryAccess::All);
        ASSERT_NE(key, nullptr);

        std::vector<RegistryValue> values;
        RegistryValue value;
        for (uint32_t i = 0; key->Enumerate(i, value) == RegistryEnum::Value; ++i) values.push_back(value);
        ASSERT_EQ(values.size(), 3u);
        EXPECT_EQ(values[0].name, "A-text");
        EXPECT_EQ(values[0].type, win::RegSz);
        EXPECT_EQ(values[0].data, std::string("C:\\Z.EXE /q", 12));  // with its NUL
        EXPECT_EQ(values[1].name, "B-number");
        EXPECT_EQ(values[1].type, win::RegDword);
        EXPECT_EQ(values[1].data, std::string("\x04\x03\x02\x01", 4));
        EXPECT_EQ(values[2].name, longName);
        EXPECT_EQ(values[2].Text(), longText);
        EXPECT_EQ(key->Enumerate(3, value), RegistryEnum::NoMoreItems);

        ASSERT_TRUE(key->Query(longName, value));
        EXPECT_EQ(value.Text(), longText);
        EXPECT_EQ(value.data.size(), longText.size() + 1);
        EXPECT_FALSE(key->Query("Missing", value));

        auto reader = registry.Open(root, path, RegistryAccess::Read);
        ASSERT_NE(reader, nullptr);
        EXPECT_FALSE(reader->SetString("Refused", "x"));
        EXPECT_FALSE(reader->DeleteValue("A-text"));

        EXPECT_TRUE(key->DeleteValue("A-text"));
        EXPECT_FALSE(key->DeleteValue("A-text"));
        ASSERT_EQ(key->Enumerate(0, value), RegistryEnum::Value);
        EXPECT_EQ(value.name, "B-number");
        EXPECT_TRUE(key->DeleteValue("B-number"));
        EXPECT_TRUE(key->DeleteValue(longName));
        EXPECT_EQ(key->Enumerate(0, value), RegistryEnum::NoMoreItems);
    }
};

TEST_F(RegistrySeam, ValuesUnderCurrentUser) {
    SetEnumerateQueryDelete(RegistryRoot::CurrentUser);
}

TEST_F(RegistrySeam, ValuesUnderLocalMachine) {
    SetEnumerateQueryDelete(RegistryRoot::LocalMachine);
}

TEST_F(RegistrySeam, OpeningAMissingKeyFailsAndCreatesNothing) {
    const std::string path = KeyPath(RegistryRoot::CurrentUser);
    EXPECT_EQ(registry.Open(RegistryRoot::CurrentUser, path, RegistryAccess::All), nullptr);
    EXPECT_EQ(registry.Open(RegistryRoot::CurrentUser, path, RegistryAccess::Read), nullptr);
    EXPECT_EQ(registry.Open(RegistryRoot::CurrentUser, path + "\\Deeper", RegistryAccess::All), nullptr);
    EXPECT_EQ(registry.Open(RegistryRoot::CurrentUser, path, RegistryAccess::Read), nullptr);
}

}  // namespace
