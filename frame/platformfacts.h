#pragma once

#include "frame/olecolor.h"

#include <QString>

#include <optional>

namespace frame {

// What the frame asks of the platform's look: visual styles, the colour-scheme name and the
// system colours. Windows answers from uxtheme and GetSysColor; elsewhere the facts are
// "not themed" and the system colours come from the application palette.
class PlatformFacts {
public:
    virtual ~PlatformFacts() = default;
    // Whether the visual-style library can be called at all.
    virtual bool hasVisualStyles() const = 0;
    virtual bool appIsThemed() const = 0;
    // The colour-scheme name of the current visual style; none when no theme data opens.
    virtual std::optional<QString> colourSchemeName() const = 0;
    // The plain colour of system colour `index`; none when the platform cannot translate it.
    virtual std::optional<OleColor> systemColour(int index) const = 0;
    // Whether `module` exports `function` (mouse-leave tracking decides on this).
    virtual bool isFunctionExported(const QString &function, const QString &module) const = 0;
};

// The facts in force; tests install scripted ones for a scope.
const PlatformFacts &platformFacts();

class ScopedPlatformFacts {
public:
    explicit ScopedPlatformFacts(const PlatformFacts *facts);
    ~ScopedPlatformFacts();
    ScopedPlatformFacts(const ScopedPlatformFacts &) = delete;
    ScopedPlatformFacts &operator=(const ScopedPlatformFacts &) = delete;

private:
    const PlatformFacts *m_previous;
};

// OleTranslateColor: a plain colour as it is, a system-colour reference as its colour,
// -1 for what cannot be translated.
OleColor TranslateOleColor(OleColor colour);

// The facts of the platform the program runs on (defined per platform).
const PlatformFacts &nativePlatformFacts();

} // namespace frame
