// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "sim/ShotPhysics.h"

namespace
{
std::string TuningPath(const char* name) { return ::testing::TempDir() + name; }
constexpr double kPlainDecay = 0.0873662993818866;  // 0.025 x 0.0032509 / 0.00093025

void ExpectCoefficients(const std::string& path, double friction, double decay, double gearing)
{
    auto p = std::make_unique<CShotPhysics>(path.c_str());
    EXPECT_EQ(p->m_dClothFriction, friction) << path;
    EXPECT_EQ(p->m_dSideSpinDecay, decay) << path;
    EXPECT_EQ(p->m_dBallGearing, gearing) << path;
}
}

TEST(Tuning, MissingFileIsCreatedAndReadsBackAsTheDefaults)
{
    const std::string path = TuningPath("tuning_missing.prm");
    std::remove(path.c_str());
    ExpectCoefficients(path, 0.025, kPlainDecay, 0.025);
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(),
              "0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n"
              "   (chaque reglage : de -99.999 -> +99.999)\n\n"
              "   Signification des parametres : \n\n"
              "Coeff Frottement Max\nCoeff Effet Bandes\nCoeff Engrenage Bille/Bille\n"
              "Extension future \n... Extensions futures ...\n");
    ExpectCoefficients(path, 0.025, kPlainDecay, 0.025);  // the created file reads as neutral
    // Under a file, which no folder is: not missing but not there either, nothing made.
    EXPECT_EQ(std::make_unique<CShotPhysics>()->LoadTuning((path + "/x").c_str()), TuningFileResult::CannotOpen);
}

// Value v scales its coefficient by 1 + v/100 (v read in single precision).
TEST(Tuning, ValuesScaleTheirCoefficients)
{
    const struct { const char* text; double friction, decay, gearing; } cases[] = {
        {"20\n0\n0\n0\n", 0.03, 0.10483955925826391, 0.025},
        {"20 -50 40 7", 0.03, 0.052419779629131955, 0.034999999999999996},
        {"100 -100 99.999 0", 0.025, kPlainDecay, 0.0499997501373291},  // the bounds are strict
        // A read that finds text keeps the last number: 10 applies three times.
        {"10\nCoeff\n", 0.027500000000000004, 0.1057132222520828, 0.027500000000000004},
        {"", 0.025, kPlainDecay, 0.025},
        {"Coeff 20 20 20", 0.025, kPlainDecay, 0.025},
    };
    for (const auto& c : cases)
    {
        const std::string path = TuningPath("tuning_case.prm");
        std::ofstream(path) << c.text;
        SCOPED_TRACE(c.text);
        ExpectCoefficients(path, c.friction, c.decay, c.gearing);
    }
}
