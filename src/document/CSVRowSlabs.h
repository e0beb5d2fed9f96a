#pragma once

#include <QtGlobal>

#include <cstddef>
#include <type_traits>

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

    // Names the slabs CSVRowSlabAllocator takes from on this thread while it lives.
    class Filling
    {
    public:
        explicit Filling(CSVRowSlabs &slabs);
        ~Filling();
        Filling(const Filling &) = delete;
        Filling &operator=(const Filling &) = delete;

    private:
        CSVRowSlabs *m_previous;
    };
    // Memory from the slabs a Filling names on this thread; there must be one.
    static void *allocateInFilling(size_t bytes);

private:
    void startSlab();

    char *m_slab = nullptr;
    size_t m_used = 0;
};

// Lets std::allocate_shared put a row and its reference counts in the slabs named by a
// CSVRowSlabs::Filling. It holds nothing: the control block of every row keeps a copy of its
// allocator, and a pointer there would cost eight bytes more on each of ten million rows.
template<class T>
class CSVRowSlabAllocator
{
public:
    using value_type = T;

    CSVRowSlabAllocator() = default;
    template<class U>
    CSVRowSlabAllocator(const CSVRowSlabAllocator<U> &)
    {}

    T *allocate(size_t n)
    {
        return static_cast<T *>(CSVRowSlabs::allocateInFilling(n * sizeof(T)));
    }
    void deallocate(T *p, size_t) { CSVRowSlabs::release(p); }

    template<class U>
    bool operator==(const CSVRowSlabAllocator<U> &) const
    {
        return true;
    }
};

static_assert(std::is_empty_v<CSVRowSlabAllocator<char>>);
