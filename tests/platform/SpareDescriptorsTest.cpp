// Descriptors put by are held until released, then free again; a reserve that cannot be had in
// full holds none.
#include "platform/SpareDescriptors.h"
#include "support/OpenFilesLimit.h"

#include <gtest/gtest.h>

#include <cerrno>

using platform::SpareDescriptors;

TEST(SpareDescriptors, HeldUntilReleasedAndAllOrNone)
{
    const OpenFilesLimit limit(OpenFilesLimit::FirstFree() + 3);
    EXPECT_FALSE(SpareDescriptors::Reserve(4).Held());
    EXPECT_EQ(errno, EMFILE);

    SpareDescriptors spares = SpareDescriptors::Reserve(3);
    ASSERT_TRUE(spares.Held());
    EXPECT_FALSE(SpareDescriptors::Reserve(1).Held());
    EXPECT_EQ(errno, EMFILE);
    spares.Release();
    EXPECT_FALSE(spares.Held());
    EXPECT_TRUE(SpareDescriptors::Reserve(3).Held());
}
