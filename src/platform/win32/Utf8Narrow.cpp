// The program's narrow strings are UTF-8 on Windows too. The standard library turns a narrow string into a
// Windows name through the C library's mbrtowc, which in the C locale widens byte by byte; this one, linked in
// its place, decodes UTF-8, so std::filesystem::path("Карта.wld") names the file it says.
#include <windows.h>

#include <cerrno>
#include <cwchar>

extern "C" std::size_t mbrtowc(wchar_t* out, const char* in, std::size_t size, std::mbstate_t*) {
    if (in == nullptr) {
        return 0;
    }
    if (size == 0) {
        return static_cast<std::size_t>(-2);
    }
    const auto lead = static_cast<unsigned char>(in[0]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 0;
    if (length == 0) {
        errno = EILSEQ;
        return static_cast<std::size_t>(-1);
    }
    if (size < length) {
        return static_cast<std::size_t>(-2);
    }
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, in, static_cast<int>(length), &wide, 1) != 1) {
        errno = EILSEQ;
        return static_cast<std::size_t>(-1);
    }
    if (out != nullptr) {
        *out = wide;
    }
    return wide == 0 ? 0 : length;
}
