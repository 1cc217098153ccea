#include "stdafx.h"

#include "reportcore.h"

#include <algorithm>
#include <bit>

namespace cxc::maps {

void GraphTotals::addConnection(__int64 k, double value, double distance)
{
    ++totalConn;
    if (totalConn == 1) {
        hubMin = hubMax = k;
        edgeMin = edgeMax = value;
        pathMin = pathMax = distance;
    } else {
        hubMin = std::min(hubMin, k);
        hubMax = std::max(hubMax, k);
        edgeMin = std::min(edgeMin, value);
        edgeMax = std::max(edgeMax, value);
        pathMin = std::min(pathMin, distance);
        pathMax = std::max(pathMax, distance);
    }
    hubSumSq = satAdd(hubSumSq, satMul(k, k));
    if (k == 1) ++seeds;
    edgeSum += value;
    edgeSumSq += value * value;
    pathSum += distance;
    pathSumSq += distance * distance;
}

void GraphTotals::addClustering(double clce, double xnml)
{
    if (clceCount == 0) {
        clceMin = clceMax = clce;
        xnmlMin = xnmlMax = xnml;
    } else {
        clceMin = std::min(clceMin, clce);
        clceMax = std::max(clceMax, clce);
        xnmlMin = std::min(xnmlMin, xnml);
        xnmlMax = std::max(xnmlMax, xnml);
    }
    clceSum += clce;
    clceSumSq += clce * clce;
    xnmlSum += xnml;
    xnmlSumSq += xnml * xnml;
    ++clceCount;
}

__int64 PositionBits::common(const PositionBits& o) const
{
    __int64 c = 0;
    const size_t w = std::min(words_.size(), o.words_.size());
    for (size_t i = 0; i < w; ++i) c += std::popcount(words_[i] & o.words_[i]);
    return c;
}

std::vector<PositionBits> completeAdjacency(__int64 n)
{
    PositionBits all(n);
    for (__int64 p = 0; p < n; ++p) all.set(p);
    std::vector<PositionBits> rows(static_cast<size_t>(n), all);
    for (__int64 p = 0; p < n; ++p) rows[static_cast<size_t>(p)].reset(p);
    return rows;
}

__int64 orderedPairsWithin(const std::vector<PositionBits>& adjacency, const PositionBits& set,
                           const std::vector<__int64>& members, __int64 count)
{
    __int64 pairs = 0;
    for (__int64 a = 0; a < count; ++a) {
        const __int64 p = members[static_cast<size_t>(a)];
        // A member cleared from the set (the node itself) pairs with nobody.
        if ((set.words()[static_cast<size_t>(p >> 6)] >> (p & 63) & 1) == 0) continue;
        pairs += adjacency[static_cast<size_t>(p)].common(set);
    }
    return pairs;
}

CString GraphTotals::format(bool precise) const
{
    // Called with at least one connection, so seeds >= 1 (the first connection of a node is a seed).
    const __int64 hubMean = seeds > 0 ? totalConn / seeds : 0;
    const __int64 hubRms = toInt64(std::sqrt(static_cast<double>(hubSumSq / totalConn)));
    const double conn = static_cast<double>(totalConn);
    const double edgeMean = edgeSum / conn, edgeRms = std::sqrt(edgeSumSq / conn);
    const double pathMean = pathSum / conn, pathRms = std::sqrt(pathSumSq / conn);
    double clceMean = 0, clceRms = 0, xnmlMean = 0, xnmlRms = 0;
    if (clceCount >= 1) {
        const double cc = static_cast<double>(clceCount);
        clceMean = clceSum / cc;
        clceRms = std::sqrt(clceSumSq / cc);
        xnmlMean = xnmlSum / cc;
        xnmlRms = std::sqrt(xnmlSumSq / cc);
    }
    CString s, line;
    s.Format(L"Total Connections: %I64d  Seed Sources: %I64d  Clustering Coefficient (ClCe) Total: %I64d \n",
             totalConn, seeds, clceCount);
    line.Format(L"Hub min: %I64d  Hub Mean: %I64d  Hub Max: %I64d Hub Rms: %I64d \n", hubMin, hubMean, hubMax,
                hubRms);
    s += line;
    if (!precise) {
        line.Format(L"Total edge: %f Edge min: %f  Edge Mean: %f  Edge Max: %f edge Rms: %f \n", edgeSum, edgeMin,
                    edgeMean, edgeMax, edgeRms);
        s += line;
        line.Format(L"Total Path: %f Path min: %f  Path Mean: %f  Path Max: %f Path Rms: %f \n", pathSum, pathMin,
                    pathMean, pathMax, pathRms);
        s += line;
        line.Format(L"Total ClCe: %f ClCe min: %f  ClCe Mean: %f  ClCe Max: %f ClCe Rms: %f \n", clceSum, clceMin,
                    clceMean, clceMax, clceRms);
        s += line;
        line.Format(L"Total ClCeXnml: %f ClCex min: %f  ClCex Mean: %f  ClCex Max: %f ClCex Rms: %f \n", xnmlSum,
                    xnmlMin, xnmlMean, xnmlMax, xnmlRms);
        s += line;
    } else {
        line.Format(L"Total edge: %.16f Edge min: %.16f  Edge Mean: %.16f  Edge Max: %.16f edge Rms: %.16f \n",
                    edgeSum, edgeMin, edgeMean, edgeMax, edgeRms);
        s += line;
        line.Format(L"Total Path: %.16f Path min: %.16f  Path Mean: %.16f  Path Max: %.16f Path Rms: %.16f \n",
                    pathSum, pathMin, pathMean, pathMax, pathRms);
        s += line;
        line.Format(L"Total ClCe: %.16f ClCe min: %.16f  ClCe Mean: %.16f  ClCe Max: %.16f ClCe Rms: %.16f \n",
                    clceSum, clceMin, clceMean, clceMax, clceRms);
        s += line;
        line.Format(
            L"Total ClCeXnml: %.16f ClCex min: %.16f  ClCex Mean: %.16f  ClCex Max: %.16f ClCex Rms: %.16f \n",
            xnmlSum, xnmlMin, xnmlMean, xnmlMax, xnmlRms);
        s += line;
    }
    return s;
}

}  // namespace cxc::maps
