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

// 1 + v/100 in the program's form, from the single-precision value read.
double Factor(float v) { return 1 - static_cast<double>(v) * (-0.01); }

double DecayOf(double friction) { return friction * 0.0032509 / 0.00093025; }

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
    ExpectCoefficients(path, 0.025, DecayOf(0.025), 0.025);
    std::stringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    EXPECT_EQ(text.str(),
              "0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n"
              "   (chaque reglage : de -99.999 -> +99.999)\n\n"
              "   Signification des parametres : \n\n"
              "Coeff Frottement Max\nCoeff Effet Bandes\nCoeff Engrenage Bille/Bille\n"
              "Extension future \n... Extensions futures ...\n");
    ExpectCoefficients(path, 0.025, DecayOf(0.025), 0.025);  // the created file reads as neutral
}

TEST(Tuning, ValuesScaleTheirCoefficients)
{
    const double f20 = 0.025 * Factor(20), f10 = 0.025 * Factor(10), plain = DecayOf(0.025);
    EXPECT_DOUBLE_EQ(f20, 0.03);
    EXPECT_DOUBLE_EQ(DecayOf(f20) * Factor(-50), 0.5 * DecayOf(0.03));
    EXPECT_DOUBLE_EQ(DecayOf(f10) * Factor(10), 1.21 * plain);
    const struct
    {
        const char* text;
        double friction, decay, gearing;
    } cases[] = {
        {"20\n0\n0\n0\n", f20, DecayOf(f20), 0.025},
        {"20 -50 40 7", f20, DecayOf(f20) * Factor(-50), 0.025 * Factor(40)},
        {"100 -100 99.999 0", 0.025, plain, 0.025 * Factor(99.999f)},  // the bounds are strict
        // A read that finds text keeps the last number: 10 applies three times.
        {"10\nCoeff\n", f10, DecayOf(f10) * Factor(10), 0.025 * Factor(10)},
        {"", 0.025, plain, 0.025},
        {"Coeff 20 20 20", 0.025, plain, 0.025},
    };
    for (const auto& c : cases)
    {
        const std::string path = TuningPath("tuning_case.prm");
        std::ofstream(path) << c.text;
        SCOPED_TRACE(c.text);
        ExpectCoefficients(path, c.friction, c.decay, c.gearing);
    }
}
