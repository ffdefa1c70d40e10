#include "win32/resource_text.h"

namespace bithydraulics::win32 {

std::string_view resourceText(HINSTANCE instance, int id) {
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = resource != nullptr ? LoadResource(instance, resource) : nullptr;
    const auto* bytes =
        loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    return bytes != nullptr ? std::string_view(bytes, SizeofResource(instance, resource))
                            : std::string_view();
}

}  // namespace bithydraulics::win32
