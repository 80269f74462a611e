// The DC's default font.
#include "platform/raster/TextRenderers.h"

#include <cstdlib>
#include <cstring>

namespace platform::raster {

TextRenderer& TextRenderer::Default()
{
    // Chosen once: text measured with one font must be drawn with it.
    static const std::unique_ptr<TextRenderer> chosen = [] {
        const char* choice = std::getenv(kFontEnvironmentVariable);
        if (!(choice && std::strcmp(choice, "builtin") == 0))
            if (std::unique_ptr<TextRenderer> system = CreateSystemTextRenderer())
                return system;
        return CreateBuiltinTextRenderer();
    }();
    return *chosen;
}

} // namespace platform::raster
