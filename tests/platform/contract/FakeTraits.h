#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/FakeEventLoop.h"
#include "platform/fake/FakeKeyStore.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTextConverter.h"

// How each contract suite drives the fake services: what stands for the environment
// (other processes, files, a broken store) where the fake has no real one.
namespace solvane::contract {

struct FakeKeyStoreTraits {
    fake::FakeKeyStore service;

    platform::KeyStore& store() { return service; }
    // The fake keeps its keys for the life of the test, as a restart keeps them on disk.
    platform::KeyStore& restartedStore() { return service; }
    void putValueOfAnotherType(platform::StoreRoot root, const std::string& path, const std::string& name) {
        service.key(root, path)[name] = fake::OtherType{};
    }
    void makeUnopenable(platform::StoreRoot, const std::string&) { service.failOpen = true; }
    void makeUnwritable(platform::StoreRoot root, const std::string&) { service.readOnlyRoot = root; }
};

// Virtual time: a test of many intervals takes no time at all.
struct FakeTimerTraits {
    fake::FakeEventLoop service;

    platform::TimerService& timers() { return service; }
    platform::EventLoop& loop() { return service; }
    std::int64_t nowMs() const { return service.now(); }
    bool runUntil(const std::function<bool()>& condition, int limitMs) {
        return service.advanceUntil(condition, limitMs);
    }
    // Runs the loop; true when a quit ended it before the limit.
    bool runLoop(int limitMs) {
        service.runLimitMs = limitMs;
        const std::int64_t start = service.now();
        service.run();
        return service.now() - start < limitMs;
    }
};

// The other instances are a count inside the fake; a request that reaches this
// instance is its waiting flag.
struct FakeInstanceControlTraits {
    fake::FakeInstanceControl service;

    platform::InstanceControl& self() { return service; }
    void startOtherInstance() { ++service.otherInstances; }
    void letOthersAnswer(int) {}
    int quitsAnsweredByOthers() const { return service.quitMessages; }
    // Another instance, starting now, asks the one it finds (this one) to quit.
    bool requestQuitFromAnotherInstance() {
        service.quitWaiting = true;
        return true;
    }
    // The fake has no event loop of its own: its requests wait for answerWaitingRequests.
    void processOwnEvents() {}
};

struct FakeProgramFilesTraits {
    fake::FakeProgramFiles service;

    platform::ProgramFiles& files() { return service; }
    std::string scratchPath(const std::string& relative) const { return "/home/user/scratch/" + relative; }
    // A file that ships with the program, by its place among the shipped files.
    void shipFile(const std::string& relative, const std::string& content) {
        service.files["/opt/solvane/bin/" + relative] = content;
    }
    // No file can be written in this folder (of the scratch folder).
    void blockFolder(const std::string&) { service.failWrites = true; }
};

struct FakeAutostartEntryTraits {
    fake::FakeAutostartEntry service;

    platform::AutostartEntry& entry() { return service; }
    // The program and arguments that log-on runs; nothing when there is no entry.
    std::optional<std::vector<std::string>> commandRunAtLogOn() const {
        if (!service.command) return std::nullopt;
        const std::size_t blank = service.command->rfind(' ');
        if (blank == std::string::npos) return std::vector<std::string>{*service.command};
        return std::vector<std::string>{service.command->substr(0, blank), service.command->substr(blank + 1)};
    }
    void blockEntries() { service.failWrites = true; }
    void makeEntryUnremovable() { service.failWrites = true; }
};

struct FakeTextConverterTraits {
    fake::FakeTextConverter service;

    platform::TextConverter& converter() { return service; }
};

}  // namespace solvane::contract
