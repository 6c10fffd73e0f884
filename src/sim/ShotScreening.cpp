// The screening integration: for now the exact loop itself.
#include "sim/ShotPhysics.h"

void CShotPhysics::SimulateScreening()
{
    Simulate();
}
