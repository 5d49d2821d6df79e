// The message boxes apart from the rest of the driver: a program that runs
// the saver without being a test (the bench window) then links neither the
// test framework nor a thread.
#include <gtest/gtest.h>

#include "driver/DisplaySettings.h"

void AcknowledgeErrorBox(const SaverProcess& saver, const std::string& message) {
    const HWND box = saver.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no error box for: " << message;
    EXPECT_EQ(WindowText(box), "Solquera");
    EXPECT_EQ(MessageBoxText(box), message + ".");
    ASSERT_TRUE(ClickButton(GetDlgItem(box, IDOK)));
}

OwnMessageBoxAnswer::OwnMessageBoxAnswer() : thread_([this] { Answer(); }) {}

OwnMessageBoxAnswer::~OwnMessageBoxAnswer() {
    Wait();
}

void OwnMessageBoxAnswer::Wait() {
    if (thread_.joinable()) thread_.join();
}

void OwnMessageBoxAnswer::Answer() {
    std::vector<HWND> boxes;
    WaitUntil([&] {
        boxes = TopLevelWindowsOf(GetCurrentProcessId(), "#32770");
        std::erase_if(boxes, [](HWND window) { return !IsWindowVisible(window); });
        return !boxes.empty();
    });
    if (boxes.empty()) return;
    const HWND box = boxes.front();
    seen_ = true;
    caption_ = WindowText(box);
    text_ = MessageBoxText(box);
    ClickButton(GetDlgItem(box, IDOK));
}
