#pragma once

#include <QRgb>

// The flat palette shared by all of the program's pictures.
namespace tavrolin::artcolours {

constexpr QRgb Ink = 0xff1f5f99;       // sheet outlines, walls, title blocks
constexpr QRgb InkSoft = 0xff8fb0cf;   // outlines of the sheets further back
constexpr QRgb Paper = 0xffffffff;     // the front sheet
constexpr QRgb PaperBack = 0xffd5e4f1; // the sheets further back
constexpr QRgb Backdrop = 0xffeef4fa;  // blueprint paper behind the sheets
constexpr QRgb GridLine = 0xffdce8f3;  // the blueprint grid
constexpr QRgb Detail = 0xff9dbbd6;    // light drafting detail (doors, hatching)
constexpr QRgb Accent = 0xfff08a24;    // script prompt, dimension lines
constexpr QRgb Success = 0xff2e9e5b;   // the finished mark
constexpr QRgb Shadow = 0x33123a5c;    // soft drop shadow under badges and sheets

} // namespace tavrolin::artcolours
