#pragma once

namespace solvane {

class Program;

// Brings the log-on start entry in line with the Autorun and Hide boxes: written
// while Autorun is set (the executable's path and " hide" or " start"), removed
// when it is not.
void WriteStartupEntry(Program& program);

}  // namespace solvane
