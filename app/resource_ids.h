// The resources of the Windows program, shared by the resource script and the
// code. Plain #defines: the resource compiler reads this too.
#pragma once

// The petrol pump, the program's first icon and so the one Explorer shows.
#define IDI_TANKUMAT 1
