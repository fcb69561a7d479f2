#pragma once
// When a session restricts itself to TLS 1.2. Apart from the session so the rule
// can be checked for systems the tests do not run on.

namespace general::windows::http {

// True when a session asked for TLS 1.2 (`use_tls12`) on a system of the
// windows_version() class `version_class` must offer TLS 1.2 only. Older
// systems (below Windows 7 / Server 2008 R2) and unrecognised ones (class 0)
// lack TLS 1.2 in WinHTTP and keep the system's default protocols.
bool offers_only_tls12(bool use_tls12, int version_class) noexcept;

} // namespace general::windows::http
