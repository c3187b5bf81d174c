// Runs a program inside a Windows job object, on this console, and exits
// with its status; but where the job held any other number of processes than
// expected in all, says so and exits with 3, and where the console's output
// mode is not what it was before, with 4.
//
//   in_job EXPECTED-PROCESSES PROGRAM [ARGS...]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: in_job EXPECTED-PROCESSES PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    const unsigned long expected = std::strtoul(argv[1], nullptr, 10);
    std::string command_line;
    for (int i = 2; i < argc; ++i) {
        command_line += (i > 2 ? " \"" : "\"") + std::string(argv[i]) + '"';
    }

    const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode_before = 0;
    GetConsoleMode(console, &mode_before);

    // Started suspended, so that it is in the job before it can start anything.
    HANDLE job = CreateJobObjectW(nullptr, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (job == nullptr ||
        CreateProcessA(nullptr, command_line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                       nullptr, &startup, &process) == 0 ||
        AssignProcessToJobObject(job, process.hProcess) == 0) {
        std::fprintf(stderr, "in_job: cannot start %s in a job (error %lu)\n", command_line.c_str(),
                     GetLastError());
        return 2;
    }
    ResumeThread(process.hThread);
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);

    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting,
                                  nullptr) == 0) {
        std::fprintf(stderr, "in_job: cannot count the job's processes (error %lu)\n", GetLastError());
        return 2;
    }
    if (accounting.TotalProcesses != expected) {
        std::fprintf(stderr, "in_job: %lu processes were started, expected %lu\n", accounting.TotalProcesses,
                     expected);
        return 3;
    }
    DWORD mode_after = 0;
    GetConsoleMode(console, &mode_after);
    if (mode_after != mode_before) {
        std::fprintf(stderr, "in_job: the console's output mode was %#lx, and %#lx after\n", mode_before,
                     mode_after);
        return 4;
    }
    return static_cast<int>(status);
}
