#pragma once
// Each test of the real seam works in a fresh folder of its own under
// ORVANE_WORK and under registry keys named after it, so that a run repeated
// in the same prefix starts clean.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32ShellLinks.h"

class SeamTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A path inside the test's own folder.
    std::string At(const std::string& name) const { return m_folder + "\\" + name; }
    // The test's own key, under Software\OrvaneSeamTest, removed beforehand.
    std::string KeyPath(RegistryRoot root);
    // The whole file as bytes, as it lies on disk.
    static std::string RawBytes(const std::string& path);
    static void WriteRaw(const std::string& path, const std::string& bytes);

    Win32FileSystem files;
    Win32Registry registry;
    Win32ShellLinks links;
    Win32Shell shell;

private:
    void RemoveTree(const std::string& folder);
    std::string m_folder;
};
