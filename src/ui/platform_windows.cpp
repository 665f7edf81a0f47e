#include <windows.h>

#include "ui/common/app_title.h"
#include "ui/platform.h"

namespace {

const wchar_t* Wide(const QString& text) {
    return reinterpret_cast<const wchar_t*>(text.utf16());
}

// Output redirected to a file or a pipe, which takes the bytes.
bool WriteToRedirection(const std::string& text) {
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD written = 0;
    return output != nullptr && output != INVALID_HANDLE_VALUE &&
           GetFileType(output) != FILE_TYPE_CHAR &&
           WriteFile(output, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
}

// The console of the cmd.exe or PowerShell the program was started from, if any: as a
// program without a console of its own, it must join that one to write there.
bool WriteToParentConsole(const QString& text) {
    if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) {
        return false;
    }
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    DWORD written = 0;
    const bool shown =
        console != INVALID_HANDLE_VALUE &&
        WriteConsoleW(console, Wide(text), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    if (console != INVALID_HANDLE_VALUE) {
        CloseHandle(console);
    }
    FreeConsole();
    return shown;
}

}  // namespace

QString FromPathText(const std::string& path) {
    return QString::fromStdString(path);
}

std::string ToPathText(const QString& path) {
    return path.toStdString();
}

// Windows always has its desktop. Qt's own FreeType engine draws the text unless the user
// names a platform (-platform on the command line still wins): Qt's GDI engine copies each
// glyph from the box the system reports, and Wine reports Liberation Sans' "I" and "!" (and
// the inverted "!") at 11 px one column right of where it draws them, so they vanished.
// FreeType draws them as the Linux build does.
bool PrepareDisplayPlatform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    }
    return true;
}

bool UseSystemSaveDialog() {
    return true;
}

// skirmod.exe is a windowed program: started from a console it writes there, started
// otherwise (a shortcut with --help) it shows a message box.
void ShowCommandLineReply(const std::string& text) {
    const QString reply = QString::fromStdString(text);
    if (WriteToRedirection(text) || WriteToParentConsole(reply)) {
        return;
    }
    const QString title = QString::fromLatin1(kAppTitle);
    MessageBoxW(nullptr, Wide(reply), Wide(title), MB_OK);
}
