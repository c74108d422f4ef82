// The numbers of the program's resources, shared by solvane.rc and the code that
// loads them. Plain macros: the resource compiler reads this file too.
#pragma once

// The program's own icon. The lowest number, so that Explorer shows it for the file.
#define SOLVANE_ICON_APPLICATION 1
// The tray icon while the affirmations run, and while they are stopped.
#define SOLVANE_ICON_TRAY_RUNNING 2
#define SOLVANE_ICON_TRAY_STOPPED 3
