#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/Win32Devices.h"

// Read together, the keys give what GetKeyState gives one by one: the
// toggle bit, and the held bit sign-extended.
TEST(DevicesSeam, KeysReadTogetherAsOneByOne) {
    BYTE saved[256] = {};
    ASSERT_TRUE(GetKeyboardState(saved));
    BYTE keys[256] = {};
    keys[VK_CAPITAL] = 0x01;  // toggled on
    keys[VK_SCROLL] = 0x81;   // toggled on and held down
    keys[VK_NUMLOCK] = 0x80;  // held down
    ASSERT_TRUE(SetKeyboardState(keys));

    Win32Keyboard keyboard;
    const std::vector<short> states = keyboard.KeyStates({VK_CAPITAL, VK_SCROLL, VK_NUMLOCK, VK_SHIFT});
    SetKeyboardState(saved);
    ASSERT_EQ(states.size(), 4u);
    EXPECT_EQ(states[0], 1);
    EXPECT_EQ(states[1], -127);
    EXPECT_EQ(states[2], -128);
    EXPECT_EQ(states[3], 0);
    ASSERT_TRUE(SetKeyboardState(keys));
    EXPECT_EQ(keyboard.KeyState(VK_SCROLL), states[1]);
    EXPECT_EQ(keyboard.KeyState(VK_NUMLOCK), states[2]);
    SetKeyboardState(saved);
}
