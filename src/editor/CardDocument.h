#pragma once
// The card as a document: the ordered list of its operations. Drawing them
// in order on a blank card gives the card, pixel for pixel, on both copies.
// Operations are shared and never change; an edit makes a new list.
#include "editor/CardOperation.h"

#include <vector>

struct CardDocument {
    std::vector<Operation> operations;

    int size() const { return int(operations.size()); }
    bool empty() const { return operations.empty(); }
    const CardOperation& at(int index) const { return *operations[std::size_t(index)]; }
    // The position of the operation with `id`, or -1.
    int indexOf(quint64 id) const;

    // The same list with `operation` added at the end, put in place of the one at `index`, or without it.
    CardDocument adding(Operation operation) const;
    CardDocument replacing(int index, Operation operation) const;
    CardDocument removing(int index) const;

    // True when both lists hold the same operations.
    bool operator==(const CardDocument& other) const { return operations == other.operations; }
    bool operator!=(const CardDocument& other) const { return !(*this == other); }
};

// What an edit did to the document, found by comparing the list before and after.
struct DocumentEdit {
    enum Kind { None, Added, Changed, Removed, Replaced } kind = None;
    Operation operation; // the operation added, changed (its new form) or removed
};
DocumentEdit editBetween(const CardDocument& before, const CardDocument& after);
