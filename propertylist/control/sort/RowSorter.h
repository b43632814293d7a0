#pragma once

#include "propertylist/model/rows/CNode.h"
#include "propertylist/model/rows/CNodes.h"

#include <cstdint>
#include <functional>

namespace attrgrid {

// The header-click sort of one row tree: each level ordered as a bubble sort of adjacent exchanges
// orders it, descending on the first pass into every row that has children; the exchanges are
// made one by one only when a host decides them. Category rows come before
// property rows when ascending, after them when descending; rows of one kind order by name as
// UTF-16 code units; equal names keep their order.
class RowSorter {
public:
    // Called for two adjacent rows of the same kind with the sorter's own decision; returns the
    // final one. It may run host code that changes the tree: the sort then stops.
    using SwapDecider = std::function<bool(const ole::Ptr<CNode>& first,
                                           const ole::Ptr<CNode>& second, bool bSwap)>;

    RowSorter(ole::Ptr<CNodes> nodes, bool descending, SwapDecider decider = {});

    void SortTree();
    // Whether the decider changed the tree under the sort.
    bool Abandoned() const { return m_abandoned; }

private:
    struct Comparison {
        ole::Ptr<CNode> later;
        bool swapped = false;
    };

    void SortSiblings(const ole::Ptr<CNode>& parent);
    // The same order without a host to ask, each level at once.
    void SortLevel(const ole::Ptr<CNode>& parent);
    Comparison CompareNodes(const ole::Ptr<CNode>& first, const ole::Ptr<CNode>& second);
    bool OwnDecision(const CNode& first, const CNode& second) const;
    ole::Ptr<CNode> FirstOfLevel(const ole::Ptr<CNode>& parent) const;
    bool StillSiblings(const ole::Ptr<CNode>& first, const ole::Ptr<CNode>& second) const;

    ole::Ptr<CNodes> m_nodes;
    bool m_descending;
    SwapDecider m_decide;
    bool m_abandoned = false;
};

} // namespace attrgrid
