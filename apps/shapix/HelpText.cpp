#include "HelpText.h"

namespace shapix_tool {

const char* const kMainHelp = R"(shapix - shows, edits and cuts outlines with the Shapix control

usage:
  shapix render FILE -o OUT.png [--size WxH] [--fit] [--page select|read|dim] [--select ID]
  shapix play [SCRIPT] [--out DIR]
  shapix cut FILE --id N --margin M --angle A --spacing S [--merge] [-o OUT.png|OUT.dxf|OUT.svg] [--size WxH] [--json]
  shapix import FILE.dxf -o OUT.json [--layer NAME]... [--fit WxH]
  shapix export FILE -o OUT.dxf|OUT.svg
  shapix help [render|play|cut|import|export]
  shapix --version

  render  paints a shapes file with the control and writes the picture
  play    plays a session script (mouse, tools, dialogs, checks); without
          SCRIPT it plays the bundled demo on the bundled plate sample
  cut     cuts one outline's region with parallel lines and prints the groups
  import  reads the closed polylines of a DXF drawing into a shapes file
  export  writes a shapes file's outlines as a DXF or SVG drawing

A shapes file is JSON: {"units": "mm", "outlines": [OUTLINE, ...]}, where
each OUTLINE has
  "id"             whole number, unique in the file (required)
  "name"           text
  "points"         [[x, y], ...] window pixels, at least 3 (required)
  "model"          [[x, y], ...] host units, as many as points; y grows
                   downwards like the window's (the dimension chains measure
                   from the top-left station)
  "bulges"         one per side (side k runs from point k to point k+1, the
                   last back to point 0): tan(sweep/4), 0 = straight,
                   positive = clockwise on the screen
  "sideTypes"      one index into sideTypeNames per side
  "sideTypeNames"  the side types the side dialog offers
  "ref", "modelRef"  the reference point, window and model
  "refSet"         false: the control centres the reference point itself
                   (default: true when "ref" is given)
Numbers are exchanged with the library with five decimals.

The control's client area is WxH (default 640x480); its window is made
6 pixels larger in each direction for its 3-pixel edges.

Exit status: 0 done, 1 failed (bad file, failed expect line, unwritable
output), 2 bad command line. Output files are written only when the whole
command succeeds; a failure never replaces an existing file.
)";

const char* const kRenderHelp = R"(usage: shapix render FILE -o OUT.png [--size WxH] [--fit] [--page select|read|dim] [--select ID]

Loads every outline of the shapes FILE into a control and writes the
control's own paint as a PNG: black background, the dimension lines, the
outlines, the handle squares of the selected outline and, on the dim page,
the dimension labels.

  -o, --output OUT.png  the picture to write (folders are created)
  --size WxH            the control's client area in pixels (default 640x480)
  --fit                 fit each outline, on its own, into the middle half of
                        the control (AdjustToWnd) instead of using its window
                        points; for files with one outline
  --page P              select (default), read or dim
  --select ID           click outline ID with the select tool first: its
                        handle squares and its own dimension lines show
                        (select page only)
)";

const char* const kPlayHelp = R"(usage: shapix play [SCRIPT] [--out DIR]

Plays a session script against a real control and writes the pictures and
shapes files it asks for into DIR (default: the current folder). Without
SCRIPT the bundled demo plays on the bundled plate sample. Every line is
checked before anything runs; the first failing line stops the run with
SCRIPT:LINE: and the reason, and then no file is written at all.

