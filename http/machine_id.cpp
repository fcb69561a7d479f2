// The system half of the machine identifier: WMI, the computer name, a random
// UUID and the system's SHA-256.
#include "http/machine_id.h"

#include <winsock2.h>
#include <windows.h>

#include <objbase.h>
#include <oleauto.h>
#include <wbemcli.h>
#include <wincrypt.h>

#include <future>
#include <thread>
#include <utility>

#include "general/log/log.h"
#include "general/windows/com.h"
#include "general/windows/handle.h"
#include "general/windows/text.h"

namespace machine_id {

namespace {

using general::windows::bstr;
using general::windows::com_ptr;
using general::windows::variant;

const wchar_t* const wmi_namespace = L"ROOT\\WMI";
const wchar_t* const tables_class = L"MSSMBios_RawSMBiosTables";
const wchar_t* const tables_property = L"SMBiosData";

// Locks a SAFEARRAY's data for reading while it lives.
class safe_array_data {
public:
    explicit safe_array_data(SAFEARRAY* array) noexcept : array_(array)
    {
        if (FAILED(SafeArrayAccessData(array_, &data_)))
            data_ = nullptr;
    }
    ~safe_array_data()
    {
        if (data_)
            SafeArrayUnaccessData(array_);
    }
    safe_array_data(const safe_array_data&) = delete;
    safe_array_data& operator=(const safe_array_data&) = delete;
    const std::uint8_t* bytes() const noexcept { return static_cast<const std::uint8_t*>(data_); }

private:
    SAFEARRAY* array_;
    void* data_ = nullptr;
};

struct crypt_provider_traits {
    using pointer = HCRYPTPROV;
    static pointer invalid() noexcept { return 0; }
    static void close(pointer h) noexcept { CryptReleaseContext(h, 0); }
};
struct crypt_hash_traits {
    using pointer = HCRYPTHASH;
    static pointer invalid() noexcept { return 0; }
    static void close(pointer h) noexcept { CryptDestroyHash(h); }
};
using unique_crypt_provider = general::windows::unique_resource<crypt_provider_traits>;
using unique_crypt_hash = general::windows::unique_resource<crypt_hash_traits>;

[[noreturn]] void fail(const char* step, HRESULT result)
{
    throw std::runtime_error(step + std::to_string(static_cast<long>(result)));
}

void initialize_security()
{
    const HRESULT result = CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                                                RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    // RPC_E_TOO_LATE: this process set its security before, which is as good.
    if (FAILED(result) && result != RPC_E_TOO_LATE)
        fail("failed to initialize windows security with error code ", result);
}

void connect(com_ptr<IWbemServices>& services)
{
    com_ptr<IWbemLocator> locator;
    const HRESULT created =
        CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator, locator.put_void());
    if (FAILED(created))
        throw com_error(
            "failed to create the WMI locator with error code " + std::to_string(static_cast<long>(created)), created);
    const bstr name{wmi_namespace};
    const HRESULT connected =
        locator->ConnectServer(name.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, services.put());
    if (FAILED(connected))
        fail("failed to connect to WMI service with error code ", connected);
    const HRESULT blanket = CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                                              RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(blanket))
        fail("failed to set a proxy blanket with error code ", blanket);
}

// The bytes of a one-dimensional array of unsigned bytes; empty for anything else.
smbios_table bytes_of(const VARIANT& value)
{
    if (value.vt != (VT_ARRAY | VT_UI1) || !value.parray || SafeArrayGetDim(value.parray) != 1)
        return {};
    LONG lower = 0;
    LONG upper = -1;
    if (FAILED(SafeArrayGetLBound(value.parray, 1, &lower)) || FAILED(SafeArrayGetUBound(value.parray, 1, &upper)) ||
        upper < lower)
        return {};
    const safe_array_data data{value.parray};
    if (!data.bytes())
        return {};
    const auto count = static_cast<std::size_t>(upper) - static_cast<std::size_t>(lower) + 1;
    return smbios_table(data.bytes(), data.bytes() + count);
}

smbios_table table_of(IWbemClassObject& instance)
{
    variant value;
    if (FAILED(instance.Get(tables_property, 0, &value.value, nullptr, nullptr)))
        return {};
    return bytes_of(value.value);
}

std::wstring name_of(COMPUTER_NAME_FORMAT format)
{
    wchar_t buffer[1024];
    DWORD size = 1024;
    if (!GetComputerNameExW(format, buffer, &size))
        return {};
    return std::wstring(buffer, size < 1024 ? size : 0);
}

smbios_table read_in_own_apartment()
{
    // The reading thread runs nothing else, so it needs no message loop.
    const general::windows::com_apartment com{COINIT_MULTITHREADED};
    return read_smbios_table();
}

