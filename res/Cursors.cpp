#include "ShapixResourceTables.h"

namespace shapix_resources {

// FIXME: Add cursors 129, 1003, 1004 and 1006.
std::vector<platform::CursorResource> Cursors()
{
    return {};
}

} // namespace shapix_resources
