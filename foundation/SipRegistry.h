// Where the device keeps the default input method: the value "DefaultIM" of this key below
// HKEY_CURRENT_USER holds its class identifier. RegistryKey drops the leading backslash.
#pragma once

inline constexpr wchar_t SipKeyPath[] = L"\\ControlPanel\\Sip";
inline constexpr wchar_t DefaultImValue[] = L"DefaultIM";
