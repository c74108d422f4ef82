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
    platform::InstanceControl& instances = program.platform.instances;
    // A quit request from another instance ("shutdown", a newer start) that has already
    // arrived wins over the restart: the program ends as asked instead.
    instances.answerWaitingRequests();
    if (program.ending()) return;
    SaveSettings(program);
    const std::vector<std::string> words{"reload", main.TrayIcon1.Active() ? "normal" : "hide",
                                         std::to_string(main.RemainingInRun > 0 ? main.RemainingInRun : 0)};
    main.TrayIcon1.setActive(false);
    // The new instance takes this one's place: it is findable all through the restart,
    // and a quit request that comes meanwhile waits there for the new instance.
    instances.handOver();
    program.platform.processes.start(program.platform.files.executablePath(), words);
    instances.withdraw();
    main.close();
}

}  // namespace solvane
