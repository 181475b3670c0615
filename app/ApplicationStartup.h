#pragma once

#include <QString>

// The start-up steps every program that shows or measures the display runs
// once its QApplication exists: main, the tests that measure or capture, the
// gallery and the benchmarks. The design asks for "Segoe UI"; the embedded
// face carries a family name of its own and the design's name is mapped to
// it, so texts are laid out in the shipped face whatever fonts the unit has.
namespace ApplicationStartup {

// Family name of the embedded face.
inline const char* const EmbeddedFamily = "Nordel Sans";
// Family of the embedded condensed face (the same bold letters, narrower):
// a text that needs less room than the normal face gives it is drawn in this
// face first, and stretched further only if even that is too wide.
inline const char* const CondensedFamily = "Nordel Sans Condensed";
// The condensed face's width in percent of the normal face's (its width
// class); a stretch asked of it counts from the normal face's width.
constexpr int CondensedStretch = 87;
// Family the widgets and style sheets of the design ask for.
inline const char* const DesignFamily = "Segoe UI";

// Links the compiled-in resources, registers the embedded faces as the only
// application fonts, maps the design's family to the normal one and makes it
// the application font. Returns false when a face could not be registered.
bool loadResourcesAndFont();

} // namespace ApplicationStartup
