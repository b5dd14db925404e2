#pragma once

// Global allocation that can be told to fail: after `succeeding` more
// allocations, every one fails (operator new throws std::bad_alloc, the
// nothrow forms return null) until Stop. Linked only into the test program
// that exercises memory exhaustion.
void FailAllocationsAfter(int succeeding);
void StopFailingAllocations();

// Fails allocations for the life of the object.
class FailingAllocations {
public:
    explicit FailingAllocations(int succeeding) { FailAllocationsAfter(succeeding); }
    ~FailingAllocations() { StopFailingAllocations(); }
    FailingAllocations(const FailingAllocations&) = delete;
    FailingAllocations& operator=(const FailingAllocations&) = delete;
};
