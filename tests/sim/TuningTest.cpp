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

std::string WriteTuning(const char* name, const char* text)
{
    const std::string path = TuningPath(name);
    std::ofstream(path) << text;
    return path;
}

// 1 + v/100 in the program's form, from the single-precision value read.
double Factor(float v) { return 1 - static_cast<double>(v) * (-0.01); }

double DecayOf(double friction) { return friction * 0.0032509 / 0.00093025; }
}

TEST(Tuning, MissingFileIsCreatedAndDefaultsStand)
{
    const std::string path = TuningPath("tuning_missing.prm");
    std::remove(path.c_str());
    auto p = std::make_unique<CShotPhysics>(path.c_str());

    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(),
              "0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n"
              "   (chaque reglage : de -99.999 -> +99.999)\n\n"
              "   Signification des parametres : \n\n"
              "Coeff Frottement Max\nCoeff Effet Bandes\nCoeff Engrenage Bille/Bille\n"
              "Extension future \n... Extensions futures ...\n");
    EXPECT_EQ(p->m_dClothFriction, 0.025);
    EXPECT_EQ(p->m_dSideSpinDecay, 0.025 * 0.0032509 / 0.00093025);
    EXPECT_EQ(p->m_dBallGearing, 0.025);

    // The created file reads back as neutral values.
    auto again = std::make_unique<CShotPhysics>(path.c_str());
    EXPECT_EQ(again->m_dClothFriction, 0.025);
    EXPECT_EQ(again->m_dSideSpinDecay, p->m_dSideSpinDecay);
    EXPECT_EQ(again->m_dBallGearing, 0.025);
}

TEST(Tuning, ValuesScaleTheirCoefficients)
{
    auto p = std::make_unique<CShotPhysics>(WriteTuning("tuning_20.prm", "20\n0\n0\n0\n").c_str());
    const double friction = 0.025 * Factor(20);
    EXPECT_EQ(p->m_dClothFriction, friction);
    EXPECT_DOUBLE_EQ(p->m_dClothFriction, 0.03);
    EXPECT_EQ(p->m_dSideSpinDecay, DecayOf(friction));
    EXPECT_EQ(p->m_dBallGearing, 0.025);

    p = std::make_unique<CShotPhysics>(WriteTuning("tuning_20_50.prm", "20 -50 40 7").c_str());
    EXPECT_EQ(p->m_dSideSpinDecay, DecayOf(friction) * Factor(-50));
    EXPECT_DOUBLE_EQ(p->m_dSideSpinDecay, 0.5 * 0.03 * 0.0032509 / 0.00093025);
    EXPECT_EQ(p->m_dBallGearing, 0.025 * Factor(40));
}

TEST(Tuning, BoundsAreStrict)
{
    auto p = std::make_unique<CShotPhysics>(WriteTuning("tuning_bounds.prm", "100 -100 99.999 0").c_str());
    EXPECT_EQ(p->m_dClothFriction, 0.025);
    EXPECT_EQ(p->m_dSideSpinDecay, DecayOf(0.025));
    EXPECT_EQ(p->m_dBallGearing, 0.025 * Factor(99.999f));
}

TEST(Tuning, FailedReadKeepsTheLastNumber)
{
    // The only number, 10, is applied again by the two reads that find text.
    auto p = std::make_unique<CShotPhysics>(WriteTuning("tuning_10.prm", "10\nCoeff\n").c_str());
    const double friction = 0.025 * Factor(10);
    EXPECT_EQ(p->m_dClothFriction, friction);
    EXPECT_EQ(p->m_dSideSpinDecay, DecayOf(friction) * Factor(10));
    EXPECT_DOUBLE_EQ(p->m_dSideSpinDecay, 1.21 * DecayOf(0.025));
    EXPECT_EQ(p->m_dBallGearing, 0.025 * Factor(10));

    for (const char* text : {"", "Coeff 20 20 20"})
    {
        p = std::make_unique<CShotPhysics>(WriteTuning("tuning_none.prm", text).c_str());
        EXPECT_EQ(p->m_dClothFriction, 0.025) << '"' << text << '"';
        EXPECT_EQ(p->m_dSideSpinDecay, DecayOf(0.025));
        EXPECT_EQ(p->m_dBallGearing, 0.025);
    }
}
