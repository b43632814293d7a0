#include "propertylist/control/sort/RowSorter.h"

#include "propertylist/control/sort/Utf16Order.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace attrgrid {

RowSorter::RowSorter(ole::Ptr<CNodes> nodes, bool descending, SwapDecider decider)
    : m_nodes(std::move(nodes)), m_descending(descending), m_decide(std::move(decider)) {}

void RowSorter::SortTree() {
    if (!m_nodes || m_nodes->Count() < 2)
        return;
    SortSiblings(nullptr);
}

ole::Ptr<CNode> RowSorter::FirstOfLevel(const ole::Ptr<CNode>& parent) const {
    return parent ? parent->FirstChild() : m_nodes->FirstRow();
}

void RowSorter::SortSiblings(const ole::Ptr<CNode>& parent) {
    if (!m_decide) {
        SortLevel(parent);
        return;
    }
    const int32_t siblings = parent ? parent->ChildCount() : m_nodes->TopLevelCount();
    auto descend = [&](const ole::Ptr<CNode>& row) {
        // Also below a single child, so every level ends up sorted.
        if (row->ChildCount() > 0)
            SortSiblings(row);
    };
    // A consistent order needs at most one pass per row plus the pass that finds nothing to do;
    // a host that always asks for an exchange would otherwise never finish.
    const int64_t maxPasses = static_cast<int64_t>(siblings) + 1;
    for (int64_t pass = 0; pass < maxPasses && !m_abandoned; ++pass) {
        ole::Ptr<CNode> current = FirstOfLevel(parent);
        if (!current)
            return;
        if (pass == 0)
            descend(current);
        bool exchanged = false;
        for (ole::Ptr<CNode> next = current->NextSibling(); next && !m_abandoned;
             next = current->NextSibling()) {
            if (pass == 0)
                descend(next);
            if (m_abandoned)
                return;
            Comparison step = CompareNodes(current, next);
            exchanged = exchanged || step.swapped;
            current = std::move(step.later);
        }
        if (!exchanged)
            return;
    }
}

// Adjacent exchanges of rows that compare greater end in the stable order of the same decision, so
// without a host that sees each exchange the level is sorted at once: a bubble sort of a long
// level would hold the user-interface thread for its square.
void RowSorter::SortLevel(const ole::Ptr<CNode>& parent) {
    std::vector<ole::Ptr<CNode>> order;
    for (ole::Ptr<CNode> row = FirstOfLevel(parent); row; row = row->NextSibling())
        order.push_back(row);
    for (const auto& row : order) {
        if (row->ChildCount() > 0)
            SortLevel(row);
    }
    std::vector<ole::Ptr<CNode>> sorted = order;
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [this](const ole::Ptr<CNode>& a, const ole::Ptr<CNode>& b) { return OwnDecision(*b, *a); });
    // Each exchange puts one row in its place: fewer exchanges than rows.
    for (size_t i = 0; i < order.size(); ++i) {
        if (order[i].Get() == sorted[i].Get())
            continue;
        const auto at = static_cast<size_t>(sorted[i]->Index() - 1);
        m_nodes->SwapNodes(order[i], sorted[i]);
        std::swap(order[i], order[at]);
    }
}

bool RowSorter::OwnDecision(const CNode& first, const CNode& second) const {
    if (first.NodeType() != second.NodeType()) {
        const NodeKind later = m_descending ? NodeKind::Category : NodeKind::Property;
        return first.NodeType() == later;
    }
    const int order = CompareUtf16Units(first.Name(), second.Name());
    return m_descending ? order < 0 : order > 0;
}

RowSorter::Comparison RowSorter::CompareNodes(const ole::Ptr<CNode>& first,
                                              const ole::Ptr<CNode>& second) {
    bool swap = OwnDecision(*first, *second);
    if (m_decide && first->NodeType() == second->NodeType()) {
        swap = m_decide(first, second, swap);
        if (!StillSiblings(first, second)) {
            m_abandoned = true;
            return {second, false};
        }
    }
    if (!swap)
        return {second, false};
    m_nodes->SwapNodes(first, second);
    return {first, true};
}

bool RowSorter::StillSiblings(const ole::Ptr<CNode>& first, const ole::Ptr<CNode>& second) const {
    auto held = [&](const ole::Ptr<CNode>& row) { return m_nodes->Holds(row.Get()); };
    return held(first) && held(second) && first->NextSibling().Get() == second.Get();
}

} // namespace attrgrid
