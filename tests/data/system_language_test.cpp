// Runs under Wine with the user's language set to Russian: Windows then gives its reasons
// in Russian, and its ANSI code page is 1251, which is not the UTF-8 of the paths beside
// them in a message.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <clocale>
#include <string>

#include "core/startup.h"
#include "data/file_view.h"
#include "data/platform.h"
#include "data/temp_dir.h"

namespace {

// The text as UTF-16, read by the system's own converter; empty when it is not UTF-8.
std::wstring FromUtf8(const std::string& text) {
    const int length = static_cast<int>(text.size());
    const int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), length, wide.data(), size);
    return wide;
}

bool HasCyrillic(const std::wstring& text) {
    return std::any_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0x400 && c < 0x500; });
}

}  // namespace

TEST(SystemLanguage, TheSystemsReasonIsUtf8InTheUsersLanguage) {
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LANG_RUSSIAN);
    TempDir dir;
    FileView view;
    view.Append("new");
    const std::string path = PathText(dir.Path() / "Gone" / "ShipStats.txt");
    const FileView::WriteReport report = view.WriteTo(path);
    EXPECT_FALSE(report.Saved);
    const std::wstring message = FromUtf8(report.Message);
    EXPECT_TRUE(HasCyrillic(message)) << report.Message;
    EXPECT_EQ(message.rfind(L"Cannot create file \"", 0), 0u);
}

// What the standard library's file functions report goes through the same wide-character
// reason, not the ANSI one of std::system_category.
TEST(SystemLanguage, AnErrorCodesReasonIsUtf8InTheUsersLanguage) {
    const std::string reason =
        ErrorCodeText(std::error_code(ERROR_ACCESS_DENIED, std::system_category()));
    EXPECT_TRUE(HasCyrillic(FromUtf8(reason))) << reason;
}

// Russian writes a decimal comma; the program's own number texts stay in the C locale.
TEST(SystemLanguage, TheDecimalSeparatorIsTheUsersAndTheLocaleIsKept) {
    EXPECT_EQ(LocaleDecimalSeparator(), ',');
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}
