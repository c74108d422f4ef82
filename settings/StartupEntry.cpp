#include "settings/StartupEntry.h"

#include "app/Program.h"
#include "settings/Settings.h"

namespace solvane {

void WriteStartupEntry(Program& program) {
    platform::AutostartEntry& entry = program.platform.autostart;
    const Settings settings = program.settings();
    if (settings.Autorun()) {
        entry.write(program.platform.files.executablePath(), settings.AutorunVersteckt() ? "hide" : "start");
    } else if (entry.exists()) {
        entry.remove();
    }
}

}  // namespace solvane
