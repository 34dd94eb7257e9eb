// The screen's scaling. The program declares itself aware of the system's DPI
// (its manifest), so Windows no longer stretches its windows as pictures: the
// toolkit scales every layout value, font and picture itself. Layouts are
// written in pixels at 96 DPI (100 %).
#pragma once

namespace corvane {

// The system's DPI, read once (96 at 100 %, 144 at 150 %).
int ScreenDpi();

// `pixels` at 96 DPI in the screen's pixels, rounded.
int Scaled(int pixels);
// The same rounded down: a font's height, so that its lines stay within the boxes scaled from the layout.
int ScaledDown(int pixels);

// The suffix of the pictures drawn for the screen's scaling ("_150" from
// 150 % up), or "" where the 100 % pictures are stretched.
const char* PictureSuffix();

}  // namespace corvane
