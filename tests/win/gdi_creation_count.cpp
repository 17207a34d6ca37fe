#include "gdi_creation_count.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>

namespace wintest {
namespace {

long g_created = 0;

// One counter in front of one maker; `Slot` keeps makers of the same type apart.
template <typename Function, int Slot>
struct Counted;
template <typename Result, typename... Arguments, int Slot>
struct Counted<Result (*)(Arguments...), Slot> {
    static inline Result (*original)(Arguments...) = nullptr;
    static Result Stub(Arguments... arguments) {
        ++g_created;
        return original(arguments...);
    }
};

struct Maker {
    const char* name;
    void* stub;
    void** original;
};

#define TV_COUNTED(function)                                                                   \
    Maker {                                                                                    \
        #function, reinterpret_cast<void*>(&Counted<decltype(&function), __LINE__>::Stub),     \
            reinterpret_cast<void**>(&Counted<decltype(&function), __LINE__>::original)        \
    }

const Maker kMakers[] = {
    TV_COUNTED(CreateSolidBrush),       TV_COUNTED(CreateBrushIndirect), TV_COUNTED(CreatePen),
    TV_COUNTED(CreateFontIndirectW),    TV_COUNTED(CreateFontW),         TV_COUNTED(CreateBitmap),
    TV_COUNTED(CreateCompatibleBitmap), TV_COUNTED(CreateCompatibleDC),  TV_COUNTED(CreateRectRgn),
    TV_COUNTED(LoadImageW),             TV_COUNTED(LoadIconW),           TV_COUNTED(CopyImage),
    TV_COUNTED(ImageList_Create),
};
}  // namespace

bool CountGdiCreations() {
    static const bool routed = [] {
        auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
        const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        int found = 0;
        for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             imports.VirtualAddress && library->Name; ++library) {
            if (!library->OriginalFirstThunk) continue;  // no names left to match
            auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
            auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
            for (; names->u1.AddressOfData; ++names, ++slots) {
                if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
                const auto* name = reinterpret_cast<const char*>(
                    reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData)->Name);
                for (const Maker& maker : kMakers) {
                    DWORD was = 0;
                    if (std::strcmp(name, maker.name) != 0 ||
                        !VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &was))
                        continue;
                    *maker.original = reinterpret_cast<void*>(slots->u1.Function);
                    slots->u1.Function = reinterpret_cast<ULONG_PTR>(maker.stub);
                    VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, was, &was);
                    ++found;
                }
            }
        }
        return found > 0;
    }();
    return routed;
}

long GdiObjectsCreated() { return g_created; }

}  // namespace wintest
