#include <windows.h>
// windows.h comes first: shellapi.h needs its types.
#include <shellapi.h>

#include <streambuf>
#include <string_view>

#include "cli/console.h"
#include "data/platform.h"

namespace {

// Takes UTF-8 text and hands it on at every flush: as UTF-16 to a console, which then
// needs no code page of its own (the user's is left as it was), else as the bytes.
class StandardStreamBuffer : public std::streambuf {
  public:
    explicit StandardStreamBuffer(DWORD stream) : m_handle(GetStdHandle(stream)) {
        DWORD mode = 0;
        m_console = GetConsoleMode(m_handle, &mode) != 0;
    }
    ~StandardStreamBuffer() override { sync(); }
    StandardStreamBuffer(const StandardStreamBuffer&) = delete;
    StandardStreamBuffer& operator=(const StandardStreamBuffer&) = delete;

  protected:
    int_type overflow(int_type c) override {
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            m_text += traits_type::to_char_type(c);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        m_text.append(text, static_cast<std::size_t>(count));
        return count;
    }
    int sync() override {
        const std::size_t whole = WholeCharacters();
        const bool written = m_console ? WriteWide(std::string_view(m_text).substr(0, whole))
                                       : WriteBytes(std::string_view(m_text).substr(0, whole));
        m_text.erase(0, whole);
        return written ? 0 : -1;
    }

  private:
    // The text up to a character that is still being written.
    std::size_t WholeCharacters() const {
        std::size_t end = m_text.size();
        std::size_t back = 0;
        while (back < 3 && back < end &&
               (static_cast<unsigned char>(m_text[end - 1 - back]) & 0xC0) == 0x80) {
            ++back;
        }
        if (back < end) {
            const auto lead = static_cast<unsigned char>(m_text[end - 1 - back]);
            const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (length > back + 1) {
                end -= back + 1;
            }
        }
        return end;
    }
    bool WriteBytes(std::string_view bytes) const {
        DWORD written = 0;
        return bytes.empty() || WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()),
                                          &written, nullptr) != 0;
    }
    bool WriteWide(std::string_view utf8) const {
        const int length = static_cast<int>(utf8.size());
        const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(size > 0 ? size : 0), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), size);
        DWORD written = 0;
        return wide.empty() || WriteConsoleW(m_handle, wide.data(), static_cast<DWORD>(wide.size()),
                                             &written, nullptr) != 0;
    }

    HANDLE m_handle;
    bool m_console = false;
    std::string m_text;
};

}  // namespace

// The narrow argv went through the ANSI code page, which loses names like "Игрок": the
// wide command line holds them all.
std::vector<std::string> ProgramArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        args.push_back(PathText(std::filesystem::path(wide[i])));
    }
    LocalFree(wide);
    return args;
}

int RunWithStandardStreams(
    const std::function<int(std::ostream& out, std::ostream& err)>& program) {
    StandardStreamBuffer outBuffer(STD_OUTPUT_HANDLE);
    StandardStreamBuffer errBuffer(STD_ERROR_HANDLE);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    // Errors show at once, as std::cerr's would.
    err.setf(std::ios::unitbuf);
    const int status = program(out, err);
    out.flush();
    err.flush();
    return status;
}
