// Authenticode check of downloaded installers, through a handle held open.
#include "general/windows/signature.h"

#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include "general/windows/system.h"

namespace general::windows {

namespace {

// A common name of the certificate: of its subject, or with
// CERT_NAME_ISSUER_FLAG of its issuer; empty when it has none.
std::wstring common_name(PCCERT_CONTEXT certificate, DWORD flags)
{
    char oid[] = szOID_COMMON_NAME;
    const DWORD size = CertGetNameStringW(certificate, CERT_NAME_ATTR_TYPE, flags, oid, nullptr, 0);
    if (size <= 1)
        return {};
    std::wstring name(size, L'\0');
    const DWORD written = CertGetNameStringW(certificate, CERT_NAME_ATTR_TYPE, flags, oid, name.data(), size);
    name.resize(written > 0 ? written - 1 : 0);
    return name;
}

// The signer of a verified file, from the state WinVerifyTrust kept.
publisher signer_of(HANDLE state)
{
    CRYPT_PROVIDER_DATA* provider = WTHelperProvDataFromStateData(state);
    if (!provider)
        return {};
    CRYPT_PROVIDER_SGNR* signer = WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
    if (!signer)
        return {};
    // Element 0 of the chain is the certificate that made the signature.
    CRYPT_PROVIDER_CERT* certificate = WTHelperGetProvCertFromChain(signer, 0);
    if (!certificate || !certificate->pCert)
        return {};
    return {common_name(certificate->pCert, 0), common_name(certificate->pCert, CERT_NAME_ISSUER_FLAG)};
}

// The state a verification keeps for its caller, released whatever happens
// while the signer is read from it.
class trust_state {
public:
    trust_state(WINTRUST_DATA& data, GUID& action) : data_(data), action_(action) {}
    ~trust_state()
    {
        data_.dwStateAction = WTD_STATEACTION_CLOSE;
        WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action_, &data_);
    }
    trust_state(const trust_state&) = delete;
    trust_state& operator=(const trust_state&) = delete;

private:
    WINTRUST_DATA& data_;
    GUID& action_;
};

} // namespace

signature_check check_file_signature(HANDLE file, const std::wstring& path)
{
    WINTRUST_FILE_INFO info{};
    info.cbStruct = sizeof info;
    info.pcwszFilePath = path.c_str();
    info.hFile = file;

    WINTRUST_DATA trust{};
    trust.cbStruct = sizeof trust;
    trust.dwUIChoice = WTD_UI_NONE;
    trust.fdwRevocationChecks = WTD_REVOKE_NONE;
    trust.dwUnionChoice = WTD_CHOICE_FILE;
    trust.pFile = &info;
    // Kept, so the signer can be read from it.
    trust.dwStateAction = WTD_STATEACTION_VERIFY;
    trust.dwProvFlags = WTD_SAFER_FLAG;

    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    signature_check result;
    result.status = WinVerifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action, &trust);
    const trust_state state{trust, action};
    if (result.status == 0)
        result.signer = signer_of(trust.hWVTStateData);
    return result;
}

file_verdict open_verified_file(const std::wstring& path, const publisher& accepted, unique_file& held)
{
    held.reset();
    if (path.empty())
        return file_verdict::missing;
    unique_file file;
    // A virus scanner that looks at a fresh file may hold it for a moment with
    // rights that exclude ours; anything else fails at once.
    constexpr int tries = 20;
    for (int attempt = 0; attempt < tries; ++attempt) {
        file.reset(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        if (file || GetLastError() != ERROR_SHARING_VIOLATION)
            break;
        Sleep(50);
    }
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? file_verdict::missing
                                                                              : file_verdict::refused;
    }
    const signature_check check = check_file_signature(file.get(), path);
    if (check.status != 0 || accepted.subject.empty() || check.signer != accepted)
        return file_verdict::refused;
    held = std::move(file);
    return file_verdict::accepted;
}

bool verify_file_signature(const std::wstring& path)
{
    const unique_file file{CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (!file)
        return false;
    // Anything but 0 (unsigned, tampered, untrusted, unreadable) is a refusal.
    return check_file_signature(file.get(), path).status == 0;
}

} // namespace general::windows
