#include "editor/CardDocument.h"

int CardDocument::indexOf(quint64 id) const
{
    for (int i = 0; i < size(); ++i)
        if (operations[std::size_t(i)]->id() == id)
            return i;
    return -1;
}

CardDocument CardDocument::adding(Operation operation) const
{
    CardDocument result = *this;
    result.operations.push_back(std::move(operation));
    return result;
}

CardDocument CardDocument::replacing(int index, Operation operation) const
{
    CardDocument result = *this;
    if (index >= 0 && index < size())
        result.operations[std::size_t(index)] = std::move(operation);
    return result;
}

CardDocument CardDocument::removing(int index) const
{
    CardDocument result = *this;
    if (index >= 0 && index < size())
        result.operations.erase(result.operations.begin() + index);
    return result;
}

DocumentEdit editBetween(const CardDocument& before, const CardDocument& after)
{
    if (before == after)
        return {};
    std::size_t common = 0;
    while (common < before.operations.size() && common < after.operations.size()
           && before.operations[common] == after.operations[common])
        ++common;
    const std::size_t restBefore = before.operations.size() - common;
    const std::size_t restAfter = after.operations.size() - common;
    if (restBefore == 0 && restAfter > 0)
        return {DocumentEdit::Added, after.operations.back()};
    if (restAfter + 1 == restBefore
        && std::equal(after.operations.begin() + long(common), after.operations.end(), before.operations.begin() + long(common) + 1))
        return {DocumentEdit::Removed, before.operations[common]};
    if (restAfter == restBefore && restAfter > 0
        && std::equal(after.operations.begin() + long(common) + 1, after.operations.end(), before.operations.begin() + long(common) + 1))
        return {DocumentEdit::Changed, after.operations[common]};
    return {DocumentEdit::Replaced, Operation()};
}
