#include "ShapixResourceTables.h"

namespace shapix_resources {

// FIXME: Add templates 1002 and 1004.
std::vector<platform::DialogTemplate> DialogTemplates()
{
    return {};
}

} // namespace shapix_resources
