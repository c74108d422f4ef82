#pragma once

class QWidget;

namespace solvane::qt {

// The settings dialog places its controls at fixed positions made for a language
// written from left to right. For one written from right to left the dialog shows
// the mirror image, as a mirrored window on Windows does: each control keeps its
// size and moves to the mirrored position across its container's centre line.

// Moves every child widget of `container` (windows excepted) to its mirrored
// position in the container's width. Mirroring twice restores the positions.
void mirrorChildren(QWidget& container);

}  // namespace solvane::qt
