#!/usr/bin/env bash
# Checks what the installer executable imports when it is loaded:
# - only DLLs that the system resolves from its own folder (known DLLs, and the
#   common controls through the manifest), so nothing planted beside the
#   executable is loaded before start-up restricts the search path; every other
#   DLL must be a delay import;
# - none of the functions that Windows XP lacks (they must be looked up at run time).
# Usage: check_imports.sh <objdump> <installer.exe>
set -euo pipefail
objdump=$1 exe=$2

imports=$("$objdump" -p "$exe" | awk '
  /^The Import Tables/ { on = 1; next }
  /^The Delay Import Tables|^There is a delay import table|^The Export Tables|^PE File Base Relocations|^The Function Table/ { on = 0 }
  on && /DLL Name:/ { dll = toupper($3); print "DLL " dll; next }
  on && dll != "" && $1 ~ /^[0-9a-f]+$/ && NF >= 3 { print "FN " dll " " $3 }
')
[ -n "$imports" ] || { echo "no import table found in $exe"; exit 1; }

allowed_dlls=" KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL SHELL32.DLL OLE32.DLL OLEAUT32.DLL SHLWAPI.DLL WS2_32.DLL COMCTL32.DLL MSVCRT.DLL RPCRT4.DLL "

# Functions of the always-loaded system DLLs that Windows XP SP3 does not export.
post_xp_functions=" GetTickCount64 InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared
  ReleaseSRWLockExclusive ReleaseSRWLockShared TryAcquireSRWLockExclusive TryAcquireSRWLockShared
  InitializeConditionVariable SleepConditionVariableCS SleepConditionVariableSRW WakeConditionVariable
  WakeAllConditionVariable InitOnceExecuteOnce InitOnceBeginInitialize InitOnceComplete
  CreateSymbolicLinkW GetFinalPathNameByHandleW QueryFullProcessImageNameW SetDefaultDllDirectories
  AddDllDirectory RemoveDllDirectory RegDeleteTreeW RegGetValueW RegSetKeyValueW GetFileInformationByHandleEx
  SetFileInformationByHandle CancelIoEx GetQueuedCompletionStatusEx CreateEventExW CreateMutexExW
  CreateSemaphoreExW CreateWaitableTimerExW FlsAlloc FlsFree FlsGetValue FlsSetValue GetLocaleInfoEx
  LCIDToLocaleName LocaleNameToLCID CompareStringEx GetUserDefaultLocaleName GetSystemTimePreciseAsFileTime
  GetCurrentProcessorNumber WaitOnAddress WakeByAddressSingle WakeByAddressAll K32GetModuleFileNameExW
  K32EnumProcesses K32GetProcessMemoryInfo GetErrorMode SetThreadErrorMode GetThreadId GetProcessIdOfThread
  SHGetKnownFolderPath TaskDialog TaskDialogIndirect ChangeWindowMessageFilter ChangeWindowMessageFilterEx
  SetProcessDPIAware GetDpiForWindow CreateFile2 GetOverlappedResultEx SetWaitableTimerEx
  CopyFile2 MoveFileTransactedW GetTickCount64 RaiseFailFastException "

status=0
while read -r kind a b; do
  case $kind in
    DLL)
      case "$allowed_dlls" in
        *" $a "*) ;;
        *) echo "loaded at start-up but not a system-resolved DLL (make it a delay import): $a"; status=1 ;;
      esac ;;
    FN)
      case "$post_xp_functions" in
        *[[:space:]]"$b"[[:space:]]*) echo "imports $b from $a, which Windows XP lacks"; status=1 ;;
      esac ;;
  esac
done <<< "$imports"
[ $status -eq 0 ] && echo "imports of $(basename "$exe") are fine"
exit $status
