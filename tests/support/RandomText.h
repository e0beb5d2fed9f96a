#pragma once

#include <random>

// Up to maxCount pieces picked at random and joined: the generated inputs of the
// differential tests. Result is the text type the pieces append to.
template<typename Result, typename Pieces>
Result randomlyJoined(std::mt19937 &random, const Pieces &pieces, unsigned maxCount)
{
    Result joined;
    const unsigned count = random() % (maxCount + 1);
    for (unsigned i = 0; i < count; ++i)
        joined += pieces[random() % pieces.size()];
    return joined;
}
