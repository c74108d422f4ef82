// Publishes values into the program's key again and again, as a second process would.
// Usage: store_stress_writer <tag> <rounds>. Each round writes "<tag>-<round>" and
// updates the shared values "Last" and "<tag>-count". Exit code 0 when every key opened.
#include <cstdlib>
#include <string>

#include "platform/linux/JsonKeyStore.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::string tag = argv[1];
    const int rounds = std::atoi(argv[2]);
    solvane::linuxos::JsonKeyStore store;
    for (int round = 0; round < rounds; ++round) {
        auto key = store.open(solvane::platform::StoreRoot::CurrentUser, "Software\\Marwick\\Marwick's Solvane");
        if (!key) return 1;
        key->writeInteger(tag + "-" + std::to_string(round), round);
        key->writeText("Last", tag + " " + std::to_string(round));
        key->writeInteger(tag + "-count", round + 1);
        key->close();
    }
    return 0;
}
