#include <cstdio>

#include "sim/ShotPhysics.h"

namespace
{
// A value is a percentage; the holder starts outside the accepted range so
// that a file without numbers changes nothing.
constexpr float kNoValue = 123.45f;

bool IsAccepted(float h) { return -100 < h && h < 100; }

// 1 + h/100, in the program's form.
double Factor(float h) { return 1 - h * (-0.01); }

// Text of the file created when it is missing: neutral values and their meaning.
const char* const kTemplate[] = {
    "0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0",
    "\n   (chaque reglage : de -99.999 -> +99.999)\n",
    "\n   Signification des parametres : \n",
    "\nCoeff Frottement Max",
    "\nCoeff Effet Bandes",
    "\nCoeff Engrenage Bille/Bille",
    "\nExtension future ",
    "\n... Extensions futures ...\n",
};
}

void CShotPhysics::RecomputeSideSpinDecay()
{
    m_dSideSpinDecay = m_dClothFriction * 0.0032509 / m_dRadiusSq;
}

void CShotPhysics::LoadTuning(const char* path)
{
    std::FILE* file = std::fopen(path, "r");
    if (file != nullptr)
    {
        // A read that finds no number leaves the holder as it was.
        float h = kNoValue;

        (void)std::fscanf(file, "%f", &h);  // cloth friction
        if (IsAccepted(h))
        {
            m_dClothFriction *= Factor(h);
            RecomputeSideSpinDecay();
        }

        (void)std::fscanf(file, "%f", &h);  // side-spin decay
        if (IsAccepted(h))
            m_dSideSpinDecay *= Factor(h);

        (void)std::fscanf(file, "%f", &h);  // ball-to-ball gearing
        if (IsAccepted(h))
            m_dBallGearing *= Factor(h);

        (void)std::fscanf(file, "%f", &h);  // reserved
        std::fclose(file);
        return;
    }

    file = std::fopen(path, "w");
    if (file == nullptr)
        return;
    for (const char* text : kTemplate)
        std::fputs(text, file);
    std::fclose(file);
}
