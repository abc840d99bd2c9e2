// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The numbers of the game's rules written out as the rules state them, so that
// a check compares the game with its rules rather than with its own code.
namespace Rules {

struct Range {
    int low, high;
};

// The host's offer at bargaining steps 1 to 12.
inline constexpr Range Offers[12] = {{10, 333},    {334, 666},   {667, 999},   {1001, 1333}, {1334, 1666}, {1668, 2000},
                                     {2001, 2333}, {2334, 2666}, {2667, 2999}, {3001, 3333}, {3334, 3666}, {3667, 3999}};
// The black box holds 10 to the last offer + 209.
inline constexpr int BoxLeast = 10, BoxOverOffer = 209;
// The host makes 3 to 12 offers.
inline constexpr Range OfferCount = {3, 12};
inline constexpr int RightWord = 2000;
inline constexpr int LuckyBoxPoints = 1500;
inline constexpr int LastPlayerMoves = 3;

}
