#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace solvane::platform {

class ScreenSaver {
public:
    virtual ~ScreenSaver() = default;
    // A screen saver is running now; false when nothing can tell.
    virtual bool isRunning() = 0;
};

class ProcessMemory {
public:
    virtual ~ProcessMemory() = default;
    // Resident memory of this process in bytes; 0 when it cannot be read.
    virtual double workingSetBytes() = 0;
};

class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // Starts the program with the arguments (no shell); the result is not examined.
    virtual void start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    // Opens a file or a web address with the desktop's default handler.
    virtual void open(const std::string& target) = 0;
};

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // Shows an error that escaped an event handler; the program goes on.
    virtual void report(const std::string& title, const std::string& message) = 0;
};

class HighResClock {
public:
    virtual ~HighResClock() = default;
    // Low 32 bits of a high-resolution counter, used to reseed the random generator.
    virtual std::uint32_t counter() = 0;
};

}  // namespace solvane::platform
