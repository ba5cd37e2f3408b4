// Loads the built library as a host does and watches the host framework:
// load registers the module and links its library record, unload removes
// both. Each test unloads what it loaded, so none depends on another.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "aiconverter_version.h"
#include "hostframework_testing.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

using Entry = const wchar_t* (*)(const wchar_t*);

#if defined(_WIN32)
using Handle = HMODULE;
Handle Load() { return LoadLibraryW(L"aiconverter.dll"); }
Entry Lookup(Handle h) { return reinterpret_cast<Entry>(reinterpret_cast<void*>(GetProcAddress(h, "AIConverter"))); }
bool Unload(Handle h) { return FreeLibrary(h) != 0; }
constexpr bool kRefusalFailsTheLoad = true;
#else
using Handle = void*;
Handle Load() { return dlopen(AICONV_MODULE_PATH, RTLD_NOW | RTLD_LOCAL); }
Entry Lookup(Handle h) { return reinterpret_cast<Entry>(dlsym(h, "AIConverter")); }
bool Unload(Handle h) { return dlclose(h) == 0; }
// An ELF constructor cannot fail dlopen(): a refused module stays loaded,
// unregistered.
constexpr bool kRefusalFailsTheLoad = false;
#endif

class Lifecycle : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(FwRegisteredModuleCount(), 0);
        ASSERT_EQ(FwLibraryCount(), 0);
    }
    void TearDown() override {
        FwSetRefuseInit(0);
        FwSetFailAllocation(0);
    }
};

TEST_F(Lifecycle, LoadRegistersAndUnloadUnregisters) {
    Handle h = Load();
    ASSERT_NE(h, nullptr);
    ASSERT_EQ(FwRegisteredModuleCount(), 1);
    const FwExtensionModule* module = FwRegisteredModule(0);
    EXPECT_EQ(module->initialized, 1);
    EXPECT_NE(module->instance, nullptr);
    ASSERT_EQ(FwLibraryCount(), 1);
    EXPECT_EQ(FwLibraryModule(0), module);

    Entry convert = Lookup(h);
    ASSERT_NE(convert, nullptr);
    EXPECT_STREQ(convert(L"10 km to mi"), L"10 km -> 6.213712 mi");
    EXPECT_STREQ(convert(L"1 \u4E2D to m"), L"ERROR: could not parse units or arrow");
    EXPECT_STREQ(convert(L"5 kg to \u00B5g"), L"ERROR: could not parse units or arrow");
    const wchar_t lone[] = {L'1', L' ', L'm', L' ', static_cast<wchar_t>(0xD83D), L'x', 0};
    EXPECT_STREQ(convert(lone), L"ERROR: could not parse units or arrow");

    ASSERT_TRUE(Unload(h));
    EXPECT_EQ(FwRegisteredModuleCount(), 0);
    EXPECT_EQ(FwLibraryCount(), 0);
}

TEST_F(Lifecycle, LoadTakesOverThePendingFrameworkState) {
    int resources = 0, classes = 0;
    FwModuleState* state = FwGetModuleState();
    *state = FwModuleState{{nullptr, &resources}, {nullptr, &classes}};
    Handle h = Load();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(state->resources.current, &resources);
    EXPECT_EQ(state->resources.pending, nullptr);
    EXPECT_EQ(state->classes.current, &classes);
    EXPECT_EQ(state->classes.pending, nullptr);
    ASSERT_TRUE(Unload(h));
    // Unloading leaves the state as the load left it.
    EXPECT_EQ(state->resources.current, &resources);
    *state = FwModuleState{};
}

TEST_F(Lifecycle, RefusedInitialisationRegistersNothing) {
    FwSetRefuseInit(1);
    Handle h = Load();
    EXPECT_EQ(FwRegisteredModuleCount(), 0);
    EXPECT_EQ(FwLibraryCount(), 0);
    if (kRefusalFailsTheLoad) {
        EXPECT_EQ(h, nullptr);
    } else {
        ASSERT_NE(h, nullptr);
        EXPECT_STREQ(Lookup(h)(L"1 m to cm"), L"1 m -> 100 cm");
    }
    if (h != nullptr) {
        EXPECT_TRUE(Unload(h));
    }
    EXPECT_EQ(FwRegisteredModuleCount(), 0);
}

TEST_F(Lifecycle, LoadSucceedsWithoutALibraryRecordWhenAllocationFails) {
    FwSetFailAllocation(1);
    Handle h = Load();
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(FwRegisteredModuleCount(), 1);
    EXPECT_EQ(FwLibraryCount(), 0);
    ASSERT_TRUE(Unload(h));
    EXPECT_EQ(FwRegisteredModuleCount(), 0);
}

TEST_F(Lifecycle, ThreadsComingAndGoingChangeNothing) {
    Handle h = Load();
    ASSERT_NE(h, nullptr);
    Entry convert = Lookup(h);
    std::wstring answer;
    std::thread([&] { answer = convert(L"1 kwh to kj"); }).join();
    EXPECT_EQ(answer, L"1 kwh -> 3600 kj");
    EXPECT_EQ(FwRegisteredModuleCount(), 1);
    EXPECT_EQ(FwLibraryCount(), 1);
    ASSERT_TRUE(Unload(h));
    EXPECT_EQ(FwRegisteredModuleCount(), 0);
}

#if defined(_WIN32)
TEST_F(Lifecycle, CarriesItsVersionTypeLibraryAndStringTable) {
    Handle h = Load();
    ASSERT_NE(h, nullptr);
    wchar_t path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(h, path, MAX_PATH), 0u);

    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const DWORD version[] = {AICONVERTER_VERSION_QUAD};  // from the build's one version
    EXPECT_EQ(fixed->dwFileVersionMS, version[0] << 16 | version[1]);
    EXPECT_EQ(fixed->dwFileVersionLS, version[2] << 16 | version[3]);
    EXPECT_EQ(fixed->dwProductVersionMS, version[0] << 16 | version[1]);
    EXPECT_EQ(fixed->dwProductVersionLS, version[2] << 16 | version[3]);
    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0409);
    wchar_t* fileVersion = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\FileVersion",
                               reinterpret_cast<void**>(&fileVersion), &length));
    EXPECT_STREQ(fileVersion, L"" AICONVERTER_VERSION);

    EXPECT_NE(FindResourceW(h, MAKEINTRESOURCEW(1), L"TYPELIB"), nullptr);
    wchar_t message[128] = L"";
    EXPECT_GT(LoadStringW(h, 0xF000, message, 128), 0);
    ASSERT_TRUE(Unload(h));
}
#endif

}  // namespace
