#pragma once

#include <QString>
#include <QWidget>

#include <functional>

namespace termalo::screenshots {

// Writes a PNG of `window` (its client area) as OUTDIR/<name>.png.
void shoot(QWidget* window, const QString& name);

// Lets queued events and timers that are already due run.
void settle();

// A scene walks part of the program and shoots its windows. Scenes register
// themselves with a static SceneRegistrar in their own .cpp file and run in
// ascending order; every scene starts from freshly created windows.
using Scene = std::function<void()>;
struct SceneRegistrar {
    SceneRegistrar(int order, const char* name, Scene scene);
};

}  // namespace termalo::screenshots
