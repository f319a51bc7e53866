#pragma once
// The viewer's two real panels on the scene's recording device and scripted
// machine: the GUI resource manager follows the device, InitApplication has
// built both dialogs, and every test gets a scratch folder for level and
// map files.

#include <filesystem>
#include <string>

#include "SceneFixture.h"
#include "tests/support/TempFiles.h"

namespace ondrel::gui {
class GuiEditBox;
}

namespace ondrel::testing {

class PanelFixture : public SceneFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // The event the control would raise, as the dialog passes it on.
    void Raise(int controlId);
    gui::GuiEditBox& EditBox(int controlId);
    // Types `text` into the box (replacing what was there) and raises its
    // change event, as one keystroke would.
    void Type(int controlId, const std::u16string& text);
    std::u16string BoxText(int controlId);
    std::filesystem::path Sample(const char* name) const;
    std::size_t MessageBoxCount() const { return machine_->MessageBoxes().size(); }

    TempFolder folder_;
};

}  // namespace ondrel::testing
