#pragma once
// F12: the frame as a PNG in the user's pictures folder, named with the scene
// and the time, and for a few seconds a line of the overlay saying where it went.
#include <ctime>
#include <string>

// "kestrova-205-20261209-183005.png": the scene's code and the local time.
std::string SCREENSHOTFILENAME(int scene, std::time_t when);
// At the end of a frame, once the overlay is drawn: a fresh press of F12 writes that frame.
void SCREENSHOTKEY();
// The line about the last picture ("Immagine salvata: PATH") while it is recent, else empty.
std::string SCREENSHOTNOTICE();
// In the overlay pass: that line under the logo.
void DRAWSCREENSHOTNOTICE();
