// Prints the version block of a Windows program as Windows itself reads it (GetFileVersionInfoW),
// one "Name: value" line each, so the checks can compare it with what the build put there.
// Usage: file_version PROGRAM.exe. Exit code 1 when the program has no version block.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void PrintUtf8(const wchar_t* name, const wchar_t* value) {
  std::wstring line = std::wstring(name) + L": " + value + L"\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  std::fputs(bytes.c_str(), stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: file_version PROGRAM.exe\n", stderr);
    return 2;
  }
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(argv[1], &ignored);
  if (size == 0) {
    std::fputs("no version block\n", stderr);
    return 1;
  }
  std::string block(size, '\0');
  if (!GetFileVersionInfoW(argv[1], 0, size, block.data())) {
    std::fputs("the version block cannot be read\n", stderr);
    return 1;
  }
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixed_size = 0;
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixed_size) && fixed) {
    std::printf("FixedFileVersion: %u.%u.%u.%u\n", unsigned{HIWORD(fixed->dwFileVersionMS)},
                unsigned{LOWORD(fixed->dwFileVersionMS)}, unsigned{HIWORD(fixed->dwFileVersionLS)},
                unsigned{LOWORD(fixed->dwFileVersionLS)});
  }
  const wchar_t* names[] = {L"CompanyName",  L"FileDescription", L"FileVersion",
                            L"InternalName", L"LegalCopyright",  L"OriginalFilename",
                            L"ProductName",  L"ProductVersion"};
  for (const wchar_t* name : names) {
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    wchar_t* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) &&
        value) {
      PrintUtf8(name, value);
    }
  }
  return 0;
}
