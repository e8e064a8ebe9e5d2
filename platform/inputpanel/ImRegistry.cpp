#include "platform/inputpanel/ImRegistry.h"

#include "foundation/ClassId.h"
#include "foundation/RegistryKey.h"
#include "foundation/SipRegistry.h"

namespace {

// Only the braced form "{xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}" names a class.
bool ParseClassId(const std::wstring& text, CLSID* clsid) {
    return !text.empty() && text.front() == L'{' &&
           IIDFromString(const_cast<wchar_t*>(text.c_str()), clsid) == S_OK;
}

} // namespace

std::wstring ReadDefaultIm() {
    return RegistryKey(HKEY_CURRENT_USER, SipKeyPath, RegistryKey::ReadOnly)
        .ReadString(DefaultImValue, std::wstring());
}

bool ChooseInputMethod(const std::wstring& commandLineId, CLSID* clsid) {
    if (!commandLineId.empty())
        return ParseClassId(commandLineId, clsid);
    if (ParseClassId(ReadDefaultIm(), clsid))
        return true;
    *clsid = CLSID_Plinkerpad;
    return true;
}
