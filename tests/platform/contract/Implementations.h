#pragma once
#include <gtest/gtest.h>

#include "FakeTraits.h"
#ifdef _WIN32
#include "WindowsTraits.h"
#else
#include "LinuxTraits.h"
#include "QtTraits.h"
#endif

// Every implementation of each platform interface, fake first. A new system's
// services join a suite by their traits in the list of their system.
//
// A traits struct is made fresh for each test: its constructor sets up the
// service's environment (temporary folders, the application object) and its
// destructor takes it down. Besides the service, each suite asks of it:
// - store: store(), restartedStore() (the same values as the next run sees them),
//   putValueOfAnotherType(root, path, name), makeUnopenable(root, path),
//   makeUnwritable(root, path);
// - timers and event loop: timers(), loop(), nowMs(), runUntil(condition, limitMs),
//   runLoop(limitMs) (true when a quit, not the limit, ended the run);
// - instance control: self(), startOtherInstance(), letOthersAnswer(count),
//   quitsAnsweredByOthers(), requestQuitFromAnotherInstance(), processOwnEvents();
// - program files: files(), scratchPath(relative), shipFile(relative, content),
//   blockFolder(relative);
// - log-on entry: entry(), commandRunAtLogOn(), blockEntries(), makeEntryUnremovable();
// - text conversion: converter().
namespace solvane::contract {

#ifdef _WIN32
// The Windows services.
using KeyStoreImplementations = ::testing::Types<FakeKeyStoreTraits, RegistryKeyStoreTraits>;
using TimerImplementations = ::testing::Types<FakeTimerTraits, Win32TimerTraits>;
using InstanceControlImplementations = ::testing::Types<FakeInstanceControlTraits, WindowClassInstanceControlTraits>;
using ProgramFilesImplementations = ::testing::Types<FakeProgramFilesTraits, WindowsProgramFilesTraits>;
using AutostartEntryImplementations = ::testing::Types<FakeAutostartEntryTraits, RunKeyAutostartEntryTraits>;
using TextConverterImplementations = ::testing::Types<FakeTextConverterTraits, CodePageTextConverterTraits>;
// The system's own converter, whose tables the fake's must match.
using SystemTextConverterTraits = CodePageTextConverterTraits;
#define SOLVANE_SYSTEM_TEXT_CONVERTER_TRAITS
#else
using KeyStoreImplementations = ::testing::Types<FakeKeyStoreTraits, JsonKeyStoreTraits>;
using TimerImplementations = ::testing::Types<FakeTimerTraits, QtTimerTraits>;
using InstanceControlImplementations = ::testing::Types<FakeInstanceControlTraits, LocalSocketInstanceControlTraits>;
using ProgramFilesImplementations = ::testing::Types<FakeProgramFilesTraits, XdgProgramFilesTraits>;
using AutostartEntryImplementations = ::testing::Types<FakeAutostartEntryTraits, XdgAutostartEntryTraits>;
using TextConverterImplementations = ::testing::Types<FakeTextConverterTraits, IconvTextConverterTraits>;
// The system's own converter, whose tables the fake's must match.
using SystemTextConverterTraits = IconvTextConverterTraits;
#define SOLVANE_SYSTEM_TEXT_CONVERTER_TRAITS
#endif

}  // namespace solvane::contract
