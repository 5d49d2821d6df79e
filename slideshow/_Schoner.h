// The slideshow window: a borderless black window, full screen or inside the
// preview window of the display settings, that shows the photographs through
// its page view and ends the saver on input.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "slideshow/Companion.h"
#include "slideshow/DisplayPower.h"
#include "slideshow/HtmlView.h"
#include "slideshow/PageBuilder.h"
#include "ui/Error.h"
#include "ui/Form.h"
#include "ui/ShutdownSteps.h"
#include "ui/Timer.h"

class TSchoner : public Form {
public:
    TSchoner();
    ~TSchoner() override;

    std::unique_ptr<Timer> Timer1;
    std::unique_ptr<PageView> WebBrowser1;
    // The photograph numbers in the order they are shown, as decimal text.
    std::vector<std::string> PlayOrder;

    std::string HtmlFile;
    std::string PhotoFile;
    std::int32_t Countdown = 0;
    std::int32_t Effect = 0;
    std::int32_t PhotoIndex = 0;
    std::string ExitMeta;
    MessageHandler OldWindowProc;

    // The installed handler while the saver watches its input.
    void SaverWindowProc(Message& message);
    void Timer1Timer();
    // The window's part of the shutdown: the timer stopped, the windows off
    // the further monitors, the temp files deleted; each step whatever an
    // earlier one raised. Harmless when repeated.
    void EndSlideshow(ShutdownSteps& steps) noexcept;

protected:
    void CreateParams(CreateParamsRecord& params) override;
    void OnCreate() override { FormCreate(); }
    void OnActivate() override { FormActivate(); }
    void OnClose() override { FormClose(); }
    void OnKeyDown(WPARAM) override { FormKeyDown(); }
    bool OnSysCommand(WPARAM command) override;
    void OnDestroy() override;
    void OnDisplayChange() override;
    void OnPowerBroadcast(WPARAM event, LPARAM data) override { displayPower_.Follow(event, data); }

private:
    void FormCreate();
    void FormActivate();
    void FormClose();
    void FormKeyDown();
    void TryClose();
    void StartPlayOrder();
    void ShowStartPage();
    void InstallSaverWindowProc();
    void ShowPage(const BuiltPage& page, std::string_view photoJpeg);
    void ReportUnwrittenPages();
    void StageNextPhoto();
    void FollowDrawing(bool drawing);
    void LayOutWebBrowser();
    void CoverMonitors();
    void TickCompanions();

    // The windows on the further monitors in full-screen mode, from the activation on.
    std::unique_ptr<Companions> companions_;
    // Why the page files could not be written, until it is reported once.
    std::optional<Error> unwrittenPages_;
    bool unwrittenPagesReported_ = false;
    DisplayPowerWatch displayPower_;
};

// The one slideshow window of the process, while it exists.
extern TSchoner* Schoner;
