#include "platform/win32/Win32Processes.h"

#include <windows.h>

#include <tlhelp32.h>
#include <winioctl.h>


namespace {

HANDLE Handle(std::uintptr_t handle) {
    return reinterpret_cast<HANDLE>(handle);
}

uint64_t Ticks(const FILETIME& t) {
    return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

uint64_t Ticks(const LARGE_INTEGER& t) {
    return t.QuadPart < 0 ? 0 : static_cast<uint64_t>(t.QuadPart);
}

bool ProcessTimes(HANDLE process, uint64_t& cpu) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return false;
    cpu = Ticks(kernel) + Ticks(user);
    return true;
}

bool SetJobPriority(HANDLE job, DWORD flags, DWORD priority) {
    JOBOBJECT_BASIC_LIMIT_INFORMATION limits = {};
    limits.LimitFlags = flags;
    limits.PriorityClass = priority;
    return SetInformationJobObject(job, JobObjectBasicLimitInformation, &limits, sizeof limits) != FALSE;
}

}  // namespace

// No limit is set: closing the job leaves its processes running.
JobHandle Win32Processes::Contain(ProcessHandle process) {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (job == nullptr) return 0;
    if (AssignProcessToJobObject(job, Handle(process))) return reinterpret_cast<JobHandle>(job);
    CloseHandle(job);
    return 0;
}

void Win32Processes::CloseJob(JobHandle job) {
    if (job != 0) CloseHandle(Handle(job));
}

bool Win32Processes::JobCost(JobHandle job, ::ProcessCost& cost, unsigned& active) {
    JOBOBJECT_BASIC_AND_IO_ACCOUNTING_INFORMATION info = {};
    cost = ::ProcessCost{};
    if (QueryInformationJobObject(Handle(job), JobObjectBasicAndIoAccountingInformation, &info, sizeof info, nullptr)) {
        cost.io = true;
        cost.read = info.IoInfo.ReadTransferCount;
        cost.written = info.IoInfo.WriteTransferCount;
        cost.operations =
            info.IoInfo.ReadOperationCount + info.IoInfo.WriteOperationCount + info.IoInfo.OtherOperationCount;
    } else if (!QueryInformationJobObject(Handle(job), JobObjectBasicAccountingInformation, &info.BasicInfo,
                                          sizeof info.BasicInfo, nullptr)) {
        return false;
    }
    cost.cpu = Ticks(info.BasicInfo.TotalUserTime) + Ticks(info.BasicInfo.TotalKernelTime);
    active = info.BasicInfo.ActiveProcesses;
    return true;
}

bool Win32Processes::ProcessCost(ProcessHandle process, ::ProcessCost& cost) {
    cost = ::ProcessCost{};
    if (!ProcessTimes(Handle(process), cost.cpu)) return false;
    IO_COUNTERS io = {};
    if (GetProcessIoCounters(Handle(process), &io)) {
        cost.io = true;
        cost.read = io.ReadTransferCount;
        cost.written = io.WriteTransferCount;
        cost.operations = io.ReadOperationCount + io.WriteOperationCount + io.OtherOperationCount;
    }
    return true;
}

bool Win32Processes::OwnTime(uint64_t& cpu) {
    return ProcessTimes(GetCurrentProcess(), cpu);
}

// Only a running process's threads can be found.
bool Win32Processes::ThreadTime(ProcessHandle process, uint64_t& cpu) {
    if (Ended(process)) return false;
    Threads* kept = m_threads;
    while (kept != nullptr && kept->process != process) kept = kept->next;
    if (kept == nullptr) m_threads = kept = new Threads{process, m_threads, 0, 0, {}, {}};
    const DWORD id = GetProcessId(Handle(process));
    HANDLE snapshot = kept->reads++ % 10 != 0 || id == 0 ? INVALID_HANDLE_VALUE : CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot != INVALID_HANDLE_VALUE) {
        THREADENTRY32 entry = {};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more && kept->count < 32; more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID != id) continue;
            bool known = false;
            for (int each = 0; each < kept->count; ++each) known = known || kept->ids[each] == entry.th32ThreadID;
            HANDLE thread = known ? nullptr : OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
            if (thread == nullptr) continue;
            kept->ids[kept->count] = entry.th32ThreadID;
            kept->handles[kept->count++] = thread;
        }
        CloseHandle(snapshot);
    }
    bool found = false;
    cpu = 0;
    for (int each = 0; each < kept->count; ++each) {
        FILETIME created, ended, kernel, user;
        if (!GetThreadTimes(kept->handles[each], &created, &ended, &kernel, &user)) continue;
        cpu += Ticks(kernel) + Ticks(user);
        found = true;
    }
    return found;
}

void Win32Processes::Forget(ProcessHandle process) {
    for (Threads** link = &m_threads; *link != nullptr; link = &(*link)->next) {
        Threads* kept = *link;
        if (kept->process != process) continue;
        for (int each = 0; each < kept->count; ++each) CloseHandle(kept->handles[each]);
        *link = kept->next;
        delete kept;
        return;
    }
}

Win32Processes::~Win32Processes() {
    while (m_threads != nullptr) Forget(m_threads->process);
}

bool Win32Processes::Ended(ProcessHandle process) {
    return WaitForSingleObject(Handle(process), 0) == WAIT_OBJECT_0;
}

// A job's priority limit holds its processes to the class; lifting it
// after setting Normal leaves them there, free to change it again.
void Win32Processes::SetLowPriority(ProcessHandle process, JobHandle job, bool low) {
    const DWORD priority = low ? BELOW_NORMAL_PRIORITY_CLASS : NORMAL_PRIORITY_CLASS;
    if (job != 0 && SetJobPriority(Handle(job), JOB_OBJECT_LIMIT_PRIORITY_CLASS, priority)) {
        if (!low) SetJobPriority(Handle(job), 0, 0);
        return;
    }
    SetPriorityClass(Handle(process), priority);
}

// A disk opened with no access rights answers its counters to any user.
bool Win32Processes::ReadDisks(std::vector<DiskTimes>& disks) {
    disks.clear();
    char name[] = "\\\\.\\PhysicalDrive0";
    for (char& number = name[sizeof name - 2]; number <= '9'; ++number) {
        HANDLE disk = CreateFileA(name, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (disk == INVALID_HANDLE_VALUE) break;
        DISK_PERFORMANCE performance = {};
        DWORD bytes = 0;
        const BOOL read = DeviceIoControl(disk, IOCTL_DISK_PERFORMANCE, nullptr, 0, &performance, sizeof performance,
                                          &bytes, nullptr);
        CloseHandle(disk);
        if (read) disks.push_back(DiskTimes{Ticks(performance.IdleTime), Ticks(performance.QueryTime)});
    }
    return !disks.empty();
}
