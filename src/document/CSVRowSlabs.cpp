#include "CSVRowSlabs.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <utility>

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#endif

namespace {

// Slabs are aligned to their size, so a piece finds its slab by masking its address.
constexpr size_t s_slabSize = 2 * 1024 * 1024;

struct alignas(16) SlabHeader
{
    // Pieces handed out and not yet released, plus one while a CSVRowSlabs fills the slab.
    std::atomic<qint64> references{1};
};

SlabHeader *headerOf(void *piece)
{
    return reinterpret_cast<SlabHeader *>(reinterpret_cast<quintptr>(piece) & ~(s_slabSize - 1));
}

thread_local CSVRowSlabs *t_filling = nullptr;

void unreference(SlabHeader *header)
{
    if (header->references.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        header->~SlabHeader();
        std::free(header);
    }
}

} // namespace

CSVRowSlabs::~CSVRowSlabs()
{
    if (m_slab)
        unreference(reinterpret_cast<SlabHeader *>(m_slab));
}

void CSVRowSlabs::startSlab()
{
    if (m_slab)
        unreference(reinterpret_cast<SlabHeader *>(m_slab));
    m_slab = static_cast<char *>(std::aligned_alloc(s_slabSize, s_slabSize));
    if (!m_slab)
        throw std::bad_alloc();
#ifdef Q_OS_LINUX
    madvise(m_slab, s_slabSize, MADV_HUGEPAGE);
#endif
    new (m_slab) SlabHeader;
    m_used = sizeof(SlabHeader);
}

void *CSVRowSlabs::allocate(size_t bytes)
{
    Q_ASSERT(fits(bytes));
    bytes = (bytes + 7) & ~size_t(7);
    if (!m_slab || m_used + bytes > s_slabSize)
        startSlab();
    void *piece = m_slab + m_used;
    m_used += bytes;
    reinterpret_cast<SlabHeader *>(m_slab)->references.fetch_add(1, std::memory_order_relaxed);
    return piece;
}

void CSVRowSlabs::release(void *piece)
{
    unreference(headerOf(piece));
}

CSVRowSlabs::Filling::Filling(CSVRowSlabs &slabs) : m_previous(std::exchange(t_filling, &slabs)) {}

CSVRowSlabs::Filling::~Filling()
{
    t_filling = m_previous;
}

void *CSVRowSlabs::allocateInFilling(size_t bytes)
{
    Q_ASSERT(t_filling);
    return t_filling->allocate(bytes);
}
