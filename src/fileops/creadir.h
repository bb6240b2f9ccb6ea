#pragma once
// modCreaDir: telling whether a folder exists and creating a chain of
// folders, as the copy of one file needs before it writes into the other
// side's tree.

#include <string>

namespace tandara {

// True when path is a folder (after following links).
bool EsisteDir(const std::string &path);

// Creates path and every missing folder above it, parents first. Every
// level is attempted once and failures are ignored (a level that exists
// already, or cannot be made); a level that could not be made shows up
// later, when the copy into it fails.
void CreaDir(const std::string &path);

} // namespace tandara
