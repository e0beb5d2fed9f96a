#pragma once

#include <QtGlobal>

#include <cstddef>

// Memory for the rows read from a file. A million rows would otherwise cost two small
// allocations each and a page fault every few rows; here they are carved one after the other
// from large blocks ("slabs") that the system can back with huge pages.
//
// Every piece handed out keeps its slab alive; release() finds the slab from the piece's
// address, and the slab is freed with its last piece. A CSVRowSlabs object fills one slab at a
// time and lets go of it when it moves on or is destroyed, so rows may outlive it.
class CSVRowSlabs
{
public:
    // Pieces larger than this come from the heap instead (see fits()).
    static constexpr size_t s_largestPiece = 64 * 1024;

    CSVRowSlabs() = default;
    ~CSVRowSlabs();
    CSVRowSlabs(const CSVRowSlabs &) = delete;
    CSVRowSlabs &operator=(const CSVRowSlabs &) = delete;

    static bool fits(size_t bytes) { return bytes <= s_largestPiece; }
    // Eight-byte aligned memory for bytes, which must fit.
    void *allocate(size_t bytes);
    // Gives back a piece from any CSVRowSlabs.
    static void release(void *piece);

private:
    void startSlab();

    char *m_slab = nullptr;
    size_t m_used = 0;
};

// Lets std::allocate_shared put a row and its reference counts in the slabs.
template<class T>
class CSVRowSlabAllocator
{
public:
    using value_type = T;

    explicit CSVRowSlabAllocator(CSVRowSlabs &slabs) : m_slabs(&slabs) {}
    template<class U>
    CSVRowSlabAllocator(const CSVRowSlabAllocator<U> &other) : m_slabs(other.m_slabs)
    {}

    T *allocate(size_t n) { return static_cast<T *>(m_slabs->allocate(n * sizeof(T))); }
    // Needs no CSVRowSlabs: the control block of a row keeps its allocator after reading ends.
    void deallocate(T *p, size_t) { CSVRowSlabs::release(p); }

    template<class U>
    bool operator==(const CSVRowSlabAllocator<U> &other) const
    {
        return m_slabs == other.m_slabs;
    }

private:
    template<class U>
    friend class CSVRowSlabAllocator;
    CSVRowSlabs *m_slabs;
};
