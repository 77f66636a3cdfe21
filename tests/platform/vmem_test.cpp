#include "platform/vmem.h"

#include <gtest/gtest.h>

TEST(VirtualMemory, BlocksAreZeroedWritableAndReleasedWithSizeZero) {
    for (std::size_t size : {std::size_t(1), std::size_t(4096), std::size_t(3 << 20)}) {
        auto* block =
            static_cast<unsigned char*>(VirtualAlloc(nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 16, 0u);
        EXPECT_EQ(block[0], 0);
        EXPECT_EQ(block[size - 1], 0);
        block[0] = block[size - 1] = 0xAB;
        EXPECT_FALSE(VirtualFree(block, size, MEM_RELEASE)); // a release names no size
        EXPECT_TRUE(VirtualFree(block, 0, MEM_RELEASE));
    }
}

TEST(VirtualMemory, RefusesWhatItDoesNotOffer) {
    EXPECT_EQ(VirtualAlloc(nullptr, 0, MEM_COMMIT, PAGE_READWRITE), nullptr);
    EXPECT_EQ(VirtualAlloc(nullptr, 16, MEM_RESERVE, PAGE_READWRITE), nullptr);
    EXPECT_EQ(VirtualAlloc(nullptr, SIZE_MAX, MEM_COMMIT, PAGE_READWRITE), nullptr);
    EXPECT_FALSE(VirtualFree(nullptr, 0, MEM_RELEASE));
}
