#pragma once

// Works a sample of each kind by each of its ways, with its graph, and drops the result. The page
// calls it while idle: its program's code is compiled on its first call, and the first working a
// pupil asks for would otherwise wait for that, several frames long.
void warmUpWorking();
