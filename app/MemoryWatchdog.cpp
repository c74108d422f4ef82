#include "app/MemoryWatchdog.h"

#include <cmath>
#include <string>
#include <vector>

#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "settings/SettingsStore.h"

namespace solvane {

std::int32_t wholeMebibytes(double bytes) {
    // rint rounds halves to the even neighbour in the default rounding mode.
    return static_cast<std::int32_t>(std::rint(bytes / 1024.0 / 1024.0));
}

bool restartDue(double currentBytes, std::int32_t baselineMB) {
    const std::int64_t growth = static_cast<std::int64_t>(wholeMebibytes(currentBytes)) - baselineMB;
    return growth > MemoryGrowthLimitMB;
}

void RestartSelf(Program& program) {
    TfrmSlv17k30Main& main = program.main();
    SaveSettings(program);
    const std::vector<std::string> words{"reload", main.TrayIcon1.Active() ? "normal" : "hide",
                                         std::to_string(main.RemainingInRun > 0 ? main.RemainingInRun : 0)};
    main.TrayIcon1.setActive(false);
    program.platform.processes.start(program.platform.files.executablePath(), words);
    main.close();
}

}  // namespace solvane
