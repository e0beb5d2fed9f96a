#include "CSVRowFilter.h"

#include "CSVTextFolding.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

const CSVTextFolding &folding()
{
    return CSVTextFolding::forKind(CSVTextFolding::Kind::Loose);
}

// Fewer rows than this are not worth a thread.
constexpr size_t s_rowsPerThread = 50'000;

} // namespace

CSVRowFilter::CSVRowFilter(QStringView text, std::optional<std::vector<qint64>> positions)
    : m_positions(std::move(positions))
{
    m_text.resize(size_t(folding().foldUtf8(text, m_text)));
}

bool CSVRowFilter::occursIn(const std::string &folded, qsizetype length) const
{
    return memmem(folded.data(), size_t(length), m_text.data(), m_text.size()) != nullptr;
}

bool CSVRowFilter::passes(const CSVRow &row, std::string &scratch) const
{
    if (m_text.empty())
        return true;
    if (!m_positions) {
        const CSVRow::Storage cells = row.storage();
        return occursIn(
            scratch, folding().foldPiecesUtf8(cells.text, cells.ends, cells.count, ' ', scratch));
    }
    return std::any_of(m_positions->begin(), m_positions->end(), [&](qint64 position) {
        return position >= 0 && position < row.count() &&
               occursIn(scratch, folding().foldUtf8(row.view(position), scratch));
    });
}

CSVRowList CSVRowFilter::filter(const CSVRowList &rows) const
{
    std::vector<char> passed(rows.size());
    const auto test = [&](size_t from, size_t to) {
        std::string scratch;
        for (size_t i = from; i < to; ++i)
            passed[i] = passes(*rows[i], scratch);
    };
    const size_t threads = std::clamp<size_t>(rows.size() / s_rowsPerThread, 1,
                                              std::max(1u, std::thread::hardware_concurrency()));
    const size_t share = rows.size() / threads;
    {
        std::vector<std::jthread> workers;
        for (size_t t = 1; t < threads; ++t)
            workers.emplace_back(test, t * share, t + 1 == threads ? rows.size() : (t + 1) * share);
        test(0, threads == 1 ? rows.size() : share);
    }
    CSVRowList result;
    result.reserve(size_t(std::count(passed.begin(), passed.end(), 1)));
    for (size_t i = 0; i < rows.size(); ++i) {
        if (passed[i])
            result.push_back(rows[i]);
    }
    return result;
}
