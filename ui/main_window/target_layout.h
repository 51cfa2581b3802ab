#pragma once

#include <array>

// Where the hit targets lie over the board picture, in twips from the top-left corner of the
// client area (the picture's corner). Member 0 of a number is the single, 1 the double ring,
// 2 the triple ring.
struct TwipsPoint {
    int left;
    int top;
};

struct NumberTargets {
    int number;
    const char* name;  // the objectName of the array; members are name_0, name_1, name_2
    std::array<TwipsPoint, 3> places;
};

struct TwipsSize {
    int width;
    int height;
};

inline constexpr std::array<TwipsSize, 3> kTargetSizes = {{{375, 255}, {240, 255}, {165, 210}}};

// Indexed by number - 1.
inline constexpr std::array<NumberTargets, 20> kNumberTargets = {{
    {1, "one", {{{3720, 1320}, {3870, 765}, {3510, 1935}}}},
    {2, "two", {{{4065, 4320}, {4590, 4995}, {3825, 4005}}}},
    {3, "three", {{{3000, 4920}, {3060, 5505}, {3060, 4290}}}},
    {4, "four", {{{4530, 2040}, {5130, 1725}, {4110, 2385}}}},
    {5, "five", {{{2280, 1320}, {2145, 825}, {2625, 1950}}}},
    {6, "six", {{{4920, 3075}, {5505, 3045}, {4290, 3075}}}},
    {7, "seven", {{{1815, 4440}, {1440, 4860}, {2250, 4020}}}},
    {8, "eight", {{{1185, 3600}, {750, 3705}, {1875, 3420}}}},
    {9, "nine", {{{1410, 2055}, {1005, 1770}, {2025, 2415}}}},
    {10, "ten", {{{4800, 3600}, {5415, 3750}, {4215, 3405}}}},
    {11, "eleven", {{{1080, 3105}, {660, 3150}, {1830, 3090}}}},
    {12, "twelve", {{{1800, 1575}, {1485, 1215}, {2310, 2130}}}},
    {13, "thirteen", {{{4785, 2550}, {5445, 2400}, {4245, 2730}}}},
    {14, "fourteen", {{{1185, 2640}, {750, 2475}, {1860, 2775}}}},
    {15, "fifteen", {{{4440, 3960}, {5145, 4395}, {4080, 3720}}}},
    {16, "sixteen", {{{1440, 3945}, {960, 4305}, {2010, 3720}}}},
    {17, "seventeen", {{{3585, 4680}, {3990, 5355}, {3465, 4200}}}},
    {18, "eighteen", {{{4185, 1590}, {4605, 1170}, {3855, 2100}}}},
    {19, "ninteen", {{{2280, 4800}, {2145, 5310}, {2610, 4230}}}},
    {20, "twenty", {{{2985, 1230}, {3015, 645}, {3105, 1860}}}},
}};

// The single bull button and the double bull spot, left, top, width, height in twips.
inline constexpr std::array<int, 4> kBullTwips = {2880, 2760, 615, 195};
inline constexpr std::array<int, 4> kDblBullTwips = {3120, 3120, 135, 135};
