#include "config/ConfigLayout.h"

namespace {

using enum ControlKind;
constexpr ControlCursor kHand = ControlCursor::Hand;
// The About page's text and its links stand on white.
constexpr RgbColor kWhite = {255, 255, 255};

// clang-format off
const LayoutRow kRows[] = {
    // name            kind          parent          left  top  width height  properties
    {"PageControl1",   PageControl,  nullptr,        {  5,   5, 502, 354}, {.tabStop = true}},
    {"t1",             Page,         "PageControl1", {  0,   0,   0,   0}, {.caption = "Options"}},
    {"t2",             Page,         "PageControl1", {  0,   0,   0,   0}, {.caption = "Links"}},
    {"t3",             Page,         "PageControl1", {  0,   0,   0,   0}, {.caption = "About"}},
    {"t4",             Page,         "PageControl1", {  0,   0,   0,   0}, {.caption = "Tips"}},

    // Options
    {"GroupBox10",     GroupBox,     "t1",           {  4,  60, 485, 261}, {.caption = " Info  "}},
    {"Image1",         Picture,      "GroupBox10",   { 12,  14, 445, 241}, {.cursor = kHand,
                                                                            .onClick = "Image1Click",
                                                                            .autoSize = true}},
    {"GroupBox4",      GroupBox,     "t1",           {  4,   3, 485,  54}, {.caption = " Transition  "}},
    {"comboEffekt",    ComboBox,     "GroupBox4",    { 10,  20, 447,  21}, {.tabStop = true}},

    // Links: the page picture, then the click areas over its entries
    {"Image2",         Picture,      "t2",           {  4,   8, 486, 313}, {.picture = "LINKS"}},
    {"Image9",         Picture,      "t2",           {296,  16, 193, 305}, {.cursor = kHand,
                                                                            .onClick = "Image5Click"}},
    {"Image7",         Picture,      "t2",           {  8, 272, 289,  22}, {.cursor = kHand,
                                                                            .onClick = "Image7Click"}},
    {"Image8",         Picture,      "t2",           {  8, 294, 289,  22}, {.cursor = kHand,
                                                                            .onClick = "Image8Click"}},
    {"Image6",         Picture,      "t2",           {  8, 208, 289,  65}, {.cursor = kHand,
                                                                            .onClick = "Image6Click"}},
    {"Image5",         Picture,      "t2",           {  8, 144, 289,  65}, {.cursor = kHand,
                                                                            .onClick = "Image5Click"}},
    {"Image3",         Picture,      "t2",           {  8,  16, 289,  65}, {.cursor = kHand,
                                                                            .onClick = "Image3Click"}},
    {"Image4",         Picture,      "t2",           {  8,  80, 289,  65}, {.cursor = kHand,
                                                                            .onClick = "StaticText5Click"}},

    // About
    {"AboutShape4",    Shape,        "t3",           {  4,   8, 486, 310}},
    {"Image10",        Picture,      "t3",           {344, 100, 100, 100}, {.cursor = kHand,
                                                                            .onClick = "StaticText5Click",
                                                                            .picture = "LOGO",
                                                                            .autoSize = true}},
    {"Memo1",          Memo,         "t3",           {  6,  32, 323, 273}, {.cursor = ControlCursor::Arrow,
                                                                            .background = kWhite}},
    {"StaticText5",    LinkLabel,    "t3",           {124, 240,  89,  17}, {.caption = "Orvandel",
                                                                            .cursor = kHand,
                                                                            .background = kWhite,
                                                                            .onClick = "StaticText5Click"}},
    {"StaticText1",    LinkLabel,    "t3",           {124, 201,  89,  17}, {.caption = "Orvandel",
                                                                            .cursor = kHand,
                                                                            .background = kWhite,
                                                                            .onClick = "StaticText1Click"}},
    {"Button1",        PushButton,   "t3",           {344, 229, 100,  25}, {.caption = "Donate...",
                                                                            .onClick = "Button1Click",
                                                                            .tabStop = true}},

    // Tips: the page picture, then the click areas over its tips
    {"Image14",        Picture,      "t4",           {  4,   8, 486, 313}, {.picture = "TIPS"}},
    {"Image11",        Picture,      "t4",           {256, 176, 225, 137}, {.cursor = kHand,
                                                                            .onClick = "Image11Click"}},
    {"Image12",        Picture,      "t4",           { 16, 176, 217, 137}, {.cursor = kHand,
                                                                            .onClick = "Image12Click"}},
    {"Image13",        Picture,      "t4",           { 16,  14, 465, 137}, {.cursor = kHand,
                                                                            .onClick = "Image13Click"}},

    {"Panel1",         Panel,        nullptr,        {  0, 360, 513,  41}},
    // "Cancel" before "OK": it comes first in the tab order.
    {"Button10",       PushButton,   "Panel1",       {424,   8,  83,  25}, {.caption = "Cancel",
                                                                            .onClick = "Button10Click",
                                                                            .tabStop = true}},
    {"Button9",        PushButton,   "Panel1",       {332,   8,  83,  25}, {.caption = "OK",
                                                                            .onClick = "Button9Click",
                                                                            .tabStop = true}},
};
// clang-format on

}  // namespace

const std::span<const LayoutRow> kConfigControls = kRows;

const std::array<const char*, kMemoLineCount> kAboutLines = {
    "N a m e",
    "Orvandel - Solquera",
    "",
    "V e r s i o n",
    "2.00 - Vexlor",
    "",
    "R e l e a s e",
    "2007-05-24",
    "",
    "S t a t u s",
    "Freeware",
    "",
    "F o t o s",
    "Orvandel",
    "",
    "C o d i n g ,   D e s i g n",
    "Orvandel",
    "",
    "C o p y r i g h t",
    "(c) 2007 Orvandel. All rights reserved.",
};
