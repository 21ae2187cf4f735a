#pragma once
// Heap blocks and bytes alive in this test program (operator new/delete are counted).
namespace footprint_test {

struct HeapFigures {
    long long blocks = 0;
    long long bytes = 0;
};

HeapFigures heapNow();

}  // namespace footprint_test
