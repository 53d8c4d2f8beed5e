#pragma once

#include <string>

#include <gtest/gtest.h>

namespace lc::testing {

// Names a table's cases after their "what" field.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& tested) const {
        return tested.param.what;
    }
};

}  // namespace lc::testing
