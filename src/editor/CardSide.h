#pragma once
// The two sides of a card: the picture side and the address side.
enum class CardSide { Front, Back };

inline CardSide otherSide(CardSide side)
{
    return side == CardSide::Front ? CardSide::Back : CardSide::Front;
}
