#pragma once
// The keys a scene's help text names, such as "(1-4)", "(1/3/5/7)", "(W/E)" or
// "(SPACE)", as the runner's key names (a letter, a digit, UP, SPACE, ...).
// The soak presses them, so a new scene's keys are pressed once its help text
// lists them.
#include <string>
#include <vector>

std::vector<std::string> keysNamedInHelp(const std::string& helpText);
