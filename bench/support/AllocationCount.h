#pragma once

/// Allocations made through operator new since the program started. Benchmarks read it before
/// and after a frame to show the frame allocates nothing. Calling it links in the counting
/// replacement of operator new, which only the programs that ask for the count pay for.
long long AllocationsSoFar();
