#pragma once
#include <gtest/gtest.h>

#include "FakeTraits.h"
#include "ImplementationName.h"
#include "LinuxTraits.h"
#include "QtTraits.h"

// Every implementation of each platform interface, fake first. A new system's
// services join a suite by their traits in the list.
namespace solvane::contract {

using KeyStoreImplementations = ::testing::Types<FakeKeyStoreTraits, JsonKeyStoreTraits>;
using TimerImplementations = ::testing::Types<FakeTimerTraits, QtTimerTraits>;
using InstanceControlImplementations = ::testing::Types<FakeInstanceControlTraits, LocalSocketInstanceControlTraits>;
using ProgramFilesImplementations = ::testing::Types<FakeProgramFilesTraits, XdgProgramFilesTraits>;
using AutostartEntryImplementations = ::testing::Types<FakeAutostartEntryTraits, XdgAutostartEntryTraits>;
using TextConverterImplementations = ::testing::Types<FakeTextConverterTraits, IconvTextConverterTraits>;

}  // namespace solvane::contract
