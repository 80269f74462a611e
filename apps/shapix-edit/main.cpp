// shapix-edit [--size WxH] [--tool NAME] [FILE]: edit a shapes file with the mouse.
#include "EditorWindow.h"

#include "ControlHost.h"
#include "ToolError.h"

#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kUsage
    = "usage: shapix-edit [--size WIDTHxHEIGHT] [--tool select|read|dim|add|delete|edit] [FILE]\n";

} // namespace

int main(int argc, char** argv)
{
    // Help needs no display: it is what someone without one asks first.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf("%s", kUsage);
            return 0;
        }
    }
    if (!gtk_init_check(&argc, &argv)) {
        std::fprintf(stderr, "shapix-edit: cannot open the display (is DISPLAY set?)\n");
        return 2;
    }
    std::string path;
    shapix_tool::ClientSize size;
    CShapixCtrl::ToolType tool = CShapixCtrl::toolSelect;
    try {
        for (int i = 1; i < argc; ++i) {
            if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc)
                size = shapix_tool::ParseClientSize(argv[++i], "edit");
            else if (std::strcmp(argv[i], "--tool") == 0 && i + 1 < argc) {
                if (!shapix_tool::ParseTool(argv[++i], tool))
                    throw shapix_tool::UsageError(std::string("unknown tool \"") + argv[i]
                            + "\": expected select, read, dim, add, delete or edit",
                        "edit");
            } else
                path = argv[i];
        }
        return shapix_edit::RunEditor(path, size.width, size.height, tool);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "shapix-edit: %s\n", error.what());
        return 1;
    }
}
