// Every test of this binary works on the code tables as the program loads them at start-up.

#include "conversions/codetables.h"

#include <gtest/gtest.h>

namespace {

class LoadedCodeTables : public testing::Environment
{
public:
    void SetUp() override { openkodlist(); }
};

[[maybe_unused]] testing::Environment* const kLoadedCodeTables =
    testing::AddGlobalTestEnvironment(new LoadedCodeTables);

} // namespace
