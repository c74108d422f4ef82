#pragma once
#include <windows.h>

namespace solvane::windows::testing {

// The exit codes of the instance helper (InstanceHelper.cpp).
enum HelperExit : DWORD {
    AnsweredQuit = 0,  // an announced instance was asked to quit; a shutdown found none left
    FoundOne = 0,      // a request was posted, or an heir is on its way
    FoundNone = 1,     // a request found no other instance
    WrongArguments = 2,
    TimedOut = 3,  // nobody asked the instance; the shutdown never found the place empty
};

}  // namespace solvane::windows::testing
