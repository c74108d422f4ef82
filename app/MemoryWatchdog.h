#pragma once
#include <cstdint>

namespace solvane {

class Program;

// Growth of resident memory, in whole MiB, above which the program restarts itself.
constexpr std::int64_t MemoryGrowthLimitMB = 18;

// Bytes in whole MiB, rounded to the nearest integer with halves to the even neighbour.
std::int32_t wholeMebibytes(double bytes);
// A restart is due when the current reading has grown by more than the limit.
bool restartDue(double currentBytes, std::int32_t baselineMB);
// Saves, starts a new instance that continues the run and takes over this one's place
// among the instances, removes the icon and closes. A quit request that has already
// arrived ends the program instead.
void RestartSelf(Program& program);

}  // namespace solvane