std::wstring duration_text(std::chrono::milliseconds bound)
{
    const auto count = bound.count();
    return count % 1000 == 0 ? std::to_wstring(count / 1000) + L" s" : std::to_wstring(count) + L" ms";
}

smbios_table without_tables(const std::wstring& reason)
{
    general::log::prefix{L"machine_id"}.error(reason + L"; the machine is identified without its firmware tables");
    return {};
}

[[noreturn]] void fail_digest(const char* step)
{
    throw std::runtime_error(std::string{"SHA-256 digest failed in "} + step + " with error " +
                             std::to_string(GetLastError()));
}

} // namespace

smbios_table read_smbios_table()
{
    initialize_security();
    com_ptr<IWbemServices> services;
    connect(services);
    com_ptr<IEnumWbemClassObject> instances;
    const bstr class_name{tables_class};
    if (FAILED(services->CreateInstanceEnum(class_name.get(), 0, nullptr, instances.put())))
        throw std::runtime_error("failed to create a enum object MSSMBios_RawSMBiosTables");
    for (;;) {
        com_ptr<IWbemClassObject> instance;
        ULONG returned = 0;
        // An exhausted (or failing) enumeration ends the read; asking again would not help.
        if (FAILED(instances->Next(WBEM_INFINITE, 1, instance.put(), &returned)) || returned == 0 || !instance.get())
            return {};
        smbios_table table = table_of(*instance.get());
        if (!table.empty())
            return table;
    }
}

std::wstring computer_name()
{
    std::wstring name = name_of(ComputerNameDnsFullyQualified);
    if (name.empty())
        name = name_of(ComputerNameNetBIOS);
    return name;
}

std::wstring random_uuid_text()
{
    // CoCreateGuid is the RPC library's UuidCreate behind the COM library we
    // already import; UuidToString's form is written out below.
    GUID uuid{};
    if (FAILED(CoCreateGuid(&uuid)))
        return {};
    wchar_t text[40];
    swprintf(text, 40, L"%08lx-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", static_cast<unsigned long>(uuid.Data1),
             uuid.Data2, uuid.Data3, uuid.Data4[0], uuid.Data4[1], uuid.Data4[2], uuid.Data4[3], uuid.Data4[4],
             uuid.Data4[5], uuid.Data4[6], uuid.Data4[7]);
    return text;
}

std::array<std::uint8_t, 32> sha256(std::string_view bytes)
{
    unique_crypt_provider provider;
    if (!CryptAcquireContextW(provider.put(), nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT | CRYPT_SILENT))
        fail_digest("CryptAcquireContext");
    unique_crypt_hash hash;
    if (!CryptCreateHash(provider.get(), CALG_SHA_256, 0, 0, hash.put()))
        fail_digest("CryptCreateHash");
    for (std::string_view rest = bytes; !rest.empty();) {
        const auto chunk = static_cast<DWORD>(rest.size() < 0x40000000u ? rest.size() : 0x40000000u);
        if (!CryptHashData(hash.get(), reinterpret_cast<const BYTE*>(rest.data()), chunk, 0))
            fail_digest("CryptHashData");
        rest.remove_prefix(chunk);
    }
    std::array<std::uint8_t, 32> digest{};
    DWORD size = static_cast<DWORD>(digest.size());
    if (!CryptGetHashParam(hash.get(), HP_HASHVAL, digest.data(), &size, 0) || size != digest.size())
        fail_digest("CryptGetHashParam");
    return digest;
}

std::wstring identifier_of(std::wstring_view identity)
{
    const auto digest = sha256(digest_input(identity));
    return hex_digits(digest.data(), digest.size());
}

std::wstring machine_identifier(const smbios_table& table)
{
    return identifier_of(identity_text(table, computer_name(), random_uuid_text));
}

smbios_table read_smbios_table_within(const table_reader& read, std::chrono::milliseconds bound)
{
    try {
        // The task and the future share the result, and the thread owns the task
        // with its copy of `read`: a read still running when the wait ends keeps
        // all it uses alive and writes into nothing the caller owns.
        std::packaged_task<smbios_table()> task{read};
        std::future<smbios_table> result = task.get_future();
        std::thread{std::move(task)}.detach();
        if (result.wait_for(bound) != std::future_status::ready)
            return without_tables(L"the firmware tables were not read within " + duration_text(bound));
        return result.get();
    } catch (const std::exception& failure) {
        return without_tables(L"reading the firmware tables failed: " + general::windows::to_wide(failure.what()));
    } catch (...) {
        return without_tables(L"reading the firmware tables failed with an unknown error");
    }
}

std::wstring machine_identifier()
{
    return machine_identifier(read_smbios_table_within(read_in_own_apartment, smbios_read_bound));
}

} // namespace machine_id
