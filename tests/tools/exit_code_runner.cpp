// Runs a Windows program and writes its whole 32-bit exit code to a file: the exit status
// that Wine hands to a Unix caller keeps only the low eight bits (1001 would read as 233).
//   exit_code_runner RESULT-FILE PROGRAM [ARGUMENT...]
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// Quotes one argument so that the child's argument parser gives it back unchanged.
std::wstring quoted(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
  std::wstring text = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    backslashes = 0;
    text.push_back(c);
  }
  text.append(backslashes * 2, L'\\');
  return text + L"\"";
}

void inheritable(DWORD which) {
  const HANDLE handle = ::GetStdHandle(which);
  if (handle && handle != INVALID_HANDLE_VALUE)
    ::SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputws(L"usage: exit_code_runner RESULT-FILE PROGRAM [ARGUMENT...]\n", stderr);
    return 2;
  }
  std::wstring commandLine = quoted(argv[2]);
  for (int i = 3; i < argc; ++i) commandLine += L" " + quoted(argv[i]);

  inheritable(STD_INPUT_HANDLE);
  inheritable(STD_OUTPUT_HANDLE);
  inheritable(STD_ERROR_HANDLE);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessW(argv[2], commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
    std::fwprintf(stderr, L"exit_code_runner: cannot start %ls (error %lu)\n", argv[2],
                  ::GetLastError());
    return 2;
  }
  ::WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);

  FILE* result = _wfopen(argv[1], L"w");
  if (!result) return 2;
  std::fprintf(result, "%lu\n", static_cast<unsigned long>(exitCode));
  std::fclose(result);
  return 0;
}
