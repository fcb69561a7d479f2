#pragma once
// Authenticode checks of downloaded installers that cannot be outrun.
//
// A check by path says nothing about the file a later open of the same path
// finds: the temporary folder belongs to the user, so any program of the user
// can swap the file between the check and its start by this elevated process.
// So the file is opened once, shut to writers and deleters (shared for reading
// only: the loader, the Windows Installer and virus scanners still read it),
// checked through that handle, and the handle is kept while whatever runs it
// opens it again by path. Nothing here throws except std::bad_alloc; any
// thread.
#include <winsock2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "general/windows/handle.h"

namespace general::windows {

// Who may have signed a file: the common names of the signing certificate's
// subject and of its issuer. Both must match, so a certificate that merely
// carries a publisher's name, from some other authority, is not that publisher.
struct publisher {
    std::wstring subject;
    std::wstring issuer;

    bool operator==(const publisher&) const = default;
};

// What WinVerifyTrust said of one file.
struct signature_check {
    LONG status = -1; // 0: a valid signature; anything else is a refusal
    publisher signer; // of the signing certificate, when status is 0
};

// Checks the file open as `file` (read access), `path` being only its name for
// the trust provider (it reads through the handle).
signature_check check_file_signature(HANDLE file, const std::wstring& path);

enum class file_verdict {
    accepted, // valid signature of the accepted publisher; the file is held
    missing,  // nothing at the path (or its folder)
    refused,  // anything else: unsigned, tampered, someone else's, unreadable, locked by a writer
};

// Opens `path` for reading, shared for reading only, without following a
// link planted at its name, and checks it through that handle. Accepted when
// the signature is valid and made by `accepted` (both names compared exactly;
// an empty subject accepts no one): `held` then owns the open handle, and
// while it lives the file cannot be written, renamed or deleted. Otherwise
// `held` is empty. A writer that holds the file for a moment (a virus
// scanner) is waited for briefly.
file_verdict open_verified_file(const std::wstring& path, const publisher& accepted, unique_file& held);

} // namespace general::windows
