#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "config/ConfigLayout.h"
#include "config/LinkTargets.h"

namespace {

const LayoutRow& Row(const char* name) {
    const int index = RowIndex(kConfigControls, name);
    EXPECT_GE(index, 0) << name;
    return kConfigControls[static_cast<std::size_t>(index < 0 ? 0 : index)];
}

// Controls are made row by row, so a parent must come before its children;
// and a child outside its parent's area would be cut off.
TEST(ConfigLayout, ParentsComeFirstAndHoldTheirChildren) {
    std::set<std::string> made;
    for (const LayoutRow& row : kConfigControls) {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(made.insert(row.name).second) << "name used twice";
        if (!row.parent) continue;
        ASSERT_TRUE(made.count(row.parent)) << "parent " << row.parent << " comes later";
        const LayoutRow& parent = Row(row.parent);
        if (row.kind == ControlKind::Page) {
            EXPECT_EQ(parent.kind, ControlKind::PageControl);
            continue;
        }
        const Bounds& area = parent.kind == ControlKind::Page ? Row(parent.parent).bounds : parent.bounds;
        EXPECT_GE(row.bounds.left, 0);
        EXPECT_GE(row.bounds.top, 0);
        EXPECT_LE(row.bounds.left + row.bounds.width, area.width);
        EXPECT_LE(row.bounds.top + row.bounds.height, area.height);
    }
}

// Enter and Escape arrive as commands IDOK (1) and IDCANCEL (2); a control
// with either id would be clicked by them.
TEST(ConfigLayout, NoControlTakesTheIdsOfTheDialogKeys) {
    for (int id : {1, 2}) EXPECT_EQ(RowOfId(kConfigControls, id), nullptr) << id;
    EXPECT_EQ(RowOfId(kConfigControls, kFirstControlId)->name, std::string("PageControl1"));
    EXPECT_EQ(RowOfId(kConfigControls, kFirstControlId + RowIndex(kConfigControls, "Button9"))->name,
              std::string("Button9"));
    EXPECT_EQ(RowIndex(kConfigControls, "NoSuchControl"), -1);
}

// Tab visits the page tabs, then the contents of each page, then "Cancel"
// and "OK" below them; at run time only the shown page's stop counts.
TEST(ConfigLayout, TheTabOrderFollowsTheRowsContainersFirst) {
    std::vector<std::string> order;
    for (const std::size_t index : TabOrder(kConfigControls)) order.push_back(kConfigControls[index].name);
    EXPECT_EQ(order,
              (std::vector<std::string>{"PageControl1", "comboEffekt", "Button1", "Button10", "Button9"}));
}

// Every click goes to a handler that exists, and every link is reachable.
TEST(ConfigLayout, EveryClickHasItsHandlerAndEveryLinkItsControl) {
    std::set<std::string> clicked;
    for (const LayoutRow& row : kConfigControls) {
        if (!row.properties.onClick) continue;
        const std::string handler = row.properties.onClick;
        clicked.insert(handler);
        if (handler == "Button9Click" || handler == "Button10Click") continue;
        EXPECT_NE(LinkAddressOf(row.properties.onClick), nullptr) << row.name << ": " << handler;
    }
    for (const LinkTarget& target : kLinkTargets) {
        EXPECT_TRUE(clicked.count(target.handler)) << target.handler << " has no control";
        EXPECT_TRUE(std::string(target.address).starts_with("http://")) << target.address;
    }
    EXPECT_EQ(LinkAddressOf("Button9Click"), nullptr);
}

// The two link labels lie exactly over the maker's name in the About text.
TEST(ConfigLayout, LinkLabelsCoverTheirLinesOfTheAboutText) {
    const LayoutRow& memo = Row("Memo1");
    for (const auto& [label, line] : kLinkLabelLines) {
        SCOPED_TRACE(label);
        const LayoutRow& row = Row(label);
        EXPECT_STREQ(row.properties.caption, kAboutLines[static_cast<std::size_t>(line - 1)]);
        EXPECT_GE(row.bounds.left, memo.bounds.left);
        EXPECT_LE(row.bounds.left + row.bounds.width, memo.bounds.left + memo.bounds.width);
    }
}

// At 96 dpi the dialog is the table itself; at any other DPI each value is
// scaled and rounded as the system's MulDiv rounds: to the nearest pixel,
// halves away from zero.
TEST(ConfigLayout, ScalesToADpiAsMulDivRounds) {
    for (const LayoutRow& row : kConfigControls) {
        const Bounds scaled = ScaleForDpi(row.bounds, kLayoutDpi);
        EXPECT_EQ(std::tie(scaled.left, scaled.top, scaled.width, scaled.height),
                  std::tie(row.bounds.left, row.bounds.top, row.bounds.width, row.bounds.height))
            << row.name;
    }
    struct Case {
        int length, dpi, scaled;
    };
    for (const Case& c :
         {Case{kConfigClientWidth, 144, 770}, Case{kConfigClientHeight, 144, 602},
          Case{-11, 144, -17},  // the font height: -16.5
          Case{1, 144, 2}, Case{-1, 144, -2}, Case{3, 144, 5}, Case{0, 144, 0}, Case{-11, 120, -14},
          Case{13, 120, 16}, Case{21, 120, 26}, Case{5, 72, 4}, Case{445, 192, 890},
          Case{2000000, 480, 10000000}, Case{30000000, 144, 45000000}, Case{-30000000, 144, -45000000}}) {
        EXPECT_EQ(ScaleForDpi(c.length, c.dpi), c.scaled) << c.length << " at " << c.dpi << " dpi";
    }
    const Bounds pageControl = ScaleForDpi(Row("PageControl1").bounds, 144);
    EXPECT_EQ(std::tie(pageControl.left, pageControl.top, pageControl.width, pageControl.height),
              std::tuple(8, 8, 753, 531));
}

TEST(ConfigLayout, TheDialogOpensOnTipsWithOkAsTheDefaultButton) {
    EXPECT_EQ(Row(kTipsPage).kind, ControlKind::Page);
    EXPECT_STREQ(Row(kTipsPage).properties.caption, "Tips");
    EXPECT_STREQ(Row(kConfigDefaultButton).properties.caption, "OK");
    EXPECT_STREQ(Row(kConfigDefaultButton).properties.onClick, "Button9Click");
}

}  // namespace
