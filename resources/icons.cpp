// The module's two icons as 32 x 32 pixel art: 3774, a head seen from above with linked sensors
// (every map dialog), and 3781, a colour scale over two sliders (the standard display parameters
// dialog). Each character of a row takes the colour of that key; '.' is clear.
#include "resource.h"
#include "tables.h"

namespace {

constexpr const char* kMapIconRows[32] = {
    "................................",
    "................................",
    "...............kk...............",
    "..............kkkk..............",
    ".............kkkkkk.............",
    "............kkkkkkkk............",
    ".........kkkwwwwwwwwkkk.........",
    "........kkwwwwwbwwwwwwkk........",
    ".......kkwwwwwbbbwwwwwwkk.......",
    "......kkwwbwwwwbrwwwwbwwkk......",
    ".....kkwwbbbwwwwwrwwbbbwwkk.....",
    ".....kwwwwbrwwwwwwrwrbwwwwk.....",
    "....kkwwwwwrwwwwwwwrwwwwwwkk....",
    "....kwwwwwwwrwwwwwrrwwwwwwwk....",
    ".k..kwwwwwwwwrwwwwrwrwwwwwwk..k.",
    ".k.kkwwwwwwwwwrwwrwwwrwwwwwkk.k.",
    ".k.kwwwwbwwwwwrbrwwwwwrbwwwwk.k.",
    ".k.kwwwbbbwwwwbbbwwwwwbbbwwwk.k.",
    ".k.kwwwwbwwwwwwbrwwwwwwbwwwwk.k.",
    ".k.kkwwwwrwwwwwwwrwwwwrwwwwkk.k.",
    ".k..kwwwwrwwwwwwwwrwwwrwwwwk..k.",
    "....kwwwwrwwwwwwwwrwwwrwwwwk....",
    "....kkwwwrwwwwwwwwwrwwrwwwkk....",
    ".....kwwwwbwwwwwwwwwrbwwwwk.....",
    ".....kkwwbbbwwwwwwwwbbbwwkk.....",
    "......kkwwbwrrwbwwwwwbwwkk......",
    ".......kkwwwwwbbbwwwwwwkk.......",
    "........kkwwwwwbwwwwwwkk........",
    ".........kkkwwwwwwwwkkk.........",
    "............kkkkkkkk............",
    "................................",
    "................................",
};

constexpr const char* kSettingsIconRows[32] = {
    "................................",
    "................................",
    "................................",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwRRRRrrrrOOOOyyyyBBBBbbbbk..",
    "..kwwRRRRrrrrOOOOyyyyBBBBbbbbk..",
    "..kwwRRRRrrrrOOOOyyyyBBBBbbbbk..",
    "..kwwRRRRrrrrOOOOyyyyBBBBbbbbk..",
    "..kwwRRRRrrrrOOOOyyyyBBBBbbbbk..",
    "..kwwRRRRrrrrOOOOyyyyBBBBbbbbk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwkkkwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwkkkwwwwwwwwwwwwwwwwk..",
    "..kwwgggggkkkggggggggggggggwwk..",
    "..kwwwwwwwkkkwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwkkkwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwkkkwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwkkkwwwwwwwk..",
    "..kwwggggggggggggggkkkgggggwwk..",
    "..kwwwwwwwwwwwwwwwwkkkwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwkkkwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwwk..",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "................................",
    "................................",
    "................................",
};

constexpr const char* kKeys = "kwbrgROyB";
constexpr std::uint32_t kColours[] = {
    0xFF202020u,  // k outline
    0xFFFFFFFFu,  // w face
    0xFF1E50C8u,  // b sensor, cool end of the scale
    0xFFD22828u,  // r link, warm end of the scale
    0xFF909090u,  // g slider track
    0xFFB4141Eu,  // R deep red
    0xFFF08C28u,  // O orange
    0xFFF0DC3Cu,  // y yellow
    0xFF64A0F0u,  // B light blue
};

}  // namespace

namespace cxc::resources::tables {

const cxc::res::IconTemplate kIcons[] = {
    {IDI_ICON_CXCMAP, 32, 32, kMapIconRows, kKeys, kColours},
    {IDI_ICON_STDSET, 32, 32, kSettingsIconRows, kKeys, kColours},
};
const int kIconCount = static_cast<int>(sizeof kIcons / sizeof kIcons[0]);

}  // namespace cxc::resources::tables
