// Constant tables that give every track element code its geometry: the ports an element uses,
// the passages a train may take through it, and the small tables the program starts with.
#pragma once

#include <array>
#include <cstdint>

namespace szl {

inline constexpr int kElementRows = 50;  // rows 0..49 hold elements
inline constexpr int kScratchRow = 50;   // row 50: ports of a marker drawn on the view
inline constexpr int kCrossTypes = 7;    // crossing types 0..6 of a slip crossing

// The element rows as (code, port mask); bit p-1 stands for port p.
struct ElementPair {
  int16_t code;
  uint8_t mask;
};

inline constexpr std::array<ElementPair, kElementRows> kElementPairs{{
    {10, 24},  {11, 48},  {12, 28},  {13, 129}, {14, 36},  {15, 17},  {16, 136}, {17, 12},
    {18, 25},  {19, 152}, {20, 56},  {23, 165}, {24, 153}, {25, 60},  {26, 195}, {27, 102},
    {28, 137}, {29, 52},  {30, 145}, {31, 44},  {32, 65},  {33, 68},  {34, 130}, {35, 34},
    {36, 131}, {37, 193}, {38, 38},  {39, 100}, {40, 194}, {41, 70},  {42, 98},  {43, 67},
    {44, 81},  {45, 76},  {46, 138}, {47, 50},  {49, 66},  {54, 156}, {55, 57},  {56, 71},
    {57, 226}, {58, 140}, {59, 49},  {60, 69},  {61, 162}, {62, 90},  {63, 108}, {64, 139},
    {65, 54},  {66, 209},
}};

// Ports 1..8 (index p-1): the step to the neighbour behind the port.
struct Step {
  int8_t dx;
  int8_t dy;
};
inline constexpr std::array<Step, 8> PortStep{
    {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

// PortAtStep[dx + 1][dy + 1]: the port whose step is (dx, dy); 0 for the centre.
inline constexpr uint8_t PortAtStep[3][3] = {{1, 4, 6}, {2, 0, 7}, {3, 5, 8}};

// TurnPorts[p - 1]: the ports a train entering through port p could leave by: straight across
// and 45 degrees to either side. Never back, never a right angle.
inline constexpr int16_t TurnPorts[8][3] = {{5, 7, 8}, {6, 7, 8}, {4, 6, 7}, {3, 5, 8},
                                            {1, 4, 6}, {2, 3, 5}, {1, 2, 3}, {1, 2, 4}};

// Clock tick units in seconds: the divisors of 60.
inline constexpr std::array<int, 12> TickUnits{1, 2, 3, 4, 5, 6, 10, 12, 15, 20, 30, 60};
inline constexpr int kDefaultTickIndex = 6;  // 10 seconds

// Slip crossings (rows 12..15): per row, 7 types x 8 entry ports, each a mask of the ports
// reachable from that entry port in that type. Type 0 equals the geometric passages.
inline constexpr int kFirstSlipRow = 12;
inline constexpr uint8_t kCrossTypeBlocks[4][kCrossTypes * 8] = {
    {144, 0, 0,   144, 9, 0,   0, 9, 128, 0, 0,  144, 8, 0,   0, 9, 144, 0, 0,
     16,  9, 0,   0,   1, 128, 0, 0, 16,  8, 0,  0,   1, 16,  0, 0, 144, 9, 0,
     0,   8, 144, 0,   0, 128, 1, 0, 0,   9, 16, 0,   0, 128, 1, 0, 0,   8},
    {0,  0,  40, 20, 40, 20, 0,  0,  0,  0, 40, 20, 8, 4, 0,  0,  0, 0,  32,
     16, 40, 20, 0,  0,  0,  0,  32, 16, 8, 4,  0,  0, 0, 0,  40, 4, 32, 20,
     0,  0,  0,  0,  8,  20, 40, 16, 0,  0, 0,  0,  8, 4, 32, 16, 0, 0},
    {192, 192, 0,  0,   0, 0,   3,  3, 192, 64, 0,  0,   0, 0,   3,   1, 128, 192, 0,
     0,   0,   0,  2,   3, 128, 64, 0, 0,   0,  0,  2,   1, 192, 128, 0, 0,   0,   0,
     1,   3,   64, 192, 0, 0,   0,  0, 3,   2,  64, 128, 0, 0,   0,   0, 1,   2},
    {0, 96, 96, 0,  0,  6, 6,  0,  0, 96, 32, 0,  0,  6, 2,  0,  0, 64, 96,
     0, 0,  4,  6,  0,  0, 64, 32, 0, 0,  4,  2,  0,  0, 96, 64, 0, 0,  2,
     6, 0,  0,  32, 96, 0, 0,  6,  4, 0,  0,  32, 64, 0, 0,  2,  4, 0},
};

// ElementPorts[r][p] for p = 1..8: 1 when element row r uses port p. Column 0 holds the code.
// Row 50 is all zero here; callers that need a scratch row keep their own.
using PortRow = std::array<int16_t, 9>;
inline constexpr std::array<PortRow, kElementRows + 1> ElementPorts = [] {
  std::array<PortRow, kElementRows + 1> t{};
  for (int r = 0; r < kElementRows; ++r) {
    t[r][0] = kElementPairs[r].code;
    for (int p = 1; p <= 8; ++p) t[r][p] = (kElementPairs[r].mask >> (p - 1)) & 1;
  }
  return t;
}();

// PortPass[r][f-1][t-1][k]: element row r lets a train pass from port f to port t in crossing
// type k.
using PortPassTable =
    std::array<std::array<std::array<std::array<uint8_t, kCrossTypes>, 8>, 8>, kElementRows + 1>;
inline constexpr PortPassTable PortPass = [] {
  PortPassTable t{};
  for (int r = 0; r < kElementRows; ++r) {
    const uint8_t mask = kElementPairs[r].mask;
    for (int f = 1; f <= 8; ++f) {
      if (!((mask >> (f - 1)) & 1)) continue;
      for (int k = 0; k < 3; ++k) {
        const int to = TurnPorts[f - 1][k];
        if ((mask >> (to - 1)) & 1) t[r][f - 1][to - 1][0] = 1;
      }
    }
  }
  for (int b = 0; b < 4; ++b)
    for (int k = 0; k < kCrossTypes; ++k)
      for (int f = 1; f <= 8; ++f)
        for (int to = 1; to <= 8; ++to)
          t[kFirstSlipRow + b][f - 1][to - 1][k] =
              (kCrossTypeBlocks[b][8 * k + (f - 1)] >> (to - 1)) & 1;
  return t;
}();

// The element row of a code: its own code, or a non-electrified code ten times an element's.
// -1 for objects, digits, empty cells and unknown codes. The first match wins.
constexpr int elementRow(int code) {
  for (int r = 0; r < kElementRows; ++r)
    if (ElementPorts[r][0] == code || ElementPorts[r][0] * 10 == code) return r;
  return -1;
}

// The row whose code equals `code` exactly (electrified form), or -1.
constexpr int electrifiedRow(int code) {
  for (int r = 0; r < kElementRows; ++r)
    if (ElementPorts[r][0] == code) return r;
  return -1;
}

// The row whose code times ten equals `code` (non-electrified form), or -1.
constexpr int nonElectrifiedRow(int code) {
  for (int r = 0; r < kElementRows; ++r)
    if (ElementPorts[r][0] * 10 == code) return r;
  return -1;
}

inline constexpr int kLogoSize = 32;
// The start-up picture as indices into the 16-colour palette, LogoPixels[y][x].
extern const std::array<std::array<int16_t, kLogoSize>, kLogoSize> LogoPixels;

// Standard 16-colour palette, as 0xRRGGBB.
inline constexpr std::array<uint32_t, 16> kPalette16{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

}  // namespace szl
