#include "program/texts/cjkblanks.h"

#include <array>
#include <span>

namespace texts {

namespace {

// Inclusive ranges of text numbers sharing one count of blanks.
struct BlankRun {
    int first;
    int last;
    int blanks;
};

constexpr BlankRun Chinese[] = {
    {127, 129, 1}, {131, 134, 1}, {180, 184, 1}, {301, 307, 1}, {500, 500, 1},
    {130, 130, 2}, {250, 250, 2}, {253, 261, 2}, {264, 265, 2}, {268, 274, 2}, {276, 276, 2},
    {412, 415, 2},
    {411, 411, 4},
    {140, 151, 5}, {266, 267, 5}, {275, 275, 5},
    {262, 262, 6},
    {263, 263, 15},
};

constexpr BlankRun Korean[] = {
    {127, 129, 1}, {131, 134, 1}, {180, 184, 1}, {301, 307, 1}, {500, 500, 1},
    {130, 130, 2}, {173, 173, 2}, {253, 253, 2}, {256, 261, 2}, {264, 265, 2}, {268, 274, 2},
    {276, 276, 2}, {412, 415, 2},
    {165, 166, 4}, {411, 411, 4},
    {140, 151, 5}, {251, 252, 5}, {254, 255, 5}, {266, 267, 5}, {275, 275, 5},
    {164, 164, 6}, {250, 250, 6}, {262, 262, 6},
    {263, 263, 15},
};

constexpr BlankRun Japanese[] = {
    {127, 129, 1}, {131, 134, 1}, {180, 184, 1}, {301, 307, 1}, {500, 500, 1},
    {130, 130, 2}, {169, 169, 2}, {256, 256, 2}, {258, 259, 2}, {261, 261, 2}, {264, 265, 2},
    {268, 269, 2}, {271, 271, 2}, {276, 276, 2}, {413, 415, 2},
    {257, 257, 3},
    {160, 160, 4}, {165, 166, 4}, {173, 173, 4}, {253, 253, 4}, {260, 260, 4}, {273, 273, 4},
    {412, 412, 4},
    {140, 151, 5}, {255, 255, 5},
    {167, 167, 6}, {262, 262, 6}, {274, 274, 6}, {411, 411, 6},
    {266, 267, 8},
    {164, 164, 12}, {250, 251, 12}, {270, 270, 12}, {272, 272, 12}, {275, 275, 12},
    {252, 252, 15}, {263, 263, 15},
    {254, 254, 20},
};

std::span<const BlankRun> runsOf(int sprache)
{
    switch (sprache) {
    case 3: return Chinese;
    case 12: return Korean;
    case 15: return Japanese;
    default: return {};
    }
}

} // namespace

int appendedBlanks(int sprache, int textNr)
{
    for (const BlankRun& run : runsOf(sprache))
        if (textNr >= run.first && textNr <= run.last)
            return run.blanks;
    return 0;
}

} // namespace texts
