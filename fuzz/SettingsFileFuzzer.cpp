// The settings file as a person or a broken disk may leave it: any bytes in the JSON
// file that the program reads at start. Each member is read as each type through the
// store's key, then a program starts on the file and saves; a second program starting
// on what the first saved must save the very same file (no setting is lost or changed
// on the way through the store).
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include <unistd.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

#include "app/Program.h"
#include "platform/fake/FakePlatform.h"
#include "platform/linux/JsonKeyStore.h"
#include "platform/linux/JsonStoreKey.h"
#include "settings/SettingsStore.h"

namespace {

using namespace solvane;
namespace fs = std::filesystem;

constexpr std::chrono::milliseconds LockTimeout(200);

// The private folder whose "config" and "xdg" folders stand for the user's and the
// machine's configuration folders.
fs::path workFolder;

// The fake platform, but with the settings kept by the real JSON store.
struct ProgramOnJsonStore {
    fake::FakePlatform fake;
    linuxos::JsonKeyStore store{LockTimeout};
    platform::Platform services{fake.loop,   fake.loop,      store,        fake.monitors,  fake.fonts, fake.screenSaver,
                                fake.memory, fake.processes, fake.shell,   fake.instances, fake.files, fake.autostart,
                                fake.errors, fake.clock,     fake.windows, fake.text,      fake.locale};
    Program program{services, CommandLine{}};
};

std::optional<std::string> readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Starts a program on the settings file as it is, lets it save, and returns what it saved.
std::string startAndSave(const fs::path& file) {
    ProgramOnJsonStore run;
    run.program.createWindows();
    SaveSettings(run.program);
    const std::optional<std::string> saved = readFile(file);
    if (!saved) std::abort();  // a save in a writable folder must leave a file
    return *saved;
}

// Reads every member of the file as a number, a flag and a text; a value of another
// type is an error the store reports, never a crash.
void readEveryMemberEveryWay(const fs::path& file, const QByteArray& bytes) {
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    linuxos::JsonStoreKey key(QString::fromStdString(file.string()), LockTimeout,
                              std::make_shared<linuxos::JsonDeferredChanges>());
    if (!document.isObject()) return;
    for (const QString& name : document.object().keys()) {
        const std::string member = name.toStdString();
        if (!key.valueExists(member)) continue;
        try {
            key.readInteger(member);
        } catch (const platform::StoreError&) {}
        try {
            key.readFlag(member);
        } catch (const platform::StoreError&) {}
        try {
            key.readText(member);
        } catch (const platform::StoreError&) {}
    }
}

void clearFolders() {
    std::error_code ignored;
    fs::remove_all(workFolder / "config", ignored);
    fs::remove_all(workFolder / "xdg", ignored);
    fs::create_directories(workFolder / "xdg");
}

// A folder in memory where there is one: every save ends with fdatasync, which on a
// disk makes each run wait for it.
fs::path temporaryFolder() {
    std::error_code error;
    if (fs::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return fs::temp_directory_path();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::string pattern = (temporaryFolder() / "solvane-fuzz-settings-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    workFolder = pattern;
    setenv("XDG_CONFIG_HOME", (workFolder / "config").c_str(), 1);
    setenv("XDG_CONFIG_DIRS", (workFolder / "xdg").c_str(), 1);
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(workFolder, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    clearFolders();
    const std::optional<QString> keyFile =
        linuxos::JsonKeyStore::keyFilePath(platform::StoreRoot::CurrentUser, SettingsKeyPath);
    if (!keyFile) std::abort();
    const fs::path file = keyFile->toStdString();
    fs::create_directories(file.parent_path());
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto writeInput = [&] {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.constData(), bytes.size());
    };

    writeInput();
    readEveryMemberEveryWay(file, bytes);

    writeInput();  // the reads above may have set a broken file aside
    const std::string firstSave = startAndSave(file);
    if (!QJsonDocument::fromJson(QByteArray::fromStdString(firstSave)).isObject()) std::abort();
    const std::string secondSave = startAndSave(file);
    if (secondSave != firstSave) std::abort();
    return 0;
}
