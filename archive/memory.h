#pragma once
// The allocator's settings for a program that fills and frees large lists again and again.

namespace custovia {

// Keeps memory freed by one list for the next instead of handing it back to the system at
// once: refilling a search of a large archive then finds its pages ready rather than
// faulting each one in anew. Where the C library offers no such setting it does nothing.
void keepFreedMemoryForReuse();

}  // namespace custovia
