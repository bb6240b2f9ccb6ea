#include "spaziosudisco.h"

#include "engine/fsservices.h"

namespace tandara {

void SpazioSuDisco(const std::string &path, uint64_t &free)
{
    free = fs::freeSpace(path).value_or(0);
}

} // namespace tandara
