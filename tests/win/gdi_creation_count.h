// Counts the GDI and USER objects this program's own code creates (brushes,
// pens, fonts, bitmaps, regions, device contexts, icons, image lists), by
// routing the executable's imports of their makers through counters. What
// the system's controls make inside their own libraries is not counted.
// Wine answers GetGuiResources with 0, so the objects are counted as made.
#pragma once

namespace wintest {

// Routes the imports on the first call; later calls do nothing. False when
// none of the makers could be found among the imports.
bool CountGdiCreations();

// How many objects have been made since CountGdiCreations.
long GdiObjectsCreated();

}  // namespace wintest
