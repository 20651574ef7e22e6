#pragma once
// How the help boxes' texts are laid out: lines joined with a single carriage
// return, no line break at the end.
#include <initializer_list>
#include <string>

// A scene's help: its description lines, an empty line, the commands every
// scene has ("Comandi:", the mouse, R and D), then the scene's own keys.
std::string SCENEHELP(std::initializer_list<const char*> description, std::initializer_list<const char*> keys);
// The help of the first-person games, shown when one is chosen.
std::string FIRSTPERSONHELP();
