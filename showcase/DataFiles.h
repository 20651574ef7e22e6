#pragma once
// Where the program finds its data files: in PREFIX/share/kestrova-phy when it
// runs installed as PREFIX/bin/kestrova-phy, otherwise in the working directory.
#include <string>

// The installed data folder for a program in `programDirectory`; "" when there is none.
std::string INSTALLEDDATADIRECTORY(const std::string& programDirectory);
// Every data file is looked up in `directory` from now on ("": the working directory).
void SETDATADIRECTORY(const std::string& directory);
// The path of the data file `name`.
std::string DATAFILE(const std::string& name);
