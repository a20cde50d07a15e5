#include "frame/platformfacts.h"

#include <qt_windows.h>

#include <array>

namespace frame {

namespace {
// Visual-style facts from uxtheme (loaded when present; its absence means styles off) and
// system colours from GetSysColor.
class UxThemeFacts final : public PlatformFacts {
public:
    UxThemeFacts() : m_uxtheme(LoadLibraryW(L"uxtheme.dll")) {}

    bool hasVisualStyles() const override { return m_uxtheme != nullptr; }

    bool appIsThemed() const override {
        using IsAppThemedFn = BOOL(WINAPI *)();
        const auto isAppThemed = function<IsAppThemedFn>("IsAppThemed");
        return isAppThemed && isAppThemed();
    }

    std::optional<QString> colourSchemeName() const override {
        using OpenFn = HANDLE(WINAPI *)(HWND, LPCWSTR);
        using NameFn = HRESULT(WINAPI *)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
        using CloseFn = HRESULT(WINAPI *)(HANDLE);
        const auto open = function<OpenFn>("OpenThemeData");
        const auto name = function<NameFn>("GetCurrentThemeName");
        const auto close = function<CloseFn>("CloseThemeData");
        if (!open || !name || !close)
            return std::nullopt;
        HANDLE theme = open(nullptr, L"ExplorerBar");
        if (!theme)
            return std::nullopt;
        std::array<wchar_t, 260> file{}, scheme{};
        name(file.data(), int(file.size()), scheme.data(), int(scheme.size()), nullptr, 0);
        close(theme);
        return QString::fromWCharArray(scheme.data());
    }

    std::optional<OleColor> systemColour(int index) const override {
        if (index < 0 || index > 30)
            return std::nullopt;
        return static_cast<OleColor>(GetSysColor(index));
    }

    bool isFunctionExported(const QString &function, const QString &module) const override {
        HMODULE handle = GetModuleHandleW(reinterpret_cast<LPCWSTR>(module.utf16()));
        const bool loadedHere = handle == nullptr;
        if (loadedHere)
            handle = LoadLibraryW(reinterpret_cast<LPCWSTR>(module.utf16()));
        const bool found =
            handle && GetProcAddress(handle, function.toLatin1().constData()) != nullptr;
        if (loadedHere && handle)
            FreeLibrary(handle);
        return found;
    }

private:
    template <typename Fn> Fn function(const char *name) const {
        return m_uxtheme ? reinterpret_cast<Fn>(GetProcAddress(m_uxtheme, name)) : nullptr;
    }
    HMODULE m_uxtheme;
};
} // namespace

const PlatformFacts &nativePlatformFacts() {
    static const UxThemeFacts facts;
    return facts;
}

} // namespace frame
