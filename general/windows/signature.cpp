// Authenticode check of downloaded installers.
#include "general/windows/system.h"

#include <softpub.h>
#include <wintrust.h>

namespace general::windows {

bool verify_file_signature(const std::wstring& path)
{
    WINTRUST_FILE_INFO file{};
    file.cbStruct = sizeof file;
    file.pcwszFilePath = path.c_str();

    WINTRUST_DATA trust{};
    trust.cbStruct = sizeof trust;
    trust.dwUIChoice = WTD_UI_NONE;
    trust.fdwRevocationChecks = WTD_REVOKE_NONE;
    trust.dwUnionChoice = WTD_CHOICE_FILE;
    trust.pFile = &file;
    trust.dwStateAction = WTD_STATEACTION_IGNORE;
    trust.dwProvFlags = WTD_SAFER_FLAG;

    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    // Anything but 0 (unsigned, tampered, untrusted, unreadable) is a refusal.
    return WinVerifyTrust(nullptr, &action, &trust) == 0;
}

} // namespace general::windows
