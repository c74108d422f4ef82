// Looks up the installer's language as the program does when it starts, through the
// real store, and prints it.
#include <cstdio>

#include "platform/linux/JsonKeyStore.h"
#include "settings/LanguageSetup.h"

int main() {
    solvane::linuxos::JsonKeyStore store;
    std::printf("%d\n", static_cast<int>(solvane::findInstallerLanguage(store)));
    return 0;
}
