// SPDX-License-Identifier: GPL-3.0-or-later
// Tuning coefficients files of any content: reading must not crash, and the
// coefficients must stay positive and finite whatever the file says.

#include <cmath>
#include <memory>

#include "FuzzInput.h"
#include "sim/ShotPhysics.h"

namespace
{
bool PositiveAndFinite(double value) { return std::isfinite(value) && value > 0; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string& path = FuzzInputFile(data, size);
    const auto physics = std::make_unique<CShotPhysics>(path.c_str());
    FUZZ_CHECK(PositiveAndFinite(physics->m_dClothFriction));
    FUZZ_CHECK(PositiveAndFinite(physics->m_dSideSpinDecay));
    FUZZ_CHECK(PositiveAndFinite(physics->m_dBallGearing));
    // Each coefficient moves by less than a factor of two per value read, and
    // the decay at most twice.
    FUZZ_CHECK(physics->m_dClothFriction < 2 * 0.025);
    FUZZ_CHECK(physics->m_dBallGearing < 2 * 0.025);
    FUZZ_CHECK(physics->m_dSideSpinDecay < 4 * 0.025 * 0.0032509 / 0.00093025);
    return 0;
}
