#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace termalo {

// Start-up: sets the application title and the program's place on the desktop
// (icon, Fusion style, light palette, Qt's Polish texts; see desktop.h), installs the fonts
// and the activation tracking, and creates every window once, in creation order (Form1 first), all
// hidden. Needs a constructed application object. Defined by the application
// bundle, which knows every window.
void startUp();

// Destroys every window that startUp() created (end of the program, or between
// tests). startUp() may be called again afterwards.
void shutDown();

// What startUp() does, for a given list of window constructors in creation order.
using WindowFactory = std::function<QWidget*()>;
void startUpWith(const std::vector<WindowFactory>& factories);

// The program: start-up, show Form1 centred, run the event loop. Errors during
// start-up are shown in the error box and end the program. Returns the exit code 0.
// Defined with startUp() by the application bundle.
int runProgram();
// runProgram() with a given start-up function (runProgram() passes startUp).
int runProgramUsing(const std::function<void()>& start);
// runProgram() for a given list of window constructors.
int runProgramWith(const std::vector<WindowFactory>& factories);

// Ends the program at once: the event loop stops (no question is asked).
void endProgram();
// Tests: endProgram() calls `handler` instead of stopping the event loop
// (nullptr restores the real end).
void setEndProgramHandler(std::function<void()> handler);

}  // namespace termalo
