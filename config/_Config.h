// The configuration dialog: four pages, the transition effect on the first,
// pictures and links to the maker's web pages on the others.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "config/Settings.h"
#include "ui/Controls.h"
#include "ui/DialogKeys.h"
#include "ui/Form.h"
#include "ui/Scoped.h"

class TConfig : public Form, public SettingsView {
public:
    TConfig();
    ~TConfig() override;

    // The named controls of the layout; the others are found by name.
    HWND PageControl1;
    HWND comboEffekt;
    HWND Image1;
    HWND Memo1;
    HWND Button9;
    HWND Button10;

    // What the settings routines ask of the dialog.
    void ShowTipsPage() override;
    void SelectEffect(std::int32_t index) override;
    std::int32_t SelectedEffect() const override;

protected:
    void CreateParams(CreateParamsRecord& params) override;
    void OnCreate() override { FormCreate(); }
    void OnClose() override { FormClose(); }
    bool OnControlMessage(Message& message) override;
    void OnDpiChanged(const RECT& suggested) override;
    bool OnActivation(WORD state) override { return keys_->FollowActivation(state); }

private:
    void CreateControls();
    void LayLinkLabelsOnTheirLines();
    HWND Control(const char* name) const;
    // The row of one of the dialog's controls; nullptr for any other window.
    const LayoutRow* RowOf(HWND control) const;
    std::vector<HWND> TabStops() const;
    void Click(int controlId);

    void FormCreate();
    void FormClose();
    void Button9Click();
    void Button10Click();
    // The twelve link handlers differ only in the page they open.
    void LinkClick(const char* handler);

    // The display settings' window that waits for the dialog; enabled again
    // at its close, or when the dialog cannot be built.
    ScopedDisabledWindow parentDisabled_;
    std::unique_ptr<ControlFonts> fonts_;  // made for the form's DPI
    std::vector<LayoutControl> controls_;  // by row of the layout
    std::unique_ptr<DialogKeys> keys_;
};

// The one dialog of the process, while it exists.
extern TConfig* Config;

// Entry of the configuration mode: shows the dialog and returns when it closes.
void RunConfig();
