#pragma once

class QGroupBox;

namespace termalo::help {

// Draws `box` as the browser's layouts expect a group box: an etched frame with
// its title on the top edge and nothing filled inside, so that the opaque
// labels in it blend with the window.
void useEtchedFrame(QGroupBox* box);

}  // namespace termalo::help