One command per line; # starts a comment; "double quotes" keep blanks in a
word. Coordinates are client pixels of the control, whole numbers.

  size WxH              client size of the control (before anything uses it;
                        default 640x480)
  load FILE [fit]       add the outlines of a shapes file (path relative to
                        the script); fit: fit each outline on its own into
                        the control first (for files with one outline).
                        Then the dimension values are computed from the
                        model coordinates (CreateDimText).
  tool T                select, read, dim (the pages) or add, delete, edit
                        (the side tools; a right click returns to select)
  select ID             click outline ID with the select tool
  down X Y | up X Y | move X Y | dblclk X Y | rdown X Y
                        one mouse message (move carries the left button
                        while it is down)
  click X Y             move there, down, up (as a real mouse does)
  drag X1 Y1 X2 Y2 [N]  move to X1 Y1, down, N moves (default 5) along the
                        way to X2 Y2, up
  answer dim VALUE      the next dialog is "输入尺寸": type VALUE, OK
  answer side [angle|radius|arch VALUE] [type INDEX|NAME]
                        the next dialog is "当前边属性编辑": choose the
                        value type and type VALUE, pick the side type, OK
  answer cancel         the next dialog is cancelled
  render FILE.png       the control's client area as a PNG
  save FILE.json        every outline, read back with GetObjData
  show ID | show dims   print an outline's points, or the dimension labels
                        with a point to click each
  expect ...            check a value; a difference fails the run:
    vertex ID N X Y       window point of vertex N (from 0)
    model ID N X Y        model point of vertex N
    ref ID X Y | modelref ID X Y
    bulge ID K B | angle ID K DEGREES | sidetype ID K T   side K (from 0)
    count ID N            number of vertices
    dim X Y TEXT          the dimension label under (X, Y) reads TEXT
    dims x|y TEXT...      all labels of the x (left to right) or y (top to
                          bottom) chain
    cursor NAME           arrow, cross, hand, add, delete, edit or an id
    selected ID|none
    notices N             double-click notices the parent got (1135)
    changes N             Change calls the host got (typed dimensions)
    pixel X Y RRGGBB      colour of a pixel of the control's paint
  Reading an outline (expect, show, save) goes through GetObjData, which
  applies the dimension chains to the model coordinates, as for a host.

Every dialog that opens must have an answer line before the event that
opens it, and every answer must be used.

example (samples/plate.json, a 1000 x 600 mm plate at 0.5 px/mm):
  size 640x480
  load plate.json
  click 320 70                # select the plate by its top side
  expect selected 1
  tool edit
  answer side arch 20 type 弧边
  click 320 370               # the bottom edge bows out by 20 mm
  expect bulge 1 4 0.04762
  tool dim
  answer dim 470
  click 215 465               # the x chain's second label: 420 becomes 470
  tool select                 # leaving the page writes the model coordinates
  expect model 1 1 970 0
  render edited.png
  save edited.json
)";

const char* const kCutHelp = R"(usage: shapix cut FILE --id N --margin M --angle A --spacing S [--merge] [-o OUT.png|OUT.dxf|OUT.svg] [--size WxH] [--json]

Cuts the region of outline N of the shapes FILE, in model coordinates, with
parallel lines (RegionInt): the first line lies the margin in from the
model box's corner, the lines run at the angle (degrees) and lie the
spacing apart (a whole number of model units). Arc sides are cut along
their chords. The model box must exceed 480 units in both directions.

Prints one row per group: its number, how many lines it stands for, its
crossings and the length of each piece with its end points.

  --merge        merge neighbouring groups with equal pieces (Hebin)
  -o OUT.png     also draw the outline (model coordinates, scaled) with the
                 pieces and crossings over it; OUT.dxf or OUT.svg: the
                 outline and one LINE per piece in model units, on layer
                 "cuts", or with --merge each group on its own layer
                 "group-G-xCOUNT"
  --size WxH     size of that picture (default 640x480)
  --json         print the groups as JSON instead (messages go to stderr)
)";

const char* const kImportHelp = R"(usage: shapix import FILE.dxf -o OUT.json [--layer NAME]... [--fit WxH]

Reads every closed LWPOLYLINE and POLYLINE of the DXF drawing (of the
layers given, or of all) into a shapes file, one outline each. A drawing
that declares its unit ($INSUNITS 1 to 24: inches, feet, metres, ...) is
converted to millimetres ("units": "mm"); a unitless one keeps its
numbers. A last vertex that repeats the first is dropped. y is flipped to
the shapes files' y-down axis, which also flips the bulges' sign (a DXF
bulge is counter-clockwise positive with y up, ours clockwise positive
with y down). Each outline's
sides get one side type, named after the polyline's layer. The window
points fit the whole drawing into the middle of a WxH window (default
640x480). Open polylines and other entities are counted by type and
skipped.

  -o, --output OUT.json  the shapes file to write
  --layer NAME           take this layer's polylines only (repeatable)
  --fit WxH              the window the points are fitted to
)";

const char* const kExportHelp = R"(usage: shapix export FILE -o OUT.dxf|OUT.svg

Writes every outline of the shapes FILE, in model units, as a closed
LWPOLYLINE with bulges (DXF R2000, y up) or as an SVG path with exact arc
commands (y down, like the shapes file). The DXF's $INSUNITS names the
shapes file's "units" (mm 4, cm 5, m 6, in 1, ft 2, ...; 0, unitless, when
it has none or another). Each outline goes on the layer (DXF)
or group (SVG) named after its most common side type; non-ASCII layer names
are written as \U+XXXX in DXF.

  -o, --output OUT  the drawing to write; its extension picks the format
)";

} // namespace shapix_tool
