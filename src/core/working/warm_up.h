#pragma once

#include <cstddef>

// Works samples of each kind by each of its ways, with their graphs, and drops the results. The
// page runs it while idle, a sample at a time: its program's code is compiled on its first call,
// and the first working a pupil asks for would otherwise wait for that, several frames long.
class WorkingWarmUp {
public:
    // Works the next sample; false once every sample is worked.
    bool step();

private:
    std::size_t m_next = 0;
};
