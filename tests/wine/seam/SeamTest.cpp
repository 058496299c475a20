#include "tests/wine/seam/SeamTest.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {
const char* const TestRoot = "Software\\OrvaneSeamTest";
}

void SeamTest::SetUp() {
    const char* work = std::getenv("ORVANE_WORK");
    ASSERT_NE(work, nullptr) << "ORVANE_WORK is not set";
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    m_folder = std::string(work) + "\\seam-" + name;
    RemoveTree(m_folder);
    ASSERT_TRUE(files.MakeDirectory(m_folder)) << m_folder;
}

void SeamTest::RemoveTree(const std::string& folder) {
    for (const FileEntry& entry : files.Find(folder + "\\*.*")) {
        if (entry.IsDirectory()) {
            RemoveTree(entry.path);
        } else {
            SetFileAttributesA(entry.path.c_str(), FILE_ATTRIBUTE_NORMAL);
            files.Remove(entry.path);
        }
    }
    files.RemoveEmptyDirectory(folder);
}

std::string SeamTest::KeyPath(RegistryRoot root) {
    const std::string path =
        std::string(TestRoot) + "\\" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RegDeleteKeyA(root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, path.c_str());
    return path;
}

std::string SeamTest::RawBytes(const std::string& path) {
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        for (int c; (c = std::fgetc(file)) != EOF;) bytes += static_cast<char>(c);
        std::fclose(file);
    }
    return bytes;
}

void SeamTest::WriteRaw(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    ASSERT_EQ(std::fclose(file), 0);
}
