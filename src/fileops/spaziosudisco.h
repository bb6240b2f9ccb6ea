#pragma once
// modSpazioSuDisco: the free space a copy may use on its target volume.

#include <cstdint>
#include <string>

namespace tandara {

// Sets free to the bytes available to this user on the volume that holds
// path (measured at the nearest existing folder at or above it), or to 0
// when the query fails, so that the copy is refused rather than risked.
void SpazioSuDisco(const std::string &path, uint64_t &free);

} // namespace tandara
