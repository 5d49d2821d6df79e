// The slideshow window: a borderless black window, full screen or inside the
// preview window of the display settings, that shows the photographs through
// its page view and ends the saver on input.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "slideshow/Companion.h"
#include "slideshow/HtmlView.h"
#include "ui/Form.h"
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
    // Takes the windows off the further monitors; harmless when repeated.
    void EndCompanions();

protected:
    void CreateParams(CreateParamsRecord& params) override;
    void OnCreate() override { FormCreate(); }
    void OnActivate() override { FormActivate(); }
    void OnClose() override { FormClose(); }
    void OnKeyDown(WPARAM) override { FormKeyDown(); }
    bool OnSysCommand(WPARAM command) override;
    void OnDestroy() override;
    void OnDisplayChange() override;

private:
    void FormCreate();
    void FormActivate();
    void FormClose();
    void FormKeyDown();
    void TryClose();
    void InstallSaverWindowProc();
    void ShowPage(const std::string& page);
    void StageNextPhoto();
    void LayOutWebBrowser();
    void CoverMonitors();
    void TickCompanions();

    // The windows on the further monitors in full-screen mode, from the activation on.
    std::unique_ptr<Companions> companions_;
};

// The one slideshow window of the process, while it exists.
extern TSchoner* Schoner;

// Entry of the preview and full-screen modes: returns when the slideshow has ended.
void StartSaver();

// The common shutdown; harmless when run again.
void StopSaver();

// A full path in the temp directory with the given extension (no dot),
// named by the system's unique-name rule with the prefix "inst".
std::string MakeTempName(const std::string& extension);
