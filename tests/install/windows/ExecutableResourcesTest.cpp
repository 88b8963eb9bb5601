// The Windows executables as the system reads them: the program icon the shell picks for each
// size, a manifest that the system accepts, with the settings in the namespaces it reads, and the
// program's own resources, each the table it was written from, all in German.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <span>
#include <string>

#include "app/ProgramResources.h"
#include "platform/module/win32/WideText.h"
#include "platform/window/win32/DialogTemplateWriter.h"
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

std::string MenuText(HMENU menu, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, std::size(text), MF_BYPOSITION);
    return platform::Narrowed(text);
}

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::vector<WORD>*>(languages)->push_back(language);
    return TRUE;
}

BOOL CALLBACK CollectNameLanguages(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR languages) {
    EnumResourceLanguagesW(module, type, name, &CollectLanguage, languages);
    return TRUE;
}

BOOL CALLBACK CollectTypeLanguages(HMODULE module, LPWSTR type, LONG_PTR languages) {
    EnumResourceNamesW(module, type, &CollectNameLanguages, languages);
    return TRUE;
}

class ProgramFile : public ExecutableResources {};

// What a translator edits is what the program shows: the dialogs, menu, accelerators and texts
// that the program file carries are those of the tables, byte for byte where the system reads
// bytes, and every resource is German.
TEST_P(ProgramFile, CarriesTheResourceTablesInGerman) {
    const platform::ResourceSet tables = schattwerk::ProgramResources();
    for (const platform::DialogTemplate& dialog : tables.dialogs) {
        const auto resource = Resource(RT_DIALOG, dialog.id);
        const std::vector<WORD> written = platform::WriteDialogTemplate(dialog);
        ASSERT_EQ(resource.size(), written.size() * sizeof(WORD)) << dialog.id;
        EXPECT_EQ(std::memcmp(resource.data(), written.data(), resource.size()), 0) << dialog.id;
    }
    for (const platform::MenuTemplate& table : tables.menus) {
        HMENU menu = LoadMenuW(module, MAKEINTRESOURCEW(table.id));
        ASSERT_NE(menu, nullptr) << table.id;
        ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(table.popups.size()));
        for (std::size_t i = 0; i < table.popups.size(); ++i) {
            const platform::MenuPopup& popup = table.popups[i];
            EXPECT_EQ(MenuText(menu, static_cast<int>(i)), popup.text);
            HMENU items = GetSubMenu(menu, static_cast<int>(i));
            ASSERT_EQ(GetMenuItemCount(items), static_cast<int>(popup.items.size()));
            for (std::size_t j = 0; j < popup.items.size(); ++j) {
                EXPECT_EQ(MenuText(items, static_cast<int>(j)), popup.items[j].text);
                EXPECT_EQ(GetMenuItemID(items, static_cast<int>(j)),
                          static_cast<UINT>(popup.items[j].command));
            }
        }
        DestroyMenu(menu);
    }
    for (const platform::AcceleratorTable& table : tables.accelerators) {
        HACCEL loaded = LoadAcceleratorsW(module, MAKEINTRESOURCEW(table.id));
        ASSERT_NE(loaded, nullptr) << table.id;
        std::vector<ACCEL> entries(
            static_cast<std::size_t>(CopyAcceleratorTableW(loaded, nullptr, 0)));
        CopyAcceleratorTableW(loaded, entries.data(), static_cast<int>(entries.size()));
        ASSERT_EQ(entries.size(), table.entries.size()) << table.id;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].fVirt, FVIRTKEY | FNOINVERT);
            EXPECT_EQ(entries[i].key, table.entries[i].virtualKey);
            EXPECT_EQ(entries[i].cmd, table.entries[i].command);
        }
    }
    for (const platform::StringResource& string : tables.strings) {
        wchar_t text[256] = {};
        LoadStringW(module, string.id, text, std::size(text));
        EXPECT_EQ(platform::Narrowed(text), string.text) << string.id;
    }
    const auto group = Resource(RT_GROUP_ICON, schattwerk::IdIcon);
    for (const std::span<const std::uint8_t> png : tables.icons.front().pngImages) {
        const int side = png[16] << 24 | png[17] << 16 | png[18] << 8 | png[19];
        const auto image =
            Resource(RT_ICON, LookupIconIdFromDirectoryEx(const_cast<PBYTE>(group.data()), TRUE,
                                                          side, side, LR_DEFAULTCOLOR));
        EXPECT_TRUE(std::equal(image.begin(), image.end(), png.begin(), png.end())) << side;
    }

    std::vector<WORD> languages;
    EnumResourceTypesW(module, &CollectTypeLanguages, reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_GT(languages.size(), 10u);
    EXPECT_TRUE(std::all_of(languages.begin(), languages.end(), [](WORD language) {
        return language == MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
    }));
}

INSTANTIATE_TEST_SUITE_P(TheProgram, ProgramFile, testing::Values(L"" PROGRAM_PATH));

INSTANTIATE_TEST_SUITE_P(BothPrograms, ExecutableResources,
                         testing::Values(L"" PROGRAM_PATH, L"" COMMAND_LINE_PATH));

}  // namespace
