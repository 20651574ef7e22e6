#pragma once
// The help texts of the "Info demo" box, one array per menu group; lines are
// joined with a single carriage return.
#include <string>

extern const std::string HELPTXT[12];
extern const std::string HELPTXT1[4];
extern const std::string HELPTXT2[2];
extern const std::string HELPTXT3[1];
extern const std::string HELPTXT4[2];
extern const std::string HELPTXT5[1];

// The help text of a scene for "Info demo", or nullptr when it has none.
const std::string* HELPTEXTFORSCENE(int scene);
