// What the tests know the system by, written down once as the device spells it.
#pragma once

// Plinkerpad's class, as the registry spells it.
inline constexpr wchar_t PlinkerpadClassId[] = L"{9B1C7E42-5D3A-4F60-8E21-C47A0B93D615}";
// Where the device keeps its default input method, below HKEY_CURRENT_USER.
inline constexpr wchar_t SipKey[] = L"ControlPanel\\Sip";
inline constexpr wchar_t DefaultImName[] = L"DefaultIM";
// The settings file that both deliverables share.
inline constexpr wchar_t SettingsFile[] = L"C:\\Plinkerpad.ini";
