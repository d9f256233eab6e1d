// Heap allocations of the test program so far (heap_count.cpp).
#pragma once

extern long heapAllocations;
