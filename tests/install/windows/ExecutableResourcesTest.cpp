// The Windows executables as the system reads them: the program icon the shell picks for each
// size, and a manifest that the system accepts, with the settings in the namespaces it reads.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <iterator>
#include <span>
#include <string>

#include "ui/ResourceIds.h"

namespace {

class ExecutableResources : public testing::TestWithParam<const wchar_t*> {
  protected:
    void SetUp() override {
        module = LoadLibraryExW(GetParam(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module, nullptr) << GetLastError();
    }
    void TearDown() override { FreeLibrary(module); }

    std::span<const std::uint8_t> Resource(const wchar_t* type, int id) const {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
        if (found == nullptr) {
            return {};
        }
        return {static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found))),
                SizeofResource(module, found)};
    }

    HMODULE module = nullptr;
};

// The image that the system picks from the icon group for a size is the one of that size.
TEST_P(ExecutableResources, IconGivesTheImageOfEachSize) {
    const auto group = Resource(RT_GROUP_ICON, schattwerk::IdIcon);
    ASSERT_FALSE(group.empty());
    for (const int side : {16, 32, 48}) {
        const int id = LookupIconIdFromDirectoryEx(const_cast<PBYTE>(group.data()), TRUE, side,
                                                   side, LR_DEFAULTCOLOR);
        const auto image = Resource(RT_ICON, id);
        ASSERT_GE(image.size(), 24u) << side;
        const int width = image[16] << 24 | image[17] << 16 | image[18] << 8 | image[19];
        EXPECT_EQ(width, side);
        HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(image.data()),
                                              static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                              side, side, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr) << side;
        DestroyIcon(icon);
    }
}

std::wstring Setting(HANDLE context, const wchar_t* space, const wchar_t* name) {
    wchar_t value[64] = {};
    SIZE_T length = 0;
    if (!QueryActCtxSettingsW(0, context, space, name, value, std::size(value), &length)) {
        return L"(none)";
    }
    return value;
}

// The manifest makes an activation context, with the display settings where the system reads
// them and the common controls of version 6.
TEST_P(ExecutableResources, ManifestGivesVisualStylesAndPerMonitorDpi) {
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = GetParam();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << GetLastError();

    EXPECT_EQ(
        Setting(context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
        L"PerMonitorV2");
    EXPECT_EQ(Setting(context, nullptr, L"dpiAware"), L"true/pm");

    // The loader takes comctl32 from the side-by-side store, version 6, instead of the system's.
    ULONG_PTR cookie = 0;
    ASSERT_TRUE(ActivateActCtx(context, &cookie));
    HMODULE controls = LoadLibraryW(L"comctl32.dll");
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
    ASSERT_NE(controls, nullptr);
    wchar_t file[MAX_PATH] = {};
    GetModuleFileNameW(controls, file, MAX_PATH);
    FreeLibrary(controls);
    EXPECT_NE(std::wstring(CharLowerW(file))
                  .find(L"\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::wstring::npos)
        << std::string(file, file + lstrlenW(file));
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, ExecutableResources,
                         testing::Values(L"" PROGRAM_PATH, L"" COMMAND_LINE_PATH));

}  // namespace
