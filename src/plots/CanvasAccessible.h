#pragma once

// What assistive technology (a screen reader) learns about a TImageCanvas: a
// picture with the accessible name its owner gives it and, as description,
// what the canvas's Describe function says at the moment a reader asks. The
// text is built only then, so a redraw costs nothing for it.
//
// Installs the factory that gives every TImageCanvas this interface; called
// by each canvas's constructor, effective once per process. User-interface
// thread only.
void InstallCanvasAccessibility();
