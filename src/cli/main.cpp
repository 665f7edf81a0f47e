#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

#ifdef _WIN32
#include <windows.h>
// windows.h comes first: shellapi.h needs its types.
#include <shellapi.h>
#endif

namespace {

// The resources report writes rates with the locale's decimal separator, as the windows
// do; one that is not a single byte gives way to the point.
char LocaleDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const std::string separator = std::localeconv()->decimal_point;
    std::setlocale(LC_NUMERIC, "C");
    return separator.size() == 1 ? separator.front() : '.';
}

#ifdef _WIN32

std::string Utf8(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    text.resize(text.size() - 1);
    return text;
}

// The narrow argv went through the ANSI code page, which loses names like "Игрок": take
// the wide command line as UTF-8, the form paths have inside the program on Windows.
std::vector<std::string> Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i) {
        args.push_back(Utf8(wide[i]));
    }
    LocalFree(wide);
    // What the program prints of those paths is UTF-8 as well.
    SetConsoleOutputCP(CP_UTF8);
    return args;
}

#else

std::vector<std::string> Arguments(int argc, char** argv) {
    return {argv, argv + argc};
}

#endif

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CalcEnvironment env;
    env.DecimalSeparator = LocaleDecimalSeparator();
    return RunCalc(Arguments(argc, argv), env, std::cout, std::cerr);
}
