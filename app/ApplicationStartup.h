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
// Family the widgets and style sheets of the design ask for.
inline const char* const DesignFamily = "Segoe UI";

// Links the compiled-in resources, registers the embedded face as the only
// application font, maps the design's family to it and makes it the
// application font. Returns false when the face could not be registered.
bool loadResourcesAndFont();

} // namespace ApplicationStartup
