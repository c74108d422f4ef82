// Saves all of the program's settings through the real store again and again, one
// generation after the other (see SavedGenerations.h), until it is killed.
// Usage: store_kill_saver <first generation>. Prints "ready" once its first save is done.
#include <cstdio>
#include <cstdlib>

#include "SavedGenerations.h"
#include "platform/linux/JsonKeyStore.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    solvane::linuxos::JsonKeyStore store;
    for (std::int32_t generation = std::atoi(argv[1]);; ++generation) {
        solvane::platform::testing::saveGeneration(store, generation);
        if (generation == std::atoi(argv[1])) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
