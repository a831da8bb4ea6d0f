#include <gtest/gtest.h>

#include "model/numbers.h"

TEST(Numbers, Placeholder) { EXPECT_EQ(kestrel::to16(2.5), 2); }
