// Golden files: results recorded in the repository that a test compares
// with, rewritten only on purpose (TAMAROW_UPDATE_GOLDEN=1), so any change
// to the game's behaviour shows up.
#pragma once
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

inline bool updatingGolden() { return std::getenv("TAMAROW_UPDATE_GOLDEN") != nullptr; }

// A golden file of the model under test: machines/<model>/tests/golden/<name>.
inline std::string goldenPath(const std::string& name)
{
    return std::string(TAMAROW_SOURCE_DIR) + "/machines/" TAMAROW_MODEL "/tests/golden/" + name;
}

// The text must equal the recorded one; with TAMAROW_UPDATE_GOLDEN set it
// is recorded instead and the test is skipped.
inline void expectGoldenText(const std::string& name, const std::string& text)
{
    const std::string path = goldenPath(name);
    if (updatingGolden()) {
        std::ofstream(path, std::ios::binary) << text;
        GTEST_SKIP() << "golden file rewritten: " << path;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path << " (run with TAMAROW_UPDATE_GOLDEN=1 once)";
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(text, expected.str());
}
