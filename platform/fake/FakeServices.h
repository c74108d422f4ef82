#pragma once
#include <limits>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Utf8.h"
#include "platform/AutostartEntry.h"
#include "platform/DesktopLocale.h"
#include "platform/Fonts.h"
#include "platform/InstanceControl.h"
#include "platform/Monitors.h"
#include "platform/ProgramFiles.h"
#include "platform/SystemServices.h"

namespace solvane::fake {

class FakeMonitors : public platform::Monitors {
public:
    std::vector<Rect> monitors{{0, 0, 1024, 768}};
    std::vector<Rect> list() override { return monitors; }
};

// Deterministic text measurement: every drawn character is half the point size wide,
// and a line is one and a half times the point size high (both capped at 2^31 - 1).
class FakeFonts : public platform::Fonts {
public:
    std::vector<std::string> families{"Verdana", "Arial", "Georgia"};
    int measurements = 0;
    // Measuring more often than this throws: a test can cut short what would run for
    // ever, and see it fail instead.
    int measurementLimit = std::numeric_limits<int>::max();
    std::vector<std::string> scalableFamilies() override { return families; }
    Size measureCaption(const std::string& text, const FontSpec& font) override;
    // The characters the caption convention draws: "&" marks an access key, "&&" is one "&".
    static std::size_t drawnCharacters(const std::string& caption);
};

class FakeScreenSaver : public platform::ScreenSaver {
public:
    bool running = false;
    int queries = 0;
    bool isRunning() override {
        ++queries;
        return running;
    }
};

class FakeProcessMemory : public platform::ProcessMemory {
public:
    double bytes = 40.0 * 1024 * 1024;
    double workingSetBytes() override { return bytes; }
};

// Other instances are a count; asking one to quit ends it at once.
class FakeInstanceControl : public platform::InstanceControl {
public:
    int otherInstances = 0;
    int quitMessages = 0;
    bool announced = false;
    // A quit request from another instance that has arrived and waits for the event loop.
    bool quitWaiting = false;
    // This instance's place went to the next process started.
    bool handedOver = false;
    std::function<void()> onQuit;
    bool quitAnotherInstance() override {
        if (otherInstances == 0) return false;
        ++quitMessages;
        --otherInstances;
        return true;
    }
    void announce(std::function<void()> quitHandler) override {
        announced = true;
        onQuit = std::move(quitHandler);
    }
    void answerWaitingRequests() override {
        if (!announced || !quitWaiting) return;
        quitWaiting = false;
        onQuit();
    }
    void handOver() override {
        handedOver = announced;
        announced = false;
    }
    // A request that waited goes with the place: the real socket closes its queue.
    void withdraw() override {
        announced = false;
        quitWaiting = false;
    }
};

class FakeProcessStarter : public platform::ProcessStarter {
public:
    explicit FakeProcessStarter(const FakeInstanceControl& instances) : instances_(instances) {}
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
        // The started process took over the instance's place (InstanceControl::handOver).
        bool takesOverInstance;
    };
    std::vector<Start> starts;
    void start(const std::string& program, const std::vector<std::string>& arguments) override {
        starts.push_back({program, arguments, instances_.handedOver});
    }

private:
    const FakeInstanceControl& instances_;
};

class FakeShellOpener : public platform::ShellOpener {
public:
    std::vector<std::string> opened;
    void open(const std::string& target) override { opened.push_back(target); }
};

class FakeErrorReporter : public platform::ErrorReporter {
public:
    struct Report {
        std::string title;
        std::string message;
    };
    std::vector<Report> reports;
    void report(const std::string& title, const std::string& message) override { reports.push_back({title, message}); }
};

class FakeClock : public platform::HighResClock {
public:
    std::uint32_t value = 12345;
    std::uint32_t counter() override { return value++; }
};

class FakeDesktopLocale : public platform::DesktopLocale {
public:
    std::vector<std::string> languages;
    std::vector<std::string> preferredLanguages() override { return languages; }
};

class FakeProgramFiles : public platform::ProgramFiles {
public:
    std::string executable = "/opt/solvane/bin/solvane";
    std::map<std::string, std::string> files;
    std::vector<std::string> unreadable;
    bool failWrites = false;
    std::string executablePath() override { return executable; }
    std::string fontListPath() override { return "/home/user/.local/state/solvane/fontlist.tmp"; }
    std::string helpFilePath() override { return "/opt/solvane/bin/readme.txt"; }
    std::string pagePath(const std::string& relativePath) override { return "/opt/solvane/bin/pages/" + relativePath; }
    std::optional<std::string> findLanguageFile(const std::string& fileName) override {
        const std::string path = "/opt/solvane/bin/" + fileName;
        if (files.count(path)) return path;
        return std::nullopt;
    }
    bool exists(const std::string& path) override { return files.count(path) > 0; }
    bool remove(const std::string& path) override { return files.erase(path) > 0; }
    std::optional<std::string> read(const std::string& path, std::size_t maxBytes) override {
        auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        for (const auto& bad : unreadable) {
            if (bad == path) return std::nullopt;
        }
        return found->second.substr(0, maxBytes);
    }
    std::optional<std::string> readAt(const std::string& path, std::size_t offset, std::size_t maxBytes) override {
        std::optional<std::string> whole = read(path, std::string::npos);
        if (!whole) return std::nullopt;
        return offset < whole->size() ? whole->substr(offset, maxBytes) : std::string();
    }
    bool writeAtomically(const std::string& path, const std::string& content) override {
        if (failWrites) return false;
        files[path] = content;
        return true;
    }
};

class FakeAutostartEntry : public platform::AutostartEntry {
public:
    std::optional<std::string> command;  // path and word, as log-on would run them
    bool failWrites = false;
    int removals = 0;
    std::string caption = "Run Solvane at log-in";
    std::string boxCaption() const override { return caption; }
    bool exists() override { return command.has_value(); }
    void write(const std::string& executablePath, const std::string& word) override {
        if (failWrites) throw std::runtime_error("The autostart folder is not writable.");
        command = executablePath + " " + word;
    }
    void remove() override {
        // With no entry there is nothing to fail, however the folder is.
        if (command && failWrites) throw std::runtime_error("The autostart folder is not writable.");
        ++removals;
        command.reset();
    }
};

}  // namespace solvane::fake
