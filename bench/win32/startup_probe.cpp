// startup_probe <exe> <runs>: for each run, the time from CreateProcess until the program's
// loop first waits for input (its first frame painted), and its peak working set. Prints
// the medians: "<milliseconds> <peak KiB>".
// psapi.h needs the types of windows.h, so the two stay in this order.
// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fputs("usage: startup_probe <exe> <runs>\n", stderr);
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[2]));
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> millis;
  std::vector<double> peakKiB;
  for (int run = 0; run < runs; ++run) {
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER start, ready;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::fputs("cannot start the program\n", stderr);
      return 1;
    }
    WaitForInputIdle(process.hProcess, 20000);
    QueryPerformanceCounter(&ready);
    millis.push_back(1000.0 * static_cast<double>(ready.QuadPart - start.QuadPart) /
                     static_cast<double>(frequency.QuadPart));
    Search search{process.dwProcessId, nullptr};
    for (int i = 0; i < 500 && search.found == nullptr; ++i) {
      EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
      if (search.found == nullptr) Sleep(10);
    }
    Sleep(300);  // let the first frame settle before the working set is read
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    peakKiB.push_back(static_cast<double>(memory.PeakWorkingSetSize) / 1024.0);
    if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  std::printf("%.1f %.0f\n", Median(millis), Median(peakKiB));
  return 0;
}
