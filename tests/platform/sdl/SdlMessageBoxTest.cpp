// Message boxes on screen: the box appears with its caption, and the keys a
// person presses choose the answer MessageBoxW returns.

#include <gtest/gtest.h>


#include "tests/support/X11Session.h"
#include "platform/win32/PlatformServices.h"
#include "platform/win32/Windows.h"

using namespace ondrel::testing;

namespace {

class SdlMessageBox : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasDisplay()) GTEST_SKIP() << "needs an X server (DISPLAY)";
        ondrel::platform::ResetPlatformServices();
    }
    void TearDown() override { ondrel::platform::ResetPlatformServices(); }

    // Presses key in the box captioned caption once it is on screen.
    static int AnswerWith(LPCWSTR caption, const std::string& captionText, UINT type, const std::string& key) {
        if (!AnswerWindowLater(captionText, "key " + key)) return -1;
        return MessageBoxW(nullptr, u"Unable to convert to solids.", caption, type);
    }
};

}  // namespace

TEST_F(SdlMessageBox, ReturnTakesTheDefaultButton) {
    EXPECT_EQ(AnswerWith(u"Ondrel box one", "Ondrel box one", MB_ICONHAND, "Return"), IDOK);
    EXPECT_EQ(AnswerWith(u"Ondrel box two", "Ondrel box two", MB_YESNO | MB_DEFBUTTON2, "Return"), IDNO);
}

TEST_F(SdlMessageBox, EscapeCancels) {
    EXPECT_EQ(AnswerWith(u"Ondrel box three", "Ondrel box three", MB_OKCANCEL | MB_ICONQUESTION, "Escape"), IDCANCEL);
}
