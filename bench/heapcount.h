// A count of the heap blocks the benchmark program asked for, so that a benchmark can report how
// many one iteration needs. The program's operator new counts (heapcount.cpp).
#pragma once

namespace cxc::bench {

long long heapBlocks();

}  // namespace cxc::bench
