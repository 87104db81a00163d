#pragma once

#include <QWidget>

#include <functional>
#include <vector>

namespace termalo {

// Start-up: sets the application title, installs the fonts and the activation
// tracking, and creates every window once, in creation order (Form1 first), all
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
int runProgram();

}  // namespace termalo
