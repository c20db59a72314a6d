// The lists' readers as the main program runs them: OutlookApp logged on,
// the diary volume "\pim.vol" mounted with every own database, a fresh
// store for every test.
#pragma once

#include "tests/lists/list_data.h"
#include "tests/outlook/poom_fixture.h"

#include <gtest/gtest.h>

namespace liststest {

using poomtest::Ref;

class ListsTest : public poomtest::PoomTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace liststest
