#pragma once
// Figures of benchmarks that time things in turns, so that a busy moment of the machine weighs
// on each alike.

#include <algorithm>
#include <cstddef>
#include <vector>

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The median of the ratios within each turn: a drift of the machine's speed between turns
// cancels out.
inline double medianRatio(const std::vector<double> &over, const std::vector<double> &under)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < over.size() && i < under.size(); ++i)
        ratios.push_back(over[i] / under[i]);
    return median(std::move(ratios));
}
